// Result window, geographic → Gauss-Krüger: Rechtswert and Hochwert.
#pragma once

#include "Formular.h"

#include "Voderedezazarire.h"

class QLabel;
class QPushButton;

class frmErgGeoGK : public Formular {
  Q_OBJECT

public:
  /// The window showing the results in `daten`, read by Form_Load.
  explicit frmErgGeoGK(const Voderedezazarire::Umrechnungsdatensatz& daten);

  QLabel* Label3;        ///< easting, set at load
  QLabel* Label4;        ///< northing, set at load
  QPushButton* Command1; ///< "Schließen"

  /// Copies the results from its record, once, before the window is shown;
  /// later conversions do not change it.
  void Form_Load();
  void Command1_Click();

private:
  const Voderedezazarire::Umrechnungsdatensatz& daten_;
};
