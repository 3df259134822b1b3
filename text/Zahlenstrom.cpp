#include "Zahlenstrom.h"

#include "Textumwandlung.h"
#include "Voderedezazarire.h"
#include "Zahltext.h"

#include <QStringDecoder>

#include <charconv>
#include <cmath>

namespace {

/// Longest text read without QLocale. Up to 10^31 a decimal without exponent
/// can neither overflow nor underflow, so only the grammar decides.
constexpr std::size_t LaengsteZahl = 32;
/// Metres written without QLocale stay below this: far beyond any easting,
/// and every such value has its three decimals in a double.
constexpr double GroessterMeterwert = 1e15;
/// Room for "-999999999999999.999" and for an Int16.
constexpr std::size_t Textpuffer = 32;
/// A value with an odd number of sixteenths lies exactly halfway between two
/// three-decimal texts: Qt rounds it away from zero, std::to_chars to even.
constexpr double Sechzehntel = 16.0;
constexpr int Nachkommastellen = 3;

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

/// Keeps a leading U+FEFF, which QString::fromUtf8 drops: a text field
/// holding it is no number.
QString AlsQString(std::string_view utf8) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  return decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void Anhaengen(std::string& aus, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  aus.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

/// The locale's decimal separator when numbers in it are plain ASCII: digits
/// 0-9, '-' and '+' as signs, '.' or ',' as separator; else '\0'.
char AsciiDezimalzeichen() {
  const QLocale locale = Zahlenlocale();
  const QString komma = locale.decimalPoint();
  const bool ascii = locale.zeroDigit() == QLatin1String("0") &&
                     locale.negativeSign() == QLatin1String("-") &&
                     locale.positiveSign() == QLatin1String("+");
  if (ascii && (komma == QLatin1String(",") || komma == QLatin1String("."))) {
    return komma.front().toLatin1();
  }
  return '\0';
}

} // namespace

Zahlenleser::Zahlenleser() : dezimalzeichen_(AsciiDezimalzeichen()) {}

Zahlenleser::Zahlenleser(char dezimalzeichen) : dezimalzeichen_(dezimalzeichen), streng_(true) {}

bool Zahlenleser::Schnell(std::string_view text, double& wert) const {
  if (dezimalzeichen_ == '\0' || text.empty() || text.size() > LaengsteZahl) {
    return false;
  }
  char puffer[LaengsteZahl]; // the C notation: '.' as separator, no '+'
  std::size_t laenge = 0;
  std::size_t i = 0;
  if (text[0] == '-' || text[0] == '+') {
    if (text[0] == '-') {
      puffer[laenge++] = '-';
    }
    ++i;
  }
  const std::size_t ganzAnfang = i;
  while (i < text.size() && IstZiffer(text[i])) {
    puffer[laenge++] = text[i++];
  }
  if (i == ganzAnfang) {
    return false;
  }
  if (i < text.size() && text[i] == dezimalzeichen_) {
    puffer[laenge++] = '.';
    const std::size_t bruchAnfang = ++i;
    while (i < text.size() && IstZiffer(text[i])) {
      puffer[laenge++] = text[i++];
    }
    if (i == bruchAnfang) {
      return false;
    }
  }
  if (i != text.size()) {
    return false;
  }
  const auto [ende, fehler] = std::from_chars(puffer, puffer + laenge, wert);
  return fehler == std::errc() && ende == puffer + laenge;
}

float Zahlenleser::Single(std::string_view utf8) const {
  double wert = 0.0;
  if (Schnell(utf8, wert)) {
    return SingleAusDouble(wert);
  }
  if (streng_) {
    throw Voderedezazarire::Fehler(Voderedezazarire::Fehlerart::Typenkonflikt);
  }
  return TextAlsSingle(AlsQString(utf8));
}

double Zahlenleser::Double(std::string_view utf8) const {
  double wert = 0.0;
  if (Schnell(utf8, wert)) {
    return wert;
  }
  if (streng_) {
    throw Voderedezazarire::Fehler(Voderedezazarire::Fehlerart::Typenkonflikt);
  }
  return TextAlsDouble(AlsQString(utf8));
}

std::int16_t Zahlenleser::Integer(std::string_view utf8) const {
  double wert = 0.0;
  if (Schnell(utf8, wert)) {
    return IntegerAusDouble(wert);
  }
  if (streng_) {
    throw Voderedezazarire::Fehler(Voderedezazarire::Fehlerart::Typenkonflikt);
  }
  return TextAlsInteger(AlsQString(utf8));
}

Zahlenschreiber::Zahlenschreiber() : dezimalzeichen_(AsciiDezimalzeichen()) {}

Zahlenschreiber::Zahlenschreiber(char dezimalzeichen)
    : dezimalzeichen_(dezimalzeichen), fest_(true) {}

void Zahlenschreiber::Fest(double wert, int stellen, std::string& aus) const {
  if (stellen == Nachkommastellen) {
    Meter(wert, aus);
    return;
  }
  if (dezimalzeichen_ == '\0') {
    const QLocale locale = Zahlenlocale();
    const QString null = locale.toString(0.0, 'f', stellen);
    const QString text = locale.toString(wert, 'f', stellen);
    Anhaengen(aus, text == locale.negativeSign() + null ? null : text);
    return;
  }
  char puffer[Textpuffer];
  const auto ende =
      std::to_chars(puffer, puffer + Textpuffer, wert, std::chars_format::fixed, stellen).ptr;
  std::string_view text(puffer, static_cast<std::size_t>(ende - puffer));
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string_view::npos) {
    text.remove_prefix(1);
  }
  const std::size_t anfang = aus.size();
  aus += text;
  if (stellen > 0) {
    aus[anfang + text.size() - static_cast<std::size_t>(stellen) - 1] = dezimalzeichen_;
  }
}

void Zahlenschreiber::Meter(double wert, std::string& aus) const {
  const double sechzehntel = wert * Sechzehntel; // exact: a power of two
  const bool genauMittig =
      sechzehntel == std::trunc(sechzehntel) && std::fmod(sechzehntel, 2.0) != 0.0;
  if (fest_ && !(std::fabs(wert) < GroessterMeterwert)) {
    Anhaengen(
        aus,
        QString::number(wert, 'f', Nachkommastellen).replace(u'.', QLatin1Char(dezimalzeichen_)));
    return;
  }
  if (dezimalzeichen_ == '\0' ||
      (!fest_ && (!(std::fabs(wert) < GroessterMeterwert) || genauMittig))) {
    Anhaengen(aus, MeterText(wert));
    return;
  }
  char puffer[Textpuffer];
  const auto ende =
      std::to_chars(puffer, puffer + Textpuffer, wert, std::chars_format::fixed, Nachkommastellen)
          .ptr;
  const char* anfang = puffer;
  // -0.0004 rounds to zero: "0,000", as MeterText writes it.
  if (std::string_view(puffer, static_cast<std::size_t>(ende - puffer)) == "-0.000") {
    ++anfang;
  }
  const std::size_t stelle =
      aus.size() + static_cast<std::size_t>(ende - anfang) - (Nachkommastellen + 1);
  aus.append(anfang, static_cast<std::size_t>(ende - anfang));
  aus[stelle] = dezimalzeichen_;
}

void Zahlenschreiber::Ganzzahl(float wert, std::string& aus) const {
  char puffer[Textpuffer];
  const auto ende =
      std::to_chars(puffer, puffer + Textpuffer, static_cast<int>(GanzzahlWert(wert))).ptr;
  aus.append(puffer, ende);
}
