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

} // namespace

void BerechneGeoGK() {
  using detail::FlagsPruefen;
  Umrechnungsdatensatz& u = Umrechnungsdaten;
  detail::FlagsLoeschen();

  // φ°, λ° in decimal degrees.
  double phiGrad = (u.BreiteMin / MinutenJeGrad + u.BreiteGrad) + u.BreiteSek / SekundenJeGrad;
  FlagsPruefen(phiGrad);
  double lambdaGrad = (u.LaengeMin / MinutenJeGrad + u.LaengeGrad) + u.LaengeSek / SekundenJeGrad;
  FlagsPruefen(phiGrad, lambdaGrad);

  u.Phi = phiGrad / Rho;
  FlagsPruefen(phiGrad, lambdaGrad);

  // Meridian arc; the linear term takes the latitude in degrees.
  double argument = 2.0 * u.Phi;
  FlagsPruefen(phiGrad, lambdaGrad, argument);
  u.Meridianbogen = phiGrad * BogenJeGrad - std::sin(argument) * BogenSin2;
  FlagsPruefen(lambdaGrad);

  argument = 4.0 * u.Phi;
  FlagsPruefen(lambdaGrad, argument);
  double s4 = std::sin(argument);
  argument = 6.0 * u.Phi;
  FlagsPruefen(lambdaGrad, argument, s4);
  double s6 = std::sin(argument);
  argument = 8.0 * u.Phi;
  FlagsPruefen(lambdaGrad, argument, s4, s6);
  double s8 = std::sin(argument);

  u.Meridianbogen = ((s4 * BogenSin4 + u.Meridianbogen) - s6 * BogenSin6) + s8 * BogenSin8;
  FlagsPruefen(lambdaGrad);

  u.CosPhi = std::cos(u.Phi);
  u.Eta2 = std::pow(u.CosPhi, 2.0) * Exzentrizitaet2Quadrat;
  FlagsPruefen(lambdaGrad);

  // N = c / √(1 + η²)
  double radikand = u.Eta2 + 1.0;
  FlagsPruefen(lambdaGrad, radikand);
  u.Querradius = PolKruemmungsradius / std::sqrt(radikand);
  FlagsPruefen(lambdaGrad);

  u.TanPhi = std::tan(u.Phi);

  // Central meridian L0 = 3·strip, a 16-bit product.
  double l0 = detail::MalInt16(u.StreifenNr, Streifenbreite);
  FlagsPruefen(lambdaGrad, l0);

  u.DeltaL = lambdaGrad - l0;
  FlagsPruefen();

  u.LFaktor = u.DeltaL * u.CosPhi / Rho;
  FlagsPruefen();

  // Northing: G + N·t·l²/2 + N·t·l⁴·a/24 with a = 5 − t² + 9η².
  double a = (5.0 - std::pow(u.TanPhi, 2.0)) + u.Eta2 * 9.0;
  FlagsPruefen(a);
  double b = std::pow(u.LFaktor, 4.0) * (u.TanPhi * u.Querradius) * a / 24.0;
  FlagsPruefen(b);
  u.Hochwert = (std::pow(u.LFaktor, 2.0) * (u.TanPhi * u.Querradius) / 2.0 + u.Meridianbogen) + b;
  FlagsPruefen();

  // Easting series N·l + N·l³·(1 − t² + η²)/6 + N·l⁵·(5 − 18·t⁶)/120.
  u.RechtsSumme = u.LFaktor * u.Querradius;
  FlagsPruefen();

  double faktor = ((1.0 - std::pow(u.TanPhi, 2.0)) + u.Eta2) * u.Querradius;
  FlagsPruefen(faktor);
  u.RechtsSumme = std::pow(u.LFaktor, 3.0) * faktor / 6.0 + u.RechtsSumme;
  FlagsPruefen();

  faktor = (5.0 - std::pow(u.TanPhi, 6.0) * 18.0) * u.Querradius;
  FlagsPruefen(faktor);
  u.RechtsSumme = std::pow(u.LFaktor, 5.0) * faktor / 120.0 + u.RechtsSumme;
  FlagsPruefen();

  // Strip offset 1000000·strip, a 32-bit product.
  double z = detail::MalInt32(u.StreifenNr, Streifenversatz);
  FlagsPruefen(z);

  u.Rechtswert = (u.RechtsSumme + Rechtswertzuschlag) + z;
  FlagsPruefen();
}

} // namespace Voderedezazarire
