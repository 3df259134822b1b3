// Gauss-Krüger → geographic coordinates (Bessel ellipsoid, 3° strips).
//
//   strip = trunc(Rechtswert / 1000000)
//   y     = Rechtswert − 1000000·strip − 500000        (reduced easting)
//   σ     = Hochwert / 10000855.7646
//   φf    = 325632.08677·σ·(1 − 0.00831729565σ² + 0.00424914906σ⁴
//           − 0.00113566119σ⁶ + 0.00022976983σ⁸ − 0.0000436398σ¹⁰
//           + 0.00000562025σ¹²)                                   [″]
//   q     = y / N
//   φ     = φf − t·(1 + η²)·q²/2 + t·(5 + 3t² + 6η² − 6t²η²)·q⁴/24
//   λ°    = 3·strip + Rho·(q − (1 + 2t² + η²)·q³/6 + (1 + 28t² + 24t⁴)·q⁵/120)
//           / cos φf
//
// with t = tan φf, η² = e′²·cos² φf and N = c/√(1 + η²) taken at the
// footpoint latitude (Kruemmung.h). The results are split into whole
// degrees, minutes and seconds, each truncated toward zero, so a fraction of
// a second is dropped, never rounded.
//
// One function per line of the formula. Each statement is one step,
// evaluated left to right in double precision; powers go through std::pow
// with a double exponent; the flag test after a step sees a fault of that
// step or of an untested one before it.
#include "Ganzzahl.h"
#include "Gleitkomma.h"
#include "Kruemmung.h"
#include "Voderedezazarire.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace Voderedezazarire {

namespace {

constexpr double MeterJeStreifen = 1000000.0;    // strip divisor [m]
constexpr double Meridianlaenge = 10000855.7646; // normalises the northing [m]

// Footpoint polynomial in s = σ², highest power first [1].
constexpr double Fuss12 = 0.00000562025;
constexpr double Fuss10 = 0.0000436398;
constexpr double Fuss8 = 0.00022976983;
constexpr double Fuss6 = 0.00113566119;
constexpr double Fuss4 = 0.00424914906;
constexpr double Fuss2 = 0.00831729565;
constexpr double Fussmassstab = 325632.08677; // footpoint scale [″]

constexpr double SekundenJeGrad = 3600.0; // [″/°]
constexpr double MinutenJeGrad = 60.0;    // [′/°]
constexpr float SekundenJeMinute = 60.0f; // [″/′]

/// The intermediate values of one conversion, in one object so that each
/// flag test pins them all (see Gleitkomma.h).
struct Zwischenwerte {
  double quotient = 0.0;   // Rechtswert / 1000000, then truncated
  double z = 0.0;          // strip offset [m]
  double sigma = 0.0;      // σ
  double s = 0.0;          // σ²
  double radikand = 0.0;   // 1 + η²
  double b = 0.0;          // φf with the second-order term [rad]
  double c4 = 0.0;         // 5 + 3t² + 6η² − 6t²η²
  double phi = 0.0;        // φ [rad]
  double phiGrad = 0.0;    // φ [°]
  double d3 = 0.0;         // 1 + 2t² + η²
  double d5 = 0.0;         // 1 + 28t² + 24t⁴
  double lambdaGrad = 0.0; // λ [°]
};

using Pruefung = detail::Flagpruefung<Zwischenwerte>;

/// The strip, the easting's millions truncated toward zero as Int16, and the
/// reduced easting y; the strip offset is a 32-bit product.
[[gnu::always_inline]] inline void Streifen(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                            const Pruefung& FlagsPruefen) {
  w.quotient = u.Rechtswert / MeterJeStreifen;
  FlagsPruefen();
  w.quotient = std::trunc(w.quotient);
  if (!(w.quotient >= std::numeric_limits<std::int16_t>::min() &&
        w.quotient <= std::numeric_limits<std::int16_t>::max())) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  u.StreifenAus = static_cast<std::int16_t>(w.quotient);
  FlagsPruefen();

  w.z = detail::MalInt32(u.StreifenAus, Streifenversatz);
  FlagsPruefen();
  u.RechtsSumme = (u.Rechtswert - w.z) - Rechtswertzuschlag;
  FlagsPruefen();
}

/// φf [rad], by Horner's scheme in s = σ².
[[gnu::always_inline]] inline void Fusspunktbreite(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                                   const Pruefung& FlagsPruefen) {
  w.sigma = u.Hochwert / Meridianlaenge;
  FlagsPruefen();
  w.s = std::pow(w.sigma, 2.0);
  u.Phi = (w.s * Fuss12 - Fuss10) * w.s;
  FlagsPruefen();
  u.Phi = (u.Phi + Fuss8) * w.s - Fuss6;
  FlagsPruefen();
  u.Phi = (u.Phi * w.s + Fuss4) * w.s;
  FlagsPruefen();
  u.Phi = (u.Phi - Fuss2) * w.s + 1.0;
  FlagsPruefen();
  u.Phi = u.Phi * w.sigma * Fussmassstab; // [″]
  FlagsPruefen();
  u.Phi = u.Phi / SekundenJeGrad / Rho;
  FlagsPruefen();
}

/// q = y / N, then φ = φf − t·(1 + η²)·q²/2 + t·c4·q⁴/24 in degrees.
[[gnu::always_inline]] inline void Breite(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                          const Pruefung& FlagsPruefen) {
  u.LFaktor = u.RechtsSumme / u.Querradius;
  FlagsPruefen();
  w.b = u.Phi - std::pow(u.LFaktor, 2.0) * u.TanPhi * (u.Eta2 + 1.0) / 2.0;
  FlagsPruefen();
  w.c4 = (std::pow(u.TanPhi, 2.0) * 3.0 + 5.0) + u.Eta2 * 6.0;
  FlagsPruefen();
  w.c4 = w.c4 - std::pow(u.TanPhi, 2.0) * (u.Eta2 * 6.0);
  FlagsPruefen();
  w.phi = std::pow(u.LFaktor, 4.0) * u.TanPhi * w.c4 / 24.0 + w.b;
  FlagsPruefen();
  w.phiGrad = w.phi * Rho;
  FlagsPruefen();
}

/// λ° = 3·strip + Rho·(q − d3·q³/6 + d5·q⁵/120) / cos φf. The strip product
/// is 16-bit; the 32-bit offset of Streifen keeps it in range.
[[gnu::always_inline]] inline void Laenge(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                          const Pruefung& FlagsPruefen) {
  w.d3 = (std::pow(u.TanPhi, 2.0) * 2.0 + 1.0) + u.Eta2;
  FlagsPruefen();
  u.DeltaL = u.LFaktor - std::pow(u.LFaktor, 3.0) * w.d3 / 6.0;
  FlagsPruefen();
  w.d5 = std::pow(u.TanPhi, 2.0) * 28.0 + 1.0;
  FlagsPruefen();
  w.d5 = w.d5 + std::pow(u.TanPhi, 4.0) * 24.0; // the constant term is 1, not 5
  FlagsPruefen();
  u.DeltaL = std::pow(u.LFaktor, 5.0) * w.d5 / 120.0 + u.DeltaL;
  FlagsPruefen();
  w.lambdaGrad = u.DeltaL * Rho / u.CosPhi + detail::MalInt16(u.StreifenAus, Streifenbreite);
  FlagsPruefen();
}

/// Splits `grad` into whole degrees, minutes and seconds, each truncated
/// toward zero. The fractional minutes are rounded to a float before the
/// seconds are formed; together with the truncation this decides which whole
/// second is shown. Inlined: a call per angle costs 7 % of a conversion.
[[gnu::always_inline]] inline void Aufteilen(double grad, float& g, float& m, float& s,
                                             const Pruefung& FlagsPruefen) {
  g = static_cast<float>(std::trunc(grad));
  // The fractional minutes are held in the seconds field for the moment.
  s = static_cast<float>((grad - g) * MinutenJeGrad);
  FlagsPruefen();
  m = std::trunc(s);
  s = static_cast<float>((static_cast<double>(s) - m) * SekundenJeMinute);
  FlagsPruefen();
  s = std::trunc(s);
  // A latitude just short of a whole degree can round its fractional minutes
  // to exactly 60.0f: nobody writes 49° 60′, so carry into the degrees. The
  // seconds are then 0 already.
  if (std::fabs(m) == 60.0f) {
    g += std::copysign(1.0f, m);
    m = 0.0f;
  }
}

/// Latitude, then longitude, into whole degrees, minutes and seconds.
[[gnu::always_inline]] inline void Winkelteilung(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                                 const Pruefung& FlagsPruefen) {
  Aufteilen(w.phiGrad, u.BreiteGrad, u.BreiteMin, u.BreiteSek, FlagsPruefen);
  Aufteilen(w.lambdaGrad, u.LaengeGrad, u.LaengeMin, u.LaengeSek, FlagsPruefen);
}

} // namespace

void BerechneGKGeo(Umrechnungsdatensatz& u) {
  detail::Rechnen<Zwischenwerte, Streifen, Fusspunktbreite, detail::Kruemmung<Zwischenwerte>,
                  Breite, Laenge, Winkelteilung>(u);
}

} // namespace Voderedezazarire
