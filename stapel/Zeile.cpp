#include "Zeile.h"

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// The numbers of a line, in their order after a point name.
namespace GeoGKFeld {
enum : std::size_t {
  LaengeGrad,
  LaengeMin,
  LaengeSek,
  BreiteGrad,
  BreiteMin,
  BreiteSek,
  Streifen,
  Anzahl
};
} // namespace GeoGKFeld
namespace GKGeoFeld {
enum : std::size_t { Rechtswert, Hochwert, Anzahl };
} // namespace GKGeoFeld

/// The fields' names as the input windows call them; the first six also
/// name the geographic results.
constexpr const char* NamenGeoGK[GeoGKFeld::Anzahl] = {
    "Geographische Länge – Grad",     "Geographische Länge – Minuten",
    "Geographische Länge – Sekunden", "Geographische Breite – Grad",
    "Geographische Breite – Minuten", "Geographische Breite – Sekunden",
    "Meridianstreifen - Nr."};
constexpr const char* NamenGKGeo[GKGeoFeld::Anzahl] = {"Rechtswert (X) [m]", "Hochwert (Y) [m]"};

/// The result columns, named like the fields of the core's record.
constexpr const char* SpaltenGeoGK[] = {"Rechtswert", "Hochwert"};
constexpr const char* SpaltenGKGeo[] = {"LaengeGrad", "LaengeMin", "LaengeSek",
                                        "BreiteGrad", "BreiteMin", "BreiteSek"};

} // namespace

Zeilenumrechner::Zeilenumrechner(Richtung richtung, std::string trenner)
    : richtung_(richtung), trenner_(std::move(trenner)) {}

std::string Zeilenumrechner::Spaltennamen() const {
  std::string namen;
  auto anhaengen = [&](const auto& spalten) {
    for (const char* name : spalten) {
      namen += trenner_ + name;
    }
  };
  if (richtung_ == Richtung::GeoGK) {
    anhaengen(SpaltenGeoGK);
  } else {
    anhaengen(SpaltenGKGeo);
  }
  return namen;
}

bool Zeilenumrechner::Umrechnen(std::string_view zeile, std::string& aus) {
  aus += zeile;
  const std::size_t ende = aus.size();
  Zerlegen(zeile);
  feld_ = Keines;
  ergebnis_ = Keines;
  try {
    if (anzahl_ != Soll() && anzahl_ != Soll() + 1) {
      throw Fehler(Fehlerart::Typenkonflikt);
    }
    erstes_ = anzahl_ - Soll();
    if (richtung_ == Richtung::GeoGK) {
      GeoGK(aus);
    } else {
      GKGeo(aus);
    }
    return true;
  } catch (const Fehler& fehler) {
    aus.resize(ende);
    aus += trenner_;
    aus += Meldung(fehler.art());
    return false;
  }
}

void Zeilenumrechner::Zerlegen(std::string_view zeile) {
  anzahl_ = 0;
  std::size_t anfang = 0;
  for (;;) {
    const std::size_t ende = zeile.find(trenner_, anfang);
    if (anzahl_ < MaxFelder) {
      felder_[anzahl_] = zeile.substr(anfang, ende - anfang);
    }
    ++anzahl_;
    if (ende == std::string_view::npos) {
      return;
    }
    anfang = ende + trenner_.size();
  }
}

std::size_t Zeilenumrechner::Soll() const {
  return richtung_ == Richtung::GeoGK ? std::size_t{GeoGKFeld::Anzahl}
                                      : std::size_t{GKGeoFeld::Anzahl};
}

std::string_view Zeilenumrechner::Feld(std::size_t i) {
  feld_ = static_cast<int>(i);
  return felder_[erstes_ + i];
}

void Zeilenumrechner::Berechnen(void (*berechnung)(Voderedezazarire::Umrechnungsdatensatz&),
                                std::size_t quelle) {
  feld_ = Keines;
  try {
    berechnung(daten_);
  } catch (const Fehler& fehler) {
    if (fehler.art() == Fehlerart::Ueberlauf) {
      feld_ = static_cast<int>(quelle);
    }
    throw;
  }
}

void Zeilenumrechner::GeoGK(std::string& aus) {
  auto& u = daten_;
  u.LaengeGrad = leser_.Single(Feld(GeoGKFeld::LaengeGrad));
  u.LaengeMin = leser_.Single(Feld(GeoGKFeld::LaengeMin));
  u.LaengeSek = leser_.Single(Feld(GeoGKFeld::LaengeSek));
  u.BreiteGrad = leser_.Single(Feld(GeoGKFeld::BreiteGrad));
  u.BreiteMin = leser_.Single(Feld(GeoGKFeld::BreiteMin));
  u.BreiteSek = leser_.Single(Feld(GeoGKFeld::BreiteSek));
  u.StreifenNr = leser_.Integer(Feld(GeoGKFeld::Streifen));
  // Both integer products take the strip: an overflow there is the strip's.
  Berechnen(Voderedezazarire::BerechneGeoGK, GeoGKFeld::Streifen);
  aus += trenner_;
  schreiber_.Meter(u.Rechtswert, aus);
  aus += trenner_;
  schreiber_.Meter(u.Hochwert, aus);
}

void Zeilenumrechner::GKGeo(std::string& aus) {
  auto& u = daten_;
  u.Rechtswert = leser_.Double(Feld(GKGeoFeld::Rechtswert));
  u.Hochwert = leser_.Double(Feld(GKGeoFeld::Hochwert));
  // The strip is the easting's millions: an overflow there is the easting's.
  Berechnen(Voderedezazarire::BerechneGKGeo, GKGeoFeld::Rechtswert);
  // The result window's order: longitude, then latitude.
  const float werte[] = {u.LaengeGrad, u.LaengeMin, u.LaengeSek,
                         u.BreiteGrad, u.BreiteMin, u.BreiteSek};
  for (std::size_t i = 0; i < std::size(werte); ++i) {
    ergebnis_ = static_cast<int>(i);
    aus += trenner_;
    schreiber_.Ganzzahl(werte[i], aus);
  }
}

std::string Zeilenumrechner::Meldung(Fehlerart art) const {
  std::string text = Voderedezazarire::Fehlername(art);
  if (anzahl_ != Soll() && anzahl_ != Soll() + 1) {
    return text + ": " + std::to_string(anzahl_) + (anzahl_ == 1 ? " Feld" : " Felder") +
           " statt " + std::to_string(Soll()) + " oder " + std::to_string(Soll() + 1);
  }
  if (feld_ != Keines) {
    const auto i = static_cast<std::size_t>(feld_);
    return text + ": Feld " + std::to_string(erstes_ + i + 1) + " (" +
           (richtung_ == Richtung::GeoGK ? NamenGeoGK[i] : NamenGKGeo[i]) + ")";
  }
  if (ergebnis_ != Keines) {
    return text + ": Ergebnis " + NamenGeoGK[ergebnis_];
  }
  return text;
}
