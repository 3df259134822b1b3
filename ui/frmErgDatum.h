// Result window of the datum change: one point in all four systems, each
// value with its caption and unit, selectable and copyable.
#pragma once

#include "Datumswechsel.h"
#include "Formular.h"

#include <array>
#include <cstddef>

class QLabel;
class QPushButton;

/// One point in the four systems, in the order of Bezugssystem; `von` is the
/// system it was typed in.
struct Datumsergebnis {
  Bezugssystem von = Bezugssystem::GK;
  std::array<Datumspunkt, 4> punkte{};
  [[nodiscard]] const Datumspunkt& In(Bezugssystem s) const {
    return punkte[static_cast<std::size_t>(s)];
  }
};

class frmErgDatum : public Formular {
  Q_OBJECT

public:
  /// The window showing `ergebnis`, which it keeps: later conversions do not
  /// change it.
  explicit frmErgDatum(const Datumsergebnis& ergebnis);

  std::array<QLabel*, 3> WerteGK;   ///< strip, Rechtswert, Hochwert
  std::array<QLabel*, 3> WerteUTM;  ///< zone, Ostwert, Nordwert
  std::array<QLabel*, 8> WerteEtrs; ///< Länge: Grad, Minuten, Sekunden, decimal; Breite: the same
  std::array<QLabel*, 6> WerteGeo;  ///< Länge: Grad, Minuten, Sekunden; Breite: the same
  QLabel* Wahl;                     ///< how the strip and the zone were chosen
  QPushButton* Command1;            ///< "Schließen"

  /// Writes the values into their labels, once, before the window is shown.
  void Form_Load();
  void Command1_Click();

private:
  Datumsergebnis ergebnis_;
};
