// Helpers shared by the core tests: a recognisable "old" value in every
// field, and a call that reports which error kind, if any, it raised.
#pragma once

#include "Voderedezazarire.h"

#include <QString>

#include <cfenv>

namespace Test {

/// Value that no conversion produces by chance; a field still holding it
/// was not written.
inline constexpr double Alt = 4711.0;

inline void Vorbelegen() {
  auto& u = Voderedezazarire::Umrechnungsdaten;
  const auto f = static_cast<float>(Alt);
  u.BreiteGrad = u.BreiteMin = u.BreiteSek = f;
  u.LaengeGrad = u.LaengeMin = u.LaengeSek = f;
  u.StreifenNr = u.StreifenAus = static_cast<std::int16_t>(Alt);
  u.Rechtswert = u.Hochwert = Alt;
  u.CosPhi = u.Eta2 = u.Querradius = u.Phi = u.Meridianbogen = Alt;
  u.TanPhi = u.DeltaL = u.LFaktor = u.RechtsSumme = Alt;
}

/// Sets the counted flags as a stray computation elsewhere might.
inline void FlagsVerschmutzen() {
  std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
}

/// The error kind as a plain word, for readable comparisons.
inline QString Artname(Voderedezazarire::Fehlerart art) {
  switch (art) {
  case Voderedezazarire::Fehlerart::Typenkonflikt:
    return QStringLiteral("Typenkonflikt");
  case Voderedezazarire::Fehlerart::Ueberlauf:
    return QStringLiteral("Ueberlauf");
  case Voderedezazarire::Fehlerart::Gleitkommafehler:
    return QStringLiteral("Gleitkommafehler");
  }
  return QStringLiteral("unbekannt");
}

/// "ok", or the name of the error kind the call raised.
template <typename F> QString Ausfuehren(F&& berechnung) {
  try {
    berechnung();
    return QStringLiteral("ok");
  } catch (const Voderedezazarire::Fehler& f) {
    return Artname(f.art());
  }
}

} // namespace Test
