// Input window, geographic → Gauss-Krüger: longitude, latitude, strip.
#pragma once

#include "Formular.h"

#include <array>

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

  /// The seven boxes in the order they are read and tabbed through.
  [[nodiscard]] std::array<QLineEdit*, 7> Eingabefelder() const {
    return {Text1, Text2, Text3, Text4, Text5, Text6, Text7};
  }

  void Command1_Click();
  void Command2_Click();
};
