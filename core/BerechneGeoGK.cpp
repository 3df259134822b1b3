// Geographic coordinates → Gauss-Krüger (Bessel ellipsoid, 3° strips).
//
//   G = 111120.61962·φ° − 15988.63853·sin 2φ + 16.72995·sin 4φ
//       − 0.02178·sin 6φ + 0.00003·sin 8φ
//   Hochwert   = G + N·t·l²/2 + N·t·l⁴·(5 − t² + 9η²)/24
//   Rechtswert = N·l + N·l³·(1 − t² + η²)/6 + N·l⁵·(5 − 18·t⁶)/120
//                + 500000 + 1000000·strip
//
// with t = tan φ, η² = e′²·cos² φ, N = c/√(1 + η²) and
// l = (λ° − 3·strip)·cos φ / Rho. The coefficient sets are the reduced ones
// of the published method (no η⁴ in the northing, 5 − 18·t⁶ in the
// fifth-order easting term); the millimetres depend on them.
//
// Each statement below is one step of the method, evaluated left to right in
// double precision; powers go through std::pow with a double exponent.
#include "Ganzzahl.h"
#include "Gleitkomma.h"
#include "Voderedezazarire.h"

#include <cmath>

namespace Voderedezazarire {

namespace {

constexpr double MinutenJeGrad = 60.0;    // [′/°] (held as a float constant)
constexpr double SekundenJeGrad = 3600.0; // [″/°] (held as a float constant)

// Meridian arc G(φ) [m]: linear term per degree, then the sine series.
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

} // namespace

void BerechneGeoGK() {
  Umrechnungsdatensatz& u = Umrechnungsdaten;
  Zwischenwerte w;
  const detail::Flagpruefung FlagsPruefen(w);
  detail::FlagsLoeschen();

  // φ°, λ° in decimal degrees.
  w.phiGrad = (u.BreiteMin / MinutenJeGrad + u.BreiteGrad) + u.BreiteSek / SekundenJeGrad;
  FlagsPruefen();
  w.lambdaGrad = (u.LaengeMin / MinutenJeGrad + u.LaengeGrad) + u.LaengeSek / SekundenJeGrad;
  FlagsPruefen();

  u.Phi = w.phiGrad / Rho;
  FlagsPruefen();

  // Meridian arc; the linear term takes the latitude in degrees.
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

  u.CosPhi = std::cos(u.Phi);
  u.Eta2 = std::pow(u.CosPhi, 2.0) * Exzentrizitaet2Quadrat;
  FlagsPruefen();

  // N = c / √(1 + η²)
  w.radikand = u.Eta2 + 1.0;
  FlagsPruefen();
  u.Querradius = PolKruemmungsradius / std::sqrt(w.radikand);
  FlagsPruefen();

  u.TanPhi = std::tan(u.Phi);

  // Central meridian L0 = 3·strip, a 16-bit product.
  w.l0 = detail::MalInt16(u.StreifenNr, Streifenbreite);
  FlagsPruefen();

  u.DeltaL = w.lambdaGrad - w.l0;
  FlagsPruefen();

  u.LFaktor = u.DeltaL * u.CosPhi / Rho;
  FlagsPruefen();

  // Northing: G + N·t·l²/2 + N·t·l⁴·a/24 with a = 5 − t² + 9η².
  w.a = (5.0 - std::pow(u.TanPhi, 2.0)) + u.Eta2 * 9.0;
  FlagsPruefen();
  w.b = std::pow(u.LFaktor, 4.0) * (u.TanPhi * u.Querradius) * w.a / 24.0;
  FlagsPruefen();
  u.Hochwert = (std::pow(u.LFaktor, 2.0) * (u.TanPhi * u.Querradius) / 2.0 + u.Meridianbogen) + w.b;
  FlagsPruefen();

  // Easting series N·l + N·l³·(1 − t² + η²)/6 + N·l⁵·(5 − 18·t⁶)/120.
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

  // Strip offset 1000000·strip, a 32-bit product.
  w.z = detail::MalInt32(u.StreifenNr, Streifenversatz);
  FlagsPruefen();

  u.Rechtswert = (u.RechtsSumme + Rechtswertzuschlag) + w.z;
  FlagsPruefen();
}

} // namespace Voderedezazarire
