#include "Zahltext.h"

#include "Textumwandlung.h"
#include "Voderedezazarire.h"

#include <cmath>
#include <limits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// Decimals of the shown values: metres to the millimetre, decimal degrees
/// to 1e-9°, seconds to 1e-5″.
constexpr int MeterStellen = 3;
constexpr int GradStellen = 9;
constexpr int SekundenStellen = 5;
constexpr long long SekundenTeile = 100000; // 10^SekundenStellen
constexpr long long SekundenJeMinute = 60;
constexpr long long SekundenJeGrad = 3600;

/// `wert` with `stellen` decimals in the locale; a value that rounds to zero
/// shows without a minus sign.
QString Festkomma(double wert, int stellen) {
  const QLocale locale = Zahlenlocale();
  const QString text = locale.toString(wert, 'f', stellen);
  // -0.0004 rounds to zero: show "0,000", not "-0,000".
  const QString null = locale.toString(0.0, 'f', stellen);
  if (text == locale.negativeSign() + null) {
    return null;
  }
  return text;
}

} // namespace

QString MeterText(double wert) {
  return Festkomma(wert, MeterStellen);
}

QString GradText(double grad) {
  return Festkomma(grad, GradStellen);
}

Winkeltext GmsText(double grad) {
  const QLocale locale = Zahlenlocale();
  // In whole units of 1e-5″: below 2^53 for any angle up to 10^5 degrees.
  const auto teile =
      static_cast<long long>(std::llround(std::fabs(grad) * SekundenJeGrad * SekundenTeile));
  const long long g = teile / (SekundenJeGrad * SekundenTeile);
  const long long m = teile / (SekundenJeMinute * SekundenTeile) % SekundenJeMinute;
  const long long s = teile % (SekundenJeMinute * SekundenTeile);
  const QString minus = std::signbit(grad) ? locale.negativeSign() : QString();
  const auto vorzeichen = [&](long long teil) { return teil == 0 ? QString() : minus; };
  return {vorzeichen(g) + QString::number(g), vorzeichen(m) + QString::number(m),
          vorzeichen(s) + QString::number(s / SekundenTeile) + locale.decimalPoint() +
              QStringLiteral("%1").arg(s % SekundenTeile, SekundenStellen, 10, QLatin1Char('0'))};
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
