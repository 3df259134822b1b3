// Voderedezazarire: conversion between geographic coordinates on the Bessel
// ellipsoid and Gauss-Krüger grid coordinates in 3° meridian strips.
//
// A conversion works on one record, an `Umrechnungsdatensatz`: the caller
// writes the inputs into it, the procedure reads them and writes its results
// and its working values back into it, and the caller reads the results.
// The windows share one record for the whole run, `Umrechnungsdaten`; the
// console program and the tests own records of their own.
//
// Glossary of symbols used in the formulas of BerechneGeoGK.cpp,
// BerechneGKGeo.cpp and Kruemmung.h:
//   φ, φ°   latitude in radians, in degrees
//   λ°      longitude in degrees
//   φf      footpoint latitude (inverse direction)
//   σ       northing / 10000855.7646 m (inverse direction)
//   G       meridian arc length from the equator, metres
//   t       tan φ
//   η²      e′² · cos² φ
//   N       radius of curvature in the prime vertical, c / √(1 + η²), metres
//   l       longitude difference from the central meridian × cos φ, radians
//   y       reduced easting: easting less strip offset and false easting
//   q       y / N (inverse direction)
//
// Validity: the series are those of a 3°-strip Gauss-Krüger system and hold
// to the millimetre within about 2° of the central meridian. Nothing checks
// the inputs for plausibility: angles outside 0..59, latitudes beyond ±90°
// and strips far from the point are computed as they come. Only the integer
// ranges and floating-point faults stop a conversion (see Fehler).
#pragma once

#include "Fehler.h"

#include <cstdint>

namespace Voderedezazarire {

// --- Constants shared by both directions ----------------------------------

/// Degrees per radian as used by the survey formulas [°/rad]. Deliberately
/// not 180/π (57.29577951308232): the expected results of the worked
/// examples in tests/referenz.gie rest on this value.
inline constexpr double Rho = 57.29577866666166;
/// Polar radius of curvature c of the Bessel ellipsoid [m].
inline constexpr double PolKruemmungsradius = 6398786.849;
/// Second eccentricity squared e′² of the Bessel ellipsoid [1].
inline constexpr double Exzentrizitaet2Quadrat = 0.0067192188;
/// False easting added to every easting [m].
inline constexpr double Rechtswertzuschlag = 500000.0;
/// Central meridian = strip number × this factor [°], Int16 arithmetic.
inline constexpr std::int16_t Streifenbreite = 3;
/// Easting offset per strip number [m], Int32 arithmetic.
inline constexpr std::int32_t Streifenversatz = 1000000;

// --- Conversion state -----------------------------------------------------

/// The conversion state. Field names and widths are part of the behaviour:
/// they decide rounding and where overflow occurs. The four window slots
/// live on the window side (the core knows nothing of windows).
struct Umrechnungsdatensatz {
  // Geographic coordinates; all three components carry the angle's sign.
  float BreiteGrad = 0.0f;     ///< latitude, degrees
  float BreiteMin = 0.0f;      ///< latitude, minutes
  float BreiteSek = 0.0f;      ///< latitude, seconds
  float LaengeGrad = 0.0f;     ///< longitude, degrees
  float LaengeMin = 0.0f;      ///< longitude, minutes
  float LaengeSek = 0.0f;      ///< longitude, seconds
  std::int16_t StreifenNr = 0; ///< strip typed for the forward direction

  double Rechtswert = 0.0; ///< easting incl. strip offset and false easting [m]
  double Hochwert = 0.0;   ///< northing [m]

  // Working storage of the two procedures. Each procedure writes a field
  // before it reads it; a failed conversion leaves them as the failing step
  // found them.
  double CosPhi = 0.0;        ///< cos of the (footpoint) latitude
  double Eta2 = 0.0;          ///< η²
  double Querradius = 0.0;    ///< N [m]
  double Phi = 0.0;           ///< φ [rad]; inverse: footpoint accumulator, then φf
  double Meridianbogen = 0.0; ///< G [m]
  double TanPhi = 0.0;        ///< t
  double DeltaL = 0.0;      ///< forward: λ° − central meridian [°]; inverse: longitude series
  double LFaktor = 0.0;     ///< forward: l [rad]; inverse: q
  double RechtsSumme = 0.0; ///< forward: easting series [m]; inverse: reduced easting [m]
  std::int16_t StreifenAus = 0; ///< strip taken from the easting (inverse)
};

/// The windows' one conversion state for the whole run, zero-filled at
/// start, never reset.
extern Umrechnungsdatensatz Umrechnungsdaten;

/// Geographic (BreiteGrad … LaengeSek, StreifenNr of `u`) → Rechtswert,
/// Hochwert of `u`.
/// Throws Fehler(Ueberlauf) when StreifenNr × 3 leaves Int16 (|strip| ≥ 10923)
/// or StreifenNr × 1000000 leaves Int32 (|strip| ≥ 2148), and
/// Fehler(Gleitkommafehler) on an invalid operation, a division by zero or a
/// floating-point overflow. Fields written before the failing step keep
/// their new values.
void BerechneGeoGK(Umrechnungsdatensatz& u);

/// Rechtswert, Hochwert of `u` → whole degrees, minutes and seconds in
/// BreiteGrad … LaengeSek of `u` (truncated toward zero; minutes that reach ±60
/// carry into the degrees). The strip is the easting's millions.
/// Throws Fehler(Ueberlauf) when the strip leaves Int16 or its offset leaves
/// Int32, and Fehler(Gleitkommafehler) on a floating-point fault. Fields
/// written before the failing step keep their new values.
void BerechneGKGeo(Umrechnungsdatensatz& u);

} // namespace Voderedezazarire
