// Result window, geographic → Gauss-Krüger: Rechtswert and Hochwert.
#pragma once

#include "Formular.h"

class QLabel;
class QPushButton;

class frmErgGeoGK : public Formular {
  Q_OBJECT

public:
  frmErgGeoGK();

  QLabel* Label3;        ///< easting, set at load
  QLabel* Label4;        ///< northing, set at load
  QPushButton* Command1; ///< "Schließen"

  /// Copies the results from the conversion state, once, before the window
  /// is shown; later conversions do not change it.
  void Form_Load();
  void Command1_Click();
};
