// Input window, geographic → Gauss-Krüger: longitude, latitude, strip.
#pragma once

#include "Formular.h"

class QLineEdit;
class QPushButton;

class frmGeoGK : public Formular {
  Q_OBJECT

public:
  frmGeoGK();

  QLineEdit* Text1;      ///< longitude degrees
  QLineEdit* Text2;      ///< longitude minutes
  QLineEdit* Text3;      ///< longitude seconds
  QLineEdit* Text4;      ///< latitude degrees
  QLineEdit* Text5;      ///< latitude minutes
  QLineEdit* Text6;      ///< latitude seconds
  QLineEdit* Text7;      ///< meridian strip number
  QPushButton* Command1; ///< "Berechnen"
  QPushButton* Command2; ///< "Schließen"

  void Command1_Click();
  void Command2_Click();
};
