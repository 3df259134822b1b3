#include "Zahltext.h"

#include "Textumwandlung.h"
#include "Voderedezazarire.h"
#include "Winkel.h"

#include <cmath>
#include <limits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// Metres are shown to the millimetre.
constexpr int MeterStellen = 3;

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
  const auto [g, m, s] = WinkelZerlegen(grad);
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
