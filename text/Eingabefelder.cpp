#include "Eingabefelder.h"

using U = Umrechnungsdatensatz;

namespace {

constexpr const char* Laenge = "Geographische Länge";
constexpr const char* Breite = "Geographische Breite";

const Eingabefeld FelderGeoGK[] = {
    {Laenge, "Grad", &U::LaengeGrad},
    {Laenge, "Minuten", &U::LaengeMin},
    {Laenge, "Sekunden", &U::LaengeSek},
    {Breite, "Grad", &U::BreiteGrad},
    {Breite, "Minuten", &U::BreiteMin},
    {Breite, "Sekunden", &U::BreiteSek},
    {"", "Meridianstreifen - Nr.", &U::StreifenNr},
};

const Eingabefeld FelderGKGeo[] = {
    {"", "Rechtswert (X) [m]", &U::Rechtswert},
    {"", "Hochwert (Y) [m]", &U::Hochwert},
};

// Both integer products of the forward conversion take the strip; those of
// the inverse one take the strip that is the easting's millions.
constexpr std::size_t Streifen = 6;
constexpr std::size_t Rechtswert = 0;

} // namespace

const Umrechnungsrichtung RichtungGeoGK{FelderGeoGK, Voderedezazarire::BerechneGeoGK, Streifen};
const Umrechnungsrichtung RichtungGKGeo{FelderGKGeo, Voderedezazarire::BerechneGKGeo, Rechtswert};

QString Feldname(const Eingabefeld& feld) {
  const QString beschriftung = QString::fromUtf8(feld.beschriftung);
  return *feld.gruppe ? QString::fromUtf8(feld.gruppe) + QStringLiteral(" – ") + beschriftung
                      : beschriftung;
}
