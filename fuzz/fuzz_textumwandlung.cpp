// libFuzzer target for the text conversions (Textumwandlung.h). For any
// input text, in the German locale:
//  * nothing crashes, and each reader gives a finite number or throws a
//    Fehler of kind Typenkonflikt or Ueberlauf, nothing else;
//  * the readers agree: TextAlsSingle is TextAlsDouble rounded to float, or
//    an overflow exactly where that rounding overflows; TextAlsInteger is
//    TextAlsDouble where that is whole and within 16 bits; a text that is no
//    number for one reader is none for all;
//  * writing and reading back gives the same text: MeterText of a value
//    read, read and written again, is unchanged; GanzzahlText of a float
//    read reads back with TextAlsInteger as the float truncated;
//  * the file reader and writer of the console program (Zahlenstrom.h)
//    answer exactly as the readers, MeterText and GanzzahlText do: the same
//    value, sign of zero included, text or error kind; the writers also get
//    the raw bytes as a double and a float (NaN, infinities, subnormals).
// A violated invariant prints what and for which text, then traps, so that
// libFuzzer keeps the input.
#include "Textumwandlung.h"
#include "Voderedezazarire.h"
#include "Zahlenstrom.h"
#include "Zahltext.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

[[noreturn]] void Verletzt(const char* was, const QString& text) {
  std::fprintf(stderr, "*** invariant violated: %s\n*** text: \"%s\"\n", was, qPrintable(text));
  __builtin_trap();
}

/// The value or text `leser()` gives, or empty with the error kind in `art`.
template <typename F>
auto Lesen(F&& leser, const QString& text, Fehlerart& art) -> std::optional<decltype(leser())> {
  try {
    return leser();
  } catch (const Fehler& f) {
    if (f.art() == Fehlerart::Gleitkommafehler) {
      Verletzt("a reader raised a floating-point fault", text);
    }
    art = f.art();
    return std::nullopt;
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* daten, std::size_t groesse) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
  Fehlerart artS{}, artD{}, artI{};
  const auto s = Lesen([&] { return TextAlsSingle(text); }, text, artS);
  const auto d = Lesen([&] { return TextAlsDouble(text); }, text, artD);
  const auto i = Lesen([&] { return TextAlsInteger(text); }, text, artI);

  static const Zahlenleser leser;
  static const Zahlenschreiber schreiber;
  const std::string_view utf8(reinterpret_cast<const char*>(daten), groesse);
  auto gleich = [](const auto& a, Fehlerart artA, const auto& b, Fehlerart artB) {
    return a.has_value() == b.has_value() &&
           (a ? *a == *b && std::signbit(double(*a)) == std::signbit(double(*b)) : artA == artB);
  };
  Fehlerart art2S{}, art2D{}, art2I{}, artG{}, artG2{};
  if (!gleich(Lesen([&] { return leser.Single(utf8); }, text, art2S), art2S, s, artS) ||
      !gleich(Lesen([&] { return leser.Double(utf8); }, text, art2D), art2D, d, artD) ||
      !gleich(Lesen([&] { return leser.Integer(utf8); }, text, art2I), art2I, i, artI)) {
    Verletzt("the file reader disagrees with the text conversions", text);
  }
  double roh = 0.0;
  float rohKlein = 0.0f;
  std::memcpy(&roh, daten, std::min(groesse, sizeof roh));
  std::memcpy(&rohKlein, daten, std::min(groesse, sizeof rohKlein));
  std::string meterText, ganzText;
  schreiber.Meter(roh, meterText);
  const auto g = Lesen([&] { return GanzzahlText(rohKlein); }, text, artG);
  const auto g2 = Lesen(
      [&] { return (schreiber.Ganzzahl(rohKlein, ganzText), QString::fromStdString(ganzText)); },
      text, artG2);
  if (QString::fromStdString(meterText) != MeterText(roh) || g.has_value() != g2.has_value() ||
      (g ? *g != *g2 : artG != artG2)) {
    Verletzt("the file writer disagrees with MeterText or GanzzahlText", text);
  }

  if (!d) {
    if (s || i || artS != artD || artI != artD) {
      Verletzt("the readers disagree on a text that no double reads", text);
    }
    return 0;
  }
  // Round to nearest overflows a float from FLT_MAX plus half its last step.
  const bool floatZuGross = std::fabs(*d) >= std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
  const bool ganz = *d == std::trunc(*d);
  const bool in16Bit = *d >= -32768.0 && *d <= 32767.0;
  if (!std::isfinite(*d) ||
      (s ? floatZuGross || *s != float(*d) : !floatZuGross || artS != Fehlerart::Ueberlauf) ||
      (i ? !ganz || !in16Bit || *i != *d
         : artI != (ganz ? Fehlerart::Ueberlauf : Fehlerart::Typenkonflikt) || (ganz && in16Bit))) {
    Verletzt("the readers disagree on a number", text);
  }
  const QString meter = MeterText(*d);
  if (MeterText(TextAlsDouble(meter)) != meter) {
    Verletzt("MeterText does not read back unchanged", text);
  }
  if (s && *s >= -32768.0f && *s <= 32767.0f &&
      TextAlsInteger(GanzzahlText(*s)) != std::int16_t(std::trunc(*s))) {
    Verletzt("GanzzahlText does not read back as the truncated value", text);
  }
  return 0;
}
