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
//    read reads back with TextAlsInteger as the float truncated.
// A violated invariant prints what and for which text, then traps, so that
// libFuzzer keeps the input.
#include "Textumwandlung.h"
#include "Voderedezazarire.h"

#include <cmath>
#include <cstdio>
#include <optional>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

[[noreturn]] void Verletzt(const char* was, const QString& text) {
  std::fprintf(stderr, "*** invariant violated: %s\n*** text: \"%s\"\n", was, qPrintable(text));
  __builtin_trap();
}

/// The value read, or empty with the error kind in `art`.
template <typename T>
std::optional<T> Lesen(T (*leser)(const QString&), const QString& text, Fehlerart& art) {
  try {
    return leser(text);
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
  const auto s = Lesen(TextAlsSingle, text, artS);
  const auto d = Lesen(TextAlsDouble, text, artD);
  const auto i = Lesen(TextAlsInteger, text, artI);
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
  if (s && std::fabs(std::trunc(*s)) <= 32767.0f &&
      TextAlsInteger(GanzzahlText(*s)) != std::int16_t(std::trunc(*s))) {
    Verletzt("GanzzahlText does not read back as the truncated value", text);
  }
  return 0;
}
