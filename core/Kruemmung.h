// The curvature terms at a latitude φ, shared by both conversions
// (internal): the forward direction takes them at the point's latitude, the
// inverse one at the footpoint latitude φf.
//
//   cos φ,   η² = e′²·cos² φ,   N = c / √(1 + η²),   t = tan φ
//
// c is the polar radius of curvature and e′² the second eccentricity squared
// of the Bessel ellipsoid (Voderedezazarire.h).
#pragma once

#include "Gleitkomma.h"
#include "Voderedezazarire.h"

#include <cmath>

namespace Voderedezazarire::detail {

/// Reads u.Phi and writes u.CosPhi, u.Eta2, u.Querradius and u.TanPhi in
/// this order; 1 + η² is the caller's intermediate value `w.radikand`. cos φ
/// and tan φ are not tested on their own: a fault in them surfaces at the
/// next test, the one after η² or the caller's first one after this.
template <typename Zwischenwerte>
[[gnu::always_inline]] inline void Kruemmung(Umrechnungsdatensatz& u, Zwischenwerte& w,
                                             const Flagpruefung<Zwischenwerte>& FlagsPruefen) {
  u.CosPhi = std::cos(u.Phi);
  u.Eta2 = std::pow(u.CosPhi, 2.0) * Exzentrizitaet2Quadrat;
  FlagsPruefen();
  w.radikand = u.Eta2 + 1.0;
  FlagsPruefen();
  u.Querradius = PolKruemmungsradius / std::sqrt(w.radikand);
  FlagsPruefen();
  u.TanPhi = std::tan(u.Phi);
}

} // namespace Voderedezazarire::detail
