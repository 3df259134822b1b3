// Geographic coordinates → Gauss-Krüger (Bessel ellipsoid, 3° strips).
//
//   φ°, λ°     = degrees + minutes/60 + seconds/3600
//   G          = 111120.61962·φ° − 15988.63853·sin 2φ + 16.72995·sin 4φ
//                − 0.02178·sin 6φ + 0.00003·sin 8φ
//   l          = (λ° − 3·strip)·cos φ / Rho
//   Hochwert   = G + N·t·l²/2 + N·t·l⁴·(5 − t² + 9η²)/24
//   Rechtswert = N·l + N·l³·(1 − t² + η²)/6 + N·l⁵·(5 − 18·t⁶)/120
//                + 500000 + 1000000·strip
//
// with t = tan φ, η² = e′²·cos² φ and N = c/√(1 + η²) (Kruemmung.h). These
// are the reduced coefficient sets of this program's 3°-strip series: no η⁴
// term in the northing and 5 − 18·t⁶ in the fifth-order easting term. The
// expected results in tests/referenz.gie depend on them to the millimetre.
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

namespace Voderedezazarire {

namespace {

constexpr double MinutenJeGrad = 60.0;    // [′/°]
constexpr double SekundenJeGrad = 3600.0; // [″/°]

// Meridian arc G(φ): linear term per degree, then the sine series.
constexpr double BogenJeGrad = 111120.61962; // [m/°]
constexpr double BogenSin2 = 15988.63853;    // [m]
constexpr double BogenSin4 = 16.72995;       // [m]
constexpr double BogenSin6 = 0.02178;        // [m]
constexpr double BogenSin8 = 0.00003;        // [m]

/// The intermediate values of one conversion, in one object so that each
/// flag test pins them all (see Gleitkomma.h).
struct Zwischenwerte {
  double phiGrad = 0.0;    // φ° [°]
  double lambdaGrad = 0.0; // λ° [°]
  double argument = 0.0;   // k·φ of the current sine term [rad]
  double s4 = 0.0;         // sin 4φ
  double s6 = 0.0;         // sin 6φ
  double s8 = 0.0;         // sin 8φ
  double radikand = 0.0;   // 1 + η²
  double l0 = 0.0;         // central meridian L0 [°]
  double a = 0.0;          // 5 − t² + 9η²
  double b = 0.0;          // fourth-order northing term [m]
  double faktor = 0.0;     // coefficient × N of the current easting term [m]
  double z = 0.0;          // strip offset [m]
};

using Pruefung = detail::Flagpruefung<Zwischenwerte>;

/// φ°, λ° in decimal degrees, and φ = φ° / Rho.
[[gnu::always_inline]] inline void Winkel(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                          const Pruefung& FlagsPruefen) {
  w.phiGrad = (u.BreiteMin / MinutenJeGrad + u.BreiteGrad) + u.BreiteSek / SekundenJeGrad;
  FlagsPruefen();
  w.lambdaGrad = (u.LaengeMin / MinutenJeGrad + u.LaengeGrad) + u.LaengeSek / SekundenJeGrad;
  FlagsPruefen();
  u.Phi = w.phiGrad / Rho;
  FlagsPruefen();
}

/// G; the linear term takes the latitude in degrees, each sine's argument
/// is tested before the sine is taken.
[[gnu::always_inline]] inline void Meridianbogen(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                                 const Pruefung& FlagsPruefen) {
  w.argument = 2.0 * u.Phi;
  FlagsPruefen();
  u.Meridianbogen = w.phiGrad * BogenJeGrad - std::sin(w.argument) * BogenSin2;
  FlagsPruefen();

  w.argument = 4.0 * u.Phi;
  FlagsPruefen();
  w.s4 = std::sin(w.argument);
  w.argument = 6.0 * u.Phi;
  FlagsPruefen();
  w.s6 = std::sin(w.argument);
  w.argument = 8.0 * u.Phi;
  FlagsPruefen();
  w.s8 = std::sin(w.argument);

  u.Meridianbogen = ((w.s4 * BogenSin4 + u.Meridianbogen) - w.s6 * BogenSin6) + w.s8 * BogenSin8;
  FlagsPruefen();
}

/// l, from the central meridian L0 = 3·strip, a 16-bit product.
[[gnu::always_inline]] inline void Laengenunterschied(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                                      const Pruefung& FlagsPruefen) {
  w.l0 = detail::MalInt16(u.StreifenNr, Streifenbreite);
  FlagsPruefen();
  u.DeltaL = w.lambdaGrad - w.l0;
  FlagsPruefen();
  u.LFaktor = u.DeltaL * u.CosPhi / Rho;
  FlagsPruefen();
}

/// Hochwert = G + N·t·l²/2 + N·t·l⁴·a/24 with a = 5 − t² + 9η².
[[gnu::always_inline]] inline void Hochwert(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                            const Pruefung& FlagsPruefen) {
  w.a = (5.0 - std::pow(u.TanPhi, 2.0)) + u.Eta2 * 9.0;
  FlagsPruefen();
  w.b = std::pow(u.LFaktor, 4.0) * (u.TanPhi * u.Querradius) * w.a / 24.0;
  FlagsPruefen();
  u.Hochwert = (std::pow(u.LFaktor, 2.0) * (u.TanPhi * u.Querradius) / 2.0 + u.Meridianbogen) + w.b;
  FlagsPruefen();
}

/// Rechtswert: the series N·l + N·l³·(1 − t² + η²)/6 + N·l⁵·(5 − 18·t⁶)/120,
/// each bracket times N tested before the power of l is taken, then the
/// false easting and the strip offset 1000000·strip, a 32-bit product.
[[gnu::always_inline]] inline void Rechtswert(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                              const Pruefung& FlagsPruefen) {
  u.RechtsSumme = u.LFaktor * u.Querradius;
  FlagsPruefen();

  w.faktor = ((1.0 - std::pow(u.TanPhi, 2.0)) + u.Eta2) * u.Querradius;
  FlagsPruefen();
  u.RechtsSumme = std::pow(u.LFaktor, 3.0) * w.faktor / 6.0 + u.RechtsSumme;
  FlagsPruefen();

  w.faktor = (5.0 - std::pow(u.TanPhi, 6.0) * 18.0) * u.Querradius;
  FlagsPruefen();
  u.RechtsSumme = std::pow(u.LFaktor, 5.0) * w.faktor / 120.0 + u.RechtsSumme;
  FlagsPruefen();

  w.z = detail::MalInt32(u.StreifenNr, Streifenversatz);
  FlagsPruefen();
  u.Rechtswert = (u.RechtsSumme + Rechtswertzuschlag) + w.z;
  FlagsPruefen();
}

} // namespace

void BerechneGeoGK(Umrechnungsdatensatz& u) {
  detail::Rechnen<Zwischenwerte, Winkel, Meridianbogen, detail::Kruemmung<Zwischenwerte>,
                  Laengenunterschied, Hochwert, Rechtswert>(u);
}

} // namespace Voderedezazarire
