#include "Zeile.h"

#include <cmath>
#include <limits>

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
namespace UTMGKFeld {
enum : std::size_t { Zone, Ostwert, Nordwert, Anzahl };
} // namespace UTMGKFeld

/// The fields' names as the input windows call them; the first six also
/// name the geographic results.
constexpr const char* NamenGeoGK[GeoGKFeld::Anzahl] = {
    "Geographische Länge – Grad",     "Geographische Länge – Minuten",
    "Geographische Länge – Sekunden", "Geographische Breite – Grad",
    "Geographische Breite – Minuten", "Geographische Breite – Sekunden",
    "Meridianstreifen - Nr."};
constexpr const char* NamenGKGeo[GKGeoFeld::Anzahl] = {"Rechtswert (X) [m]", "Hochwert (Y) [m]"};
constexpr const char* NamenUTMGK[UTMGKFeld::Anzahl] = {"Zone", "Ostwert (E) [m]",
                                                       "Nordwert (N) [m]"};

/// The result columns, named like the fields of the core's record.
constexpr const char* SpaltenGeoGK[] = {"Rechtswert", "Hochwert"};
constexpr const char* SpaltenGKGeo[] = {"LaengeGrad", "LaengeMin", "LaengeSek",
                                        "BreiteGrad", "BreiteMin", "BreiteSek"};
constexpr const char* SpaltenGKUTM[] = {"Zone", "Ostwert", "Nordwert"};

constexpr double MeterJeMillion = 1000000.0; // strip or zone in the easting's millions [m]

/// The easting's millions, truncated toward zero, as Int16: the strip as
/// gk-geo takes it, or the zone written in front of an UTM easting.
int Millionen(double ostwert) {
  const double millionen = std::trunc(ostwert / MeterJeMillion);
  if (!(millionen >= std::numeric_limits<std::int16_t>::min() &&
        millionen <= std::numeric_limits<std::int16_t>::max())) {
    throw Fehler(Fehlerart::Ueberlauf);
  }
  return static_cast<int>(millionen);
}

int ZonePruefen(int zone) {
  if (zone != WestZone && zone != OstZone) {
    throw Fehler(Fehlerart::Ueberlauf, "Zone " + std::to_string(zone) + " statt 32 oder 33");
  }
  return zone;
}

} // namespace

Zeilenumrechner::Zeilenumrechner(Richtung richtung, std::string trenner, Datumsoptionen datum)
    : richtung_(richtung), trenner_(std::move(trenner)), datum_(datum) {
  if (richtung_ == Richtung::GKUTM || richtung_ == Richtung::UTMGK) {
    wechsel_ = std::make_unique<Datumswechsel>();
  }
}

std::string Zeilenumrechner::Spaltennamen() const {
  std::string namen;
  auto anhaengen = [&](const auto& spalten) {
    for (const char* name : spalten) {
      namen += trenner_ + name;
    }
  };
  switch (richtung_) {
  case Richtung::GeoGK:
  case Richtung::UTMGK:
    anhaengen(SpaltenGeoGK);
    break;
  case Richtung::GKGeo:
    anhaengen(SpaltenGKGeo);
    break;
  case Richtung::GKUTM:
    anhaengen(std::span(SpaltenGKUTM).subspan(datum_.ostwertMitZone ? 1 : 0));
    break;
  }
  return namen;
}

void Zeilenumrechner::Umrechnen(std::string_view zeile, std::string& aus) {
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
    } else if (richtung_ == Richtung::GKGeo) {
      GKGeo(aus);
    } else {
      DatumLesen(ende);
      return;
    }
    ++umgerechnet_;
  } catch (const Fehler& fehler) {
    aus.resize(ende);
    aus += trenner_;
    aus += Meldung(fehler);
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
  switch (richtung_) {
  case Richtung::GeoGK:
    return GeoGKFeld::Anzahl;
  case Richtung::UTMGK:
    return UTMGKFeld::Anzahl - (datum_.ostwertMitZone ? 1 : 0);
  default:
    return GKGeoFeld::Anzahl;
  }
}

const char* Zeilenumrechner::Feldname(std::size_t i) const {
  switch (richtung_) {
  case Richtung::GeoGK:
    return NamenGeoGK[i];
  case Richtung::UTMGK:
    return NamenUTMGK[i + (datum_.ostwertMitZone ? 1 : 0)];
  default:
    return NamenGKGeo[i];
  }
}

std::string_view Zeilenumrechner::Feld(std::size_t i) {
  feld_ = static_cast<int>(i);
  return felder_[erstes_ + i];
}

void Zeilenumrechner::Berechnen(void (*berechnung)(), std::size_t quelle) {
  feld_ = Keines;
  try {
    berechnung();
  } catch (const Fehler& fehler) {
    if (fehler.art() == Fehlerart::Ueberlauf) {
      feld_ = static_cast<int>(quelle);
    }
    throw;
  }
}

void Zeilenumrechner::GeoGK(std::string& aus) {
  auto& u = Voderedezazarire::Umrechnungsdaten;
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
  auto& u = Voderedezazarire::Umrechnungsdaten;
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

void Zeilenumrechner::DatumLesen(std::size_t stelle) {
  Datumspunkt punkt;
  if (richtung_ == Richtung::GKUTM) {
    punkt.ost = leser_.Double(Feld(GKGeoFeld::Rechtswert));
    punkt.nord = leser_.Double(Feld(GKGeoFeld::Hochwert));
    feld_ = static_cast<int>(GKGeoFeld::Rechtswert);
    punkt.bereich = Millionen(punkt.ost);
  } else if (datum_.ostwertMitZone) { // the fields after the zone's, one place earlier
    punkt.ost = leser_.Double(Feld(UTMGKFeld::Ostwert - 1));
    punkt.nord = leser_.Double(Feld(UTMGKFeld::Nordwert - 1));
    feld_ = static_cast<int>(UTMGKFeld::Ostwert - 1);
    punkt.bereich = ZonePruefen(Millionen(punkt.ost));
    punkt.ost -= punkt.bereich * MeterJeMillion;
  } else {
    punkt.bereich = ZonePruefen(leser_.Integer(Feld(UTMGKFeld::Zone)));
    punkt.ost = leser_.Double(Feld(UTMGKFeld::Ostwert));
    punkt.nord = leser_.Double(Feld(UTMGKFeld::Nordwert));
  }
  block_.push_back(punkt);
  stellen_.push_back(stelle);
}

void Zeilenumrechner::Fertig(std::string& aus) {
  if (block_.empty()) {
    return;
  }
  if (richtung_ == Richtung::GKUTM) {
    wechsel_->GKNachUTM(block_, datum_.zone);
  } else {
    wechsel_->UTMNachGK(block_, datum_.streifen);
  }
  std::string fertig;
  fertig.reserve(aus.size() + block_.size() * 32);
  std::size_t kopiert = 0;
  for (std::size_t i = 0; i < block_.size(); ++i) {
    fertig.append(aus, kopiert, stellen_[i] - kopiert);
    kopiert = stellen_[i];
    DatumSchreiben(block_[i], fertig);
  }
  fertig.append(aus, kopiert);
  aus.swap(fertig);
  block_.clear();
  stellen_.clear();
}

void Zeilenumrechner::DatumSchreiben(const Datumspunkt& punkt, std::string& aus) {
  const bool utm = richtung_ == Richtung::GKUTM;
  aus += trenner_;
  switch (punkt.fehler) {
  case Datumsfehler::Keiner:
    ++umgerechnet_;
    break;
  case Datumsfehler::Abbildung:
    aus += "Außerhalb der Abbildung: keine geographische Lage";
    return;
  case Datumsfehler::AusserhalbGitter:
    aus += "Außerhalb des Gitters BeTA2007: keine Umrechnung";
    return;
  case Datumsfehler::AusserhalbBereich:
    aus += (utm ? "Ostwert außerhalb der Zone " : "Rechtswert außerhalb des Streifens ") +
           std::to_string(punkt.bereich);
    return;
  }
  if (utm && !datum_.ostwertMitZone) {
    aus += std::to_string(punkt.bereich);
    aus += trenner_;
  }
  schreiber_.Meter(
      utm && datum_.ostwertMitZone ? punkt.bereich * MeterJeMillion + punkt.ost : punkt.ost, aus);
  aus += trenner_;
  schreiber_.Meter(punkt.nord, aus);
}

std::string Zeilenumrechner::Meldung(const Fehler& fehler) const {
  std::string text = fehler.what();
  if (anzahl_ != Soll() && anzahl_ != Soll() + 1) {
    return text + ": " + std::to_string(anzahl_) + (anzahl_ == 1 ? " Feld" : " Felder") +
           " statt " + std::to_string(Soll()) + " oder " + std::to_string(Soll() + 1);
  }
  if (feld_ != Keines) {
    const auto i = static_cast<std::size_t>(feld_);
    return text + ": Feld " + std::to_string(erstes_ + i + 1) + " (" + Feldname(i) + ")";
  }
  if (ergebnis_ != Keines) {
    return text + ": Ergebnis " + NamenGeoGK[ergebnis_];
  }
  return text;
}
