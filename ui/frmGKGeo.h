// Input window, Gauss-Krüger → geographic: Rechtswert and Hochwert.
#pragma once

#include "Formular.h"

#include <array>

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

  /// The two boxes in the order they are read.
  [[nodiscard]] std::array<QLineEdit*, 2> Eingabefelder() const { return {Text1, Text2}; }

  void Command1_Click();
  void Command2_Click();
};
