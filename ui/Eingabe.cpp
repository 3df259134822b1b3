#include "Eingabe.h"

#include "Textumwandlung.h"
#include "Voderedezazarire.h"

#include <QLineEdit>

#include <type_traits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

template <typename T> T Eingabe::Lesen(QLineEdit* feld, T (*umwandlung)(const QString&)) {
  feld_ = feld;
  ganzzahlig_ = std::is_integral_v<T>;
  const T wert = umwandlung(feld->text());
  feld_ = nullptr;
  return wert;
}

float Eingabe::Single(QLineEdit* feld) {
  return Lesen(feld, TextAlsSingle);
}
double Eingabe::Double(QLineEdit* feld) {
  return Lesen(feld, TextAlsDouble);
}
std::int16_t Eingabe::Integer(QLineEdit* feld) {
  return Lesen(feld, TextAlsInteger);
}

void Eingabe::Berechnen(void (*berechnung)(), QLineEdit* quelle) {
  try {
    berechnung();
  } catch (const Fehler& fehler) {
    if (fehler.art() == Fehlerart::Ueberlauf) {
      feld_ = quelle;
      ganzzahlig_ = false;
    }
    throw;
  }
}
