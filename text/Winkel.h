// An angle between decimal degrees and degrees, minutes, seconds, described
// once for the datum window and the console program, so both read and show
// the same digits. Numbers only: text is made by each front-end.
#pragma once

#include <cmath>

/// Seconds are shown with this many decimals: 1e-5″ is 0.3 mm on the earth.
inline constexpr int SekundenStellen = 5;
inline constexpr long long SekundenTeile = 100000; ///< 10^SekundenStellen
/// Decimal degrees are shown with this many decimals: 1e-9° is 0.1 mm.
inline constexpr int GradStellen = 9;

/// Degrees, minutes and seconds as typed, summed as they stand (signs as
/// in the windows: every part carries its own) [°].
inline double GradAusTeilen(double grad, double minuten, double sekunden) {
  constexpr double MinutenJeGrad = 60.0, SekundenJeGrad = 3600.0;
  return grad + minuten / MinutenJeGrad + sekunden / SekundenJeGrad;
}

/// |grad| in whole degrees, whole minutes and seconds in units of
/// 1/SekundenTeile ″, rounded once on the whole angle: 59.999996″ carries
/// into the next minute. Exact below 2^53 units, any angle up to 10^5°.
struct Gradzerlegung {
  long long grad, minuten, sekundenteile;
};
inline Gradzerlegung WinkelZerlegen(double grad) {
  constexpr long long JeMinute = 60 * SekundenTeile, JeGrad = 60 * JeMinute;
  const long long teile = std::llround(std::fabs(grad) * (3600 * SekundenTeile));
  return {teile / JeGrad, teile % JeGrad / JeMinute, teile % JeMinute};
}
