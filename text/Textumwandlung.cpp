#include "Textumwandlung.h"

#include "Voderedezazarire.h"

#include <cmath>
#include <limits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// Halfway between FLT_MAX and 2^128: from here on a double rounds to ∞.
constexpr double FloatGrenze = 0x1.ffffffp+127;

/// Qt reports a number too small for a double as a failure with value 0, as
/// it does for a syntax error. A text is an underflow when the same text with
/// every digit 1–9 turned into 0 is a number by Qt's own rules: then only the
/// magnitude failed, whether written with an exponent ("1e-400") or in full
/// ("0,000…0001").
bool IstUnterlauf(const QLocale& locale, QString text) {
  for (QChar& zeichen : text) {
    if (zeichen >= QLatin1Char('1') && zeichen <= QLatin1Char('9')) {
      zeichen = QLatin1Char('0');
    }
  }
  bool ok = false;
  locale.toDouble(text, &ok);
  return ok;
}

double Lesen(const QString& text) {
  if (text.size() > Hoechstlaenge) {
    throw Fehler(Fehlerart::Typenkonflikt);
  }
  const QLocale locale = Zahlenlocale();
  bool ok = false;
  const double wert = locale.toDouble(text, &ok);
  if (ok) {
    // Qt reads "nan" and "inf" as numbers; here they are no numbers.
    if (!std::isfinite(wert)) {
      throw Fehler(Fehlerart::Typenkonflikt);
    }
    return wert;
  }
  if (std::isinf(wert)) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  if (wert == 0.0 && IstUnterlauf(locale, text)) {
    return 0.0;
  }
  throw Fehler(Fehlerart::Typenkonflikt);
}

} // namespace

QLocale Zahlenlocale() {
  QLocale locale;
  if (locale.language() == QLocale::C) {
    locale = QLocale(QLocale::German, QLocale::Germany);
  }
  locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
  return locale;
}

float TextAlsSingle(const QString& text) {
  return SingleAusDouble(Lesen(text));
}

double TextAlsDouble(const QString& text) {
  return Lesen(text);
}

std::int16_t TextAlsInteger(const QString& text) {
  return IntegerAusDouble(Lesen(text));
}

float SingleAusDouble(double wert) {
  if (std::fabs(wert) >= FloatGrenze) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return static_cast<float>(wert);
}

std::int16_t IntegerAusDouble(double wert) {
  if (wert != std::trunc(wert)) {
    throw Fehler(Fehlerart::Typenkonflikt);
  }
  if (wert < std::numeric_limits<std::int16_t>::min() ||
      wert > std::numeric_limits<std::int16_t>::max()) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return static_cast<std::int16_t>(wert);
}
