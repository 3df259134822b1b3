#include "Zahltext.h"

#include "Textumwandlung.h"
#include "Voderedezazarire.h"

#include <limits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

QString MeterText(double wert) {
  const QLocale locale = Zahlenlocale();
  const QString text = locale.toString(wert, 'f', 3);
  // -0.0004 rounds to zero: show "0,000", not "-0,000".
  const QString null = locale.toString(0.0, 'f', 3);
  if (text == locale.negativeSign() + null) {
    return null;
  }
  return text;
}

QString GanzzahlText(float wert) {
  return QString::number(static_cast<int>(GanzzahlWert(wert)));
}

std::int16_t GanzzahlWert(float wert) {
  if (!(wert >= std::numeric_limits<std::int16_t>::min() &&
        wert <= std::numeric_limits<std::int16_t>::max())) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return static_cast<std::int16_t>(wert);
}
