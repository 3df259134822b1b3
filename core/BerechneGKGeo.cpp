// Gauss-Krüger → geographic coordinates (Bessel ellipsoid, 3° strips).
//
//   σ  = Hochwert / 10000855.7646
//   φf = 325632.08677·σ·(1 − 0.00831729565σ² + 0.00424914906σ⁴
//        − 0.00113566119σ⁶ + 0.00022976983σ⁸ − 0.0000436398σ¹⁰
//        + 0.00000562025σ¹²)                                   [″]
//   q  = (Rechtswert − 1000000·strip − 500000) / N
//   φ  = φf − t·(1 + η²)·q²/2 + t·(5 + 3t² + 6η² − 6t²η²)·q⁴/24
//   λ° = 3·strip + Rho·(q − (1 + 2t² + η²)·q³/6 + (1 + 28t² + 24t⁴)·q⁵/120)
//        / cos φf
//
// with t, η², N taken at the footpoint latitude φf and strip the easting's
// millions, truncated toward zero. The results are split into whole degrees,
// minutes and seconds, each truncated toward zero, so a fraction of a second
// is dropped, never rounded.
#include "Gleitkomma.h"
#include "Voderedezazarire.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace Voderedezazarire {

namespace {

constexpr double MeterJeStreifen = 1000000.0;    // strip divisor [m]
constexpr double Meridianlaenge = 10000855.7646; // normalises the northing [m]

// Footpoint polynomial in s = σ², highest power first.
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

/// Splits `grad` into whole degrees, minutes and seconds, each truncated
/// toward zero. The fractional minutes are rounded to a float before the
/// seconds are formed; together with the truncation this decides which whole
/// second is shown. `lebend` are the caller's locals, pinned across each test.
template <typename... T> void Aufteilen(double grad, float& g, float& m, float& s, T&... lebend) {
  g = static_cast<float>(std::trunc(grad));
  // The fractional minutes are held in the seconds field for the moment.
  s = static_cast<float>((grad - g) * MinutenJeGrad);
  detail::FlagsPruefen(lebend...);
  m = std::trunc(s);
  s = static_cast<float>((static_cast<double>(s) - m) * SekundenJeMinute);
  detail::FlagsPruefen(lebend...);
  g = std::trunc(g);
  m = std::trunc(m);
  s = std::trunc(s);
  // A latitude just short of a whole degree can round its fractional minutes
  // to exactly 60.0f: nobody writes 49° 60′, so carry into the degrees. The
  // seconds are then 0 already.
  if (std::fabs(m) == 60.0f) {
    g += std::copysign(1.0f, m);
    m = 0.0f;
  }
}

} // namespace

void BerechneGKGeo() {
  using detail::FlagsPruefen;
  Umrechnungsdatensatz& u = Umrechnungsdaten;
  detail::FlagsLoeschen();

  // Strip from the easting's millions, truncated toward zero, as Int16.
  double quotient = u.Rechtswert / MeterJeStreifen;
  FlagsPruefen(quotient);
  quotient = std::trunc(quotient);
  if (!(quotient >= std::numeric_limits<std::int16_t>::min() &&
        quotient <= std::numeric_limits<std::int16_t>::max())) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  u.StreifenAus = static_cast<std::int16_t>(quotient);
  FlagsPruefen();

  double z = detail::MalInt32(u.StreifenAus, Streifenversatz);
  FlagsPruefen(z);

  u.RechtsSumme = (u.Rechtswert - z) - Rechtswertzuschlag;
  FlagsPruefen();

  // Footpoint latitude φf by Horner's scheme in s = σ².
  double sigma = u.Hochwert / Meridianlaenge;
  FlagsPruefen(sigma);
  double s = std::pow(sigma, 2.0);
  u.Phi = (s * Fuss12 - Fuss10) * s;
  FlagsPruefen(sigma, s);
  u.Phi = (u.Phi + Fuss8) * s - Fuss6;
  FlagsPruefen(sigma, s);
  u.Phi = (u.Phi * s + Fuss4) * s;
  FlagsPruefen(sigma, s);
  u.Phi = (u.Phi - Fuss2) * s + 1.0;
  FlagsPruefen(sigma);
  u.Phi = u.Phi * sigma * Fussmassstab; // [″]
  FlagsPruefen();
  u.Phi = u.Phi / SekundenJeGrad / Rho; // φf [rad]
  FlagsPruefen();

  u.CosPhi = std::cos(u.Phi);
  u.Eta2 = std::pow(u.CosPhi, 2.0) * Exzentrizitaet2Quadrat;
  FlagsPruefen();

  double radikand = u.Eta2 + 1.0;
  FlagsPruefen(radikand);
  u.Querradius = PolKruemmungsradius / std::sqrt(radikand);
  FlagsPruefen();

  u.TanPhi = std::tan(u.Phi);
  u.LFaktor = u.RechtsSumme / u.Querradius; // q
  FlagsPruefen();

  // Latitude: φ = φf − t·(1 + η²)·q²/2 + t·c4·q⁴/24.
  double b = u.Phi - std::pow(u.LFaktor, 2.0) * u.TanPhi * (u.Eta2 + 1.0) / 2.0;
  FlagsPruefen(b);
  double c4 = (std::pow(u.TanPhi, 2.0) * 3.0 + 5.0) + u.Eta2 * 6.0;
  FlagsPruefen(b, c4);
  c4 = c4 - std::pow(u.TanPhi, 2.0) * (u.Eta2 * 6.0);
  FlagsPruefen(b, c4);
  double phi = std::pow(u.LFaktor, 4.0) * u.TanPhi * c4 / 24.0 + b;
  FlagsPruefen(phi);
  double phiGrad = phi * Rho;
  FlagsPruefen(phiGrad);

  // Longitude: q − d3·q³/6 + d5·q⁵/120, then / cos φf.
  double d3 = ((std::pow(u.TanPhi, 2.0) + std::pow(u.TanPhi, 2.0)) + 1.0) + u.Eta2;
  FlagsPruefen(phiGrad, d3);
  u.DeltaL = u.LFaktor - std::pow(u.LFaktor, 3.0) * d3 / 6.0;
  FlagsPruefen(phiGrad);
  double d5 = std::pow(u.TanPhi, 2.0) * 28.0 + 1.0;
  FlagsPruefen(phiGrad, d5);
  d5 = d5 + std::pow(u.TanPhi, 4.0) * 24.0; // the constant term is 1, not 5
  FlagsPruefen(phiGrad, d5);
  u.DeltaL = std::pow(u.LFaktor, 5.0) * d5 / 120.0 + u.DeltaL;
  FlagsPruefen(phiGrad);
  // The strip product is 16-bit; the Int32 check above keeps it in range.
  double lambdaGrad = u.DeltaL * Rho / u.CosPhi + detail::MalInt16(u.StreifenAus, Streifenbreite);
  FlagsPruefen(phiGrad, lambdaGrad);

  Aufteilen(phiGrad, u.BreiteGrad, u.BreiteMin, u.BreiteSek, lambdaGrad);
  Aufteilen(lambdaGrad, u.LaengeGrad, u.LaengeMin, u.LaengeSek);
}

} // namespace Voderedezazarire
