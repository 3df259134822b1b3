// Checked 16- and 32-bit integer products of the strip arithmetic (internal).
#pragma once

#include "Fehler.h"

#include <cstdint>

namespace Voderedezazarire::detail {

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
