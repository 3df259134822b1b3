// The one place where errors meet the user: every event handler runs through
// Ereignis(), which catches what the handler raises, shows it and returns.
// No exception ever leaves a Qt slot.
#pragma once

#include "Voderedezazarire.h"

#include <QString>

#include <cstdint>
#include <functional>

class QLineEdit;
class QWidget;

/// Shows one error message; tests replace it so that no modal box blocks.
using Melder = std::function<void(QWidget* fenster, const QString& titel, const QString& text)>;

/// Replaces the reporter; an empty one restores the message box.
void MelderSetzen(Melder melder);

/// The German message for an error: its kind, the text box to blame if any
/// (`feldname`), and a hint fitting a whole-number box or an empty one.
QString Fehlertext(Voderedezazarire::Fehlerart art, const QString& feldname = {},
                   bool ganzzahlig = false, bool leer = false);

/// Reads text boxes for a handler and remembers which box it is reading, so
/// that an error can name it and put the focus back there.
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

/// Runs one event handler of `fenster`. A Fehler stops it at that step and is
/// reported; the focus then returns to the failing text box, text selected.
void Ereignis(QWidget* fenster, const std::function<void(Eingabe&)>& handler) noexcept;
