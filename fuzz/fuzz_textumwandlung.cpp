// libFuzzer target for the five text conversions of ui/Textumwandlung.h.
//
// The input is read as UTF-8 text and given to the three readers
// (TextAlsSingle, TextAlsDouble, TextAlsInteger); the raw bytes are also
// given as a double to MeterText and as a float to GanzzahlText. Any
// violated invariant ends the run with __builtin_trap() after printing what
// was violated and for which text, so libFuzzer stores the input.
//
// Invariants:
//  * a reader returns a value or throws Voderedezazarire::Fehler with art()
//    Typenkonflikt or Ueberlauf; any other kind or exception is a failure;
//  * returned floats and doubles are finite; TextAlsInteger agrees with
//    TextAlsDouble, TextAlsSingle with TextAlsDouble rounded to float, and
//    the error kinds of the three readers agree;
//  * reference grammar (on unless VAZ_FUZZ_REFERENZ=0 in the environment):
//    after QString::trimmed(), a number is
//        [+ | - | U+2212] digits [, digits] [(e|E) [+ | - | U+2212] digits]
//    with at least one mantissa digit (ASCII digits only). Such a text must
//    read as the correctly rounded value (strtod in the C locale; a value
//    too small for a double reads as 0), or throw Ueberlauf when it is too
//    large; any other text must throw Typenkonflikt;
//  * MeterText of a finite value is "-?digits,ddd" (no grouping, never
//    "-0,000") and reads back within 0.0005 + 1e-15·|value|; it never
//    crashes for NaN or infinities;
//  * GanzzahlText throws only Ueberlauf, exactly outside −32768..32767 and
//    for NaN; otherwise it gives the value truncated toward zero, and a
//    whole value reads back with TextAlsInteger unchanged.
#include "Textumwandlung.h"
#include "Voderedezazarire.h"
#include "Zahlenstrom.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <locale.h>
#include <optional>
#include <string>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

bool referenzAn = true;
locale_t cLocale = nullptr;

[[noreturn]] void Fehlschlag(const char* was, const QString& text, const char* datei, int zeile) {
  std::fprintf(stderr, "\n*** fuzz_textumwandlung: invariant violated at %s:%d: %s\n", datei, zeile,
               was);
  std::fprintf(stderr, "*** text (UTF-8): \"%s\"\n*** UTF-16:", text.toUtf8().constData());
  for (const QChar c : text) {
    std::fprintf(stderr, " U+%04X", static_cast<unsigned>(c.unicode()));
  }
  std::fprintf(stderr, "\n");
  std::fflush(stderr);
  __builtin_trap();
}

#define PRUEFE(bedingung, text)                                                                    \
  do {                                                                                             \
    if (!(bedingung)) {                                                                            \
      Fehlschlag(#bedingung, (text), __FILE__, __LINE__);                                          \
    }                                                                                              \
  } while (false)

/// Outcome of one conversion: a value, or the kind of the Fehler thrown.
template <typename T> struct Ergebnis {
  std::optional<T> wert;
  Fehlerart art = Fehlerart::Typenkonflikt;
  [[nodiscard]] bool ok() const { return wert.has_value(); }
};

/// Runs one conversion; any exception other than Fehler(Typenkonflikt) or
/// Fehler(Ueberlauf) is a failure.
template <typename T, typename F> Ergebnis<T> Aufruf(F&& umwandlung, const QString& text) {
  Ergebnis<T> e;
  try {
    e.wert = umwandlung();
  } catch (const Fehler& f) {
    e.art = f.art();
    if (e.art != Fehlerart::Typenkonflikt && e.art != Fehlerart::Ueberlauf) {
      std::fprintf(stderr, "unexpected Fehler kind %s\n", Voderedezazarire::Fehlername(e.art));
      Fehlschlag("Fehler kind is Typenkonflikt or Ueberlauf", text, __FILE__, __LINE__);
    }
  } catch (const std::exception& x) {
    std::fprintf(stderr, "unexpected exception: %s\n", x.what());
    Fehlschlag("no exception other than Fehler", text, __FILE__, __LINE__);
  } catch (...) {
    Fehlschlag("no exception other than Fehler", text, __FILE__, __LINE__);
  }
  return e;
}

bool IstZiffer(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IstVorzeichen(QChar c) {
  return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QChar(0x2212);
}

/// The reference reading of a text: nullopt when it is no number by the
/// grammar above, ±∞ for an overflow, else the correctly rounded double.
std::optional<double> Referenz(const QString& text) {
  const QString t = text.trimmed();
  std::string ascii;
  qsizetype i = 0;
  const qsizetype n = t.size();
  auto vorzeichen = [&] {
    if (i < n && IstVorzeichen(t[i])) {
      ascii += t[i] == QLatin1Char('+') ? '+' : '-';
      ++i;
    }
  };
  auto ziffern = [&] {
    qsizetype anzahl = 0;
    while (i < n && IstZiffer(t[i])) {
      ascii += static_cast<char>(t[i].unicode());
      ++i;
      ++anzahl;
    }
    return anzahl;
  };
  vorzeichen();
  qsizetype mantisse = ziffern();
  if (i < n && t[i] == QLatin1Char(',')) {
    ascii += '.';
    ++i;
    mantisse += ziffern();
  }
  if (mantisse == 0) {
    return std::nullopt;
  }
  if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
    ascii += 'e';
    ++i;
    vorzeichen();
    if (ziffern() == 0) {
      return std::nullopt;
    }
  }
  if (i != n) {
    return std::nullopt;
  }
  return strtod_l(ascii.c_str(), nullptr, cLocale);
}

bool Gleich(double a, double b) {
  return a == b;
} // also +0 == -0

void PruefeMeterText(double wert, const QString& herkunft) {
  const auto m = Aufruf<QString>([&] { return MeterText(wert); }, herkunft);
  PRUEFE(m.ok(), herkunft); // MeterText never throws
  if (!std::isfinite(wert)) {
    return; // only "no crash" is asked for NaN and infinities
  }
  const QString& s = *m.wert;
  const QString kontext = herkunft + QStringLiteral(" -> MeterText \"") + s + QLatin1Char('"');
  // "#0.000": optional minus, digits, decimal comma, exactly three digits.
  PRUEFE(!s.isEmpty(), kontext);
  qsizetype i = s.startsWith(QLatin1Char('-')) ? 1 : 0;
  const qsizetype anfang = i;
  while (i < s.size() && IstZiffer(s[i])) {
    ++i;
  }
  PRUEFE(i > anfang, kontext);
  PRUEFE(s.size() == i + 4 && s[i] == QLatin1Char(','), kontext);
  PRUEFE(IstZiffer(s[i + 1]) && IstZiffer(s[i + 2]) && IstZiffer(s[i + 3]), kontext);
  PRUEFE(!s.contains(QLatin1Char('.')), kontext);
  PRUEFE(!s.contains(QLatin1String("nan"), Qt::CaseInsensitive), kontext);
  PRUEFE(!s.contains(QLatin1String("inf"), Qt::CaseInsensitive), kontext);
  PRUEFE(s != QLatin1String("-0,000"), kontext);
  // Reads back within half a millimetre (plus the double's own precision).
  const auto zurueck = Aufruf<double>([&] { return TextAlsDouble(s); }, kontext);
  PRUEFE(zurueck.ok(), kontext);
  PRUEFE(std::fabs(*zurueck.wert - wert) <= 0.0005 + 1e-15 * std::fabs(wert), kontext);
  if (anfang == 1) {
    PRUEFE(*zurueck.wert != 0.0, kontext); // a minus only before a non-zero
  }
}

void PruefeGanzzahlText(float wert, const QString& herkunft) {
  const auto g = Aufruf<QString>([&] { return GanzzahlText(wert); }, herkunft);
  const bool imBereich = wert >= -32768.0f && wert <= 32767.0f; // false for NaN
  if (!g.ok()) {
    PRUEFE(g.art == Fehlerart::Ueberlauf, herkunft);
    PRUEFE(!imBereich, herkunft);
    return;
  }
  const QString kontext =
      herkunft + QStringLiteral(" -> GanzzahlText \"") + *g.wert + QLatin1Char('"');
  PRUEFE(imBereich, kontext);
  bool ok = false;
  const int zahl = g.wert->toInt(&ok);
  PRUEFE(ok, kontext);
  PRUEFE(static_cast<double>(zahl) == std::trunc(static_cast<double>(wert)), kontext);
  PRUEFE(*g.wert != QLatin1String("-0"), kontext);
  if (wert == std::trunc(wert)) {
    const auto zurueck = Aufruf<std::int16_t>([&] { return TextAlsInteger(*g.wert); }, kontext);
    PRUEFE(zurueck.ok(), kontext);
    PRUEFE(static_cast<float>(*zurueck.wert) == wert, kontext);
  }
}

void PruefeText(const QString& text) {
  const auto s = Aufruf<float>([&] { return TextAlsSingle(text); }, text);
  const auto d = Aufruf<double>([&] { return TextAlsDouble(text); }, text);
  const auto g = Aufruf<std::int16_t>([&] { return TextAlsInteger(text); }, text);

  // Returned values are finite.
  if (s.ok()) {
    PRUEFE(std::isfinite(*s.wert), text);
  }
  if (d.ok()) {
    PRUEFE(std::isfinite(*d.wert), text);
  }

  // The three readers agree.
  if (!d.ok()) {
    // A text that is no double is no float and no integer, for the same reason.
    PRUEFE(!s.ok() && s.art == d.art, text);
    PRUEFE(!g.ok() && g.art == d.art, text);
  } else {
    const double x = *d.wert;
    // Float: overflow exactly where x rounds to ±∞ as a float (from halfway
    // between FLT_MAX and 2^128 on), else x rounded to float.
    if (std::fabs(x) >= 0x1.ffffffp+127) {
      PRUEFE(!s.ok() && s.art == Fehlerart::Ueberlauf, text);
    } else {
      PRUEFE(s.ok() && *s.wert == static_cast<float>(x), text);
    }
    // Int16: a fraction is a type mismatch, outside the range an overflow.
    if (x != std::trunc(x)) {
      PRUEFE(!g.ok() && g.art == Fehlerart::Typenkonflikt, text);
    } else if (x < -32768.0 || x > 32767.0) {
      PRUEFE(!g.ok() && g.art == Fehlerart::Ueberlauf, text);
    } else {
      PRUEFE(g.ok() && static_cast<double>(*g.wert) == x, text);
    }
  }
  if (g.ok()) {
    PRUEFE(*g.wert >= std::numeric_limits<std::int16_t>::min() &&
               *g.wert <= std::numeric_limits<std::int16_t>::max(),
           text);
    PRUEFE(d.ok() && Gleich(static_cast<double>(*g.wert), *d.wert), text);
  }

  // Reference grammar and value.
  if (referenzAn) {
    const std::optional<double> ref = Referenz(text);
    if (!ref) {
      PRUEFE(!d.ok() && d.art == Fehlerart::Typenkonflikt, text);
    } else if (std::isinf(*ref)) {
      PRUEFE(!d.ok() && d.art == Fehlerart::Ueberlauf, text);
    } else {
      PRUEFE(d.ok() && Gleich(*d.wert, *ref), text);
    }
  }

  // Round trips.
  if (d.ok()) {
    PruefeMeterText(*d.wert, text);
  }
  if (s.ok()) {
    PruefeGanzzahlText(*s.wert, text);
  }
}

// The file reader and writer of Zahlenstrom.h answer as the five conversions
// do: the same value bit for bit, the same text, or the same error kind.
void PruefeZahlenstrom(const std::uint8_t* daten, std::size_t groesse, const QString& text) {
  static const Zahlenleser leser;
  static const Zahlenschreiber schreiber;
  const std::string_view utf8(reinterpret_cast<const char*>(daten), groesse);
  auto gleich = [&](auto schnell, auto langsam) {
    using T = decltype(langsam());
    const auto a = Aufruf<T>(schnell, text);
    const auto b = Aufruf<T>(langsam, text);
    PRUEFE(a.ok() == b.ok() && (a.ok() || a.art == b.art), text);
    if constexpr (std::is_arithmetic_v<T>) {
      PRUEFE(!a.ok() || std::memcmp(&*a.wert, &*b.wert, sizeof(T)) == 0, text);
    } else {
      PRUEFE(!a.ok() || *a.wert == *b.wert, text);
    }
  };
  gleich([&] { return leser.Single(utf8); }, [&] { return TextAlsSingle(text); });
  gleich([&] { return leser.Double(utf8); }, [&] { return TextAlsDouble(text); });
  gleich([&] { return leser.Integer(utf8); }, [&] { return TextAlsInteger(text); });
  double wert = 0.0;
  float klein = 0.0f;
  std::memcpy(&wert, daten, std::min(groesse, sizeof wert));
  std::memcpy(&klein, daten, std::min(groesse, sizeof klein));
  std::string meter, ganz;
  schreiber.Meter(wert, meter);
  PRUEFE(QString::fromStdString(meter) == MeterText(wert), text);
  gleich([&] { return (schreiber.Ganzzahl(klein, ganz = {}), QString::fromStdString(ganz)); },
         [&] { return GanzzahlText(klein); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // QLocale and QString need no application object.
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  if (cLocale == nullptr) {
    std::fprintf(stderr, "newlocale(C) failed\n");
    std::abort();
  }
  const char* referenz = std::getenv("VAZ_FUZZ_REFERENZ");
  referenzAn = referenz == nullptr || std::strcmp(referenz, "0") != 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const QString text =
      QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  PruefeText(text);
  PruefeZahlenstrom(daten, groesse, text);

  if (groesse >= sizeof(double)) {
    double wert = 0.0;
    std::memcpy(&wert, daten, sizeof wert);
    PruefeMeterText(wert, QStringLiteral("raw double %1").arg(wert, 0, 'g', 17));
  }
  if (groesse >= sizeof(float)) {
    float wert = 0.0f;
    std::memcpy(&wert, daten, sizeof wert);
    PruefeGanzzahlText(wert,
                       QStringLiteral("raw float %1").arg(static_cast<double>(wert), 0, 'g', 9));
  }
  return 0;
}
