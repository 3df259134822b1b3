// Where a text box is read: every handler reads its boxes through an
// Eingabe, which converts the text (Textumwandlung.h) and remembers the box
// it is reading, so that an error can name that box and put the focus back.
#pragma once

#include <cstdint>

class QLineEdit;
class QString;

class Eingabe {
public:
  float Single(QLineEdit* feld);
  double Double(QLineEdit* feld);
  std::int16_t Integer(QLineEdit* feld);
  /// Runs a conversion; an overflow there stems from the value in `quelle`
  /// (the strip, or the easting the strip is taken from) and names it.
  void Berechnen(void (*berechnung)(), QLineEdit* quelle);

  /// The box whose conversion failed, or nullptr.
  [[nodiscard]] QLineEdit* Fehlerfeld() const { return feld_; }
  /// Whether the failing box takes a whole number.
  [[nodiscard]] bool Ganzzahlig() const { return ganzzahlig_; }

private:
  template <typename T> T Lesen(QLineEdit* feld, T (*umwandlung)(const QString&));
  QLineEdit* feld_ = nullptr;
  bool ganzzahlig_ = false;
};
