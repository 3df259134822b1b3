// Where the text boxes of an input window are read: the handler gives an
// Eingabe its boxes and the direction they belong to (Eingabefelder.h); it
// reads them into the record and converts, remembering the box it is at, so
// that an error can name that box and put the focus back.
#pragma once

#include "Eingabefelder.h"

#include <span>

class QLineEdit;

class Eingabe {
public:
  /// Reads `felder`, one box per field of `richtung` and in its order, into
  /// `u`, then converts `u`. An overflow in the conversion is blamed on the
  /// box of `richtung.ueberlaufFeld`.
  void Umrechnen(const Umrechnungsrichtung& richtung, std::span<QLineEdit* const> felder,
                 Umrechnungsdatensatz& u);

  /// Blames `feld` (nullptr: no box) for what fails next; `ganzzahlig` if
  /// it takes a whole number. For windows that read their boxes themselves.
  void Beim(QLineEdit* feld, bool ganzzahlig = false) {
    feld_ = feld;
    ganzzahlig_ = ganzzahlig;
  }

  /// The box whose conversion failed, or nullptr.
  [[nodiscard]] QLineEdit* Fehlerfeld() const { return feld_; }
  /// Whether the failing box takes a whole number.
  [[nodiscard]] bool Ganzzahlig() const { return ganzzahlig_; }

private:
  QLineEdit* feld_ = nullptr;
  bool ganzzahlig_ = false;
};
