// Result window, Gauss-Krüger → geographic: whole degrees, minutes, seconds.
#pragma once

#include "Formular.h"

#include "Voderedezazarire.h"

class QLabel;
class QPushButton;

class frmErgGKGeo : public Formular {
  Q_OBJECT

public:
  /// The window showing the results in `daten`, read by Form_Load.
  explicit frmErgGKGeo(const Voderedezazarire::Umrechnungsdatensatz& daten);

  QLabel* Label9;        ///< longitude degrees, set at load
  QLabel* Label10;       ///< longitude minutes
  QLabel* Label11;       ///< longitude seconds
  QLabel* Label12;       ///< latitude degrees
  QLabel* Label13;       ///< latitude minutes
  QLabel* Label14;       ///< latitude seconds
  QPushButton* Command1; ///< "Schließen"

  /// Copies the six components from its record, once, before the
  /// window is shown. Throws Fehler(Ueberlauf) at the first component
  /// outside −32768..32767; the labels before it keep their text.
  void Form_Load();
  void Command1_Click();

private:
  const Voderedezazarire::Umrechnungsdatensatz& daten_;
};
