// Floating-point fault detection shared by both conversions (internal).
//
// Only invalid operation, division by zero and overflow count; underflow and
// inexact results are noise. GCC may move arithmetic on a value that lives
// only in a register across the call to fetestexcept. Each procedure
// therefore keeps all its intermediate values in one object, and every test
// pins that object in memory before and after it: what was computed before
// the test is stored before it, and nothing computed afterwards is moved in
// front. Record fields need no pin: they escape, and the "memory" clobber
// orders their stores.
#pragma once

#include "Fehler.h"
#include "Voderedezazarire.h"

#include <cfenv>

namespace Voderedezazarire::detail {

inline constexpr int Fehlerflags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

/// Clears the sticky flags; each conversion starts with it.
inline void FlagsLoeschen() {
  std::feclearexcept(FE_ALL_EXCEPT);
}

/// The flag test of one procedure, bound to its intermediate values.
/// Calling it throws Fehler(Gleitkommafehler) when a counted flag is set.
template <typename Zwischenwerte> class Flagpruefung {
public:
  explicit Flagpruefung(Zwischenwerte& werte) : werte_(werte) {}

  void operator()() const {
    asm volatile("" : "+m"(werte_) : : "memory");
    if (std::fetestexcept(Fehlerflags) != 0) {
      throw Fehler(Fehlerart::Gleitkommafehler);
    }
    asm volatile("" : "+m"(werte_) : : "memory");
  }

private:
  Zwischenwerte& werte_;
};

/// One conversion of `u`: clears the flags, then runs `Schritte` in order,
/// each as Schritt(u, w, FlagsPruefen) on one set of intermediate values `w`
/// and the flag test bound to them.
template <typename Zwischenwerte, auto... Schritte>
[[gnu::always_inline]] inline void Rechnen(Umrechnungsdatensatz& u) {
  Zwischenwerte w;
  const Flagpruefung FlagsPruefen(w);
  FlagsLoeschen();
  (Schritte(u, w, FlagsPruefen), ...);
}

} // namespace Voderedezazarire::detail
