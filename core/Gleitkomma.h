// Floating-point fault detection shared by both conversions (internal).
//
// Only invalid operation, division by zero and overflow count; underflow and
// inexact results are noise. GCC may move arithmetic on a value that lives
// only in a register across the call to fetestexcept, so every local that
// is live across a test is pinned in memory before and after it. Record
// fields need no pin: they escape, and a store to them precedes the call.
#pragma once

#include "Voderedezazarire.h"

#include <cfenv>
#include <cstdint>

namespace Voderedezazarire::detail {

inline constexpr int Fehlerflags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

template <typename T> inline void Festhalten(T& wert) {
  asm volatile("" : "+m"(wert) : : "memory");
}

/// Clears the sticky flags; each conversion starts with it.
inline void FlagsLoeschen() {
  std::feclearexcept(FE_ALL_EXCEPT);
}

/// Throws Fehler(Gleitkommafehler) when a counted flag is set. The values
/// passed are the locals still in use: they are computed before the test and
/// nothing computed from them afterwards moves in front of it.
template <typename... T> inline void FlagsPruefen(T&... lebend) {
  (Festhalten(lebend), ...);
  if (std::fetestexcept(Fehlerflags) != 0) {
    throw Fehler(Fehlerart::Gleitkommafehler);
  }
  (Festhalten(lebend), ...);
}

/// a × b in Int16; the strip product overflows from |strip| 10923 on.
inline std::int16_t MalInt16(std::int16_t a, std::int16_t b) {
  std::int16_t produkt = 0;
  if (__builtin_mul_overflow(a, b, &produkt)) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return produkt;
}

/// a × b in Int32; the strip offset overflows from |strip| 2148 on.
inline std::int32_t MalInt32(std::int32_t a, std::int32_t b) {
  std::int32_t produkt = 0;
  if (__builtin_mul_overflow(a, b, &produkt)) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return produkt;
}

} // namespace Voderedezazarire::detail
