// Input window, Gauss-Krüger → geographic: Rechtswert and Hochwert.
#pragma once

#include "Formular.h"

class QLineEdit;
class QPushButton;

class frmGKGeo : public Formular {
  Q_OBJECT

public:
  frmGKGeo();

  QLineEdit* Text1;      ///< easting [m]
  QLineEdit* Text2;      ///< northing [m]
  QPushButton* Command1; ///< "Berechnen"
  QPushButton* Command2; ///< "Schließen"

  void Command1_Click();
  void Command2_Click();
};
