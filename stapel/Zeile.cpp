#include "Zeile.h"

#include "Kodierung.h"

#include <cmath>
#include <limits>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// The coordinates of a record, in their order.
namespace GKGeoFeld {
enum : std::size_t { Rechtswert, Hochwert, Anzahl };
} // namespace GKGeoFeld
namespace UTMGKFeld {
enum : std::size_t { Zone, Ostwert, Nordwert, Anzahl };
} // namespace UTMGKFeld

/// The names of the fields of a direction of the windows.
std::vector<std::string> Namen(const Umrechnungsrichtung& richtung) {
  std::vector<std::string> namen;
  for (const Eingabefeld& feld : richtung.felder) {
    namen.push_back(Feldname(feld).toStdString());
  }
  return namen;
}
const std::vector<std::string> NamenUTMGK = {"Zone", "Ostwert (E) [m]", "Nordwert (N) [m]"};

/// The result columns, named like the fields of the core's record.
constexpr const char* SpaltenGeoGK[] = {"Rechtswert", "Hochwert"};
constexpr const char* SpaltenGKGeo[] = {"LaengeGrad", "LaengeMin", "LaengeSek",
                                        "BreiteGrad", "BreiteMin", "BreiteSek"};
constexpr const char* SpaltenGKUTM[] = {"Zone", "Ostwert", "Nordwert"};

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

constexpr char Anfuehrung = '"';

} // namespace

Zeilenumrechner::Art Zeilenumrechner::ArtVon(const Zeilenformat& format) {
  const std::size_t zone = format.ostwertMitZone ? 1 : 0; // no zone field, no zone column
  switch (format.richtung) {
  case Richtung::GKGeo:
    return {Namen(RichtungGKGeo), SpaltenGKGeo, &Zeilenumrechner::GKGeo};
  case Richtung::GKUTM:
    return {Namen(RichtungGKGeo), std::span(SpaltenGKUTM).subspan(zone), &Zeilenumrechner::GKUTM};
  case Richtung::UTMGK:
    return {{NamenUTMGK.begin() + static_cast<std::ptrdiff_t>(zone), NamenUTMGK.end()},
            SpaltenGeoGK,
            &Zeilenumrechner::UTMGK};
  case Richtung::GeoGK:
    break;
  }
  return {Namen(RichtungGeoGK), SpaltenGeoGK, &Zeilenumrechner::GeoGK};
}

Zeilenumrechner::Zeilenumrechner(const Zeilenformat& format, Datumswechsel* wechsel)
    : format_(format), art_(ArtVon(format)), wechsel_(wechsel) {}

std::string Zeilenumrechner::Spaltennamen() const {
  std::string namen;
  for (const char* name : art_.spalten) {
    namen += format_.trenner;
    Anhaengen(name, namen);
  }
  return namen;
}

std::size_t Zeilenumrechner::Zerlegen(std::string_view text, bool letzter) {
  anzahl_ = 0;
  std::size_t i = 0;
  for (;;) {
    const std::size_t anfang = i;
    if (i < text.size() && text[i] == Anfuehrung) {
      // A quoted field ends at a quote that is not doubled; "" is a quote.
      for (++i;; i += 2) {
        i = text.find(Anfuehrung, i);
        if (i == std::string_view::npos || (i + 1 == text.size() && !letzter)) {
          return std::string_view::npos;
        }
        if (i + 1 == text.size() || text[i + 1] != Anfuehrung) {
          ++i;
          break;
        }
      }
    }
    while (i < text.size() && text[i] != format_.trenner && text[i] != '\n') {
      ++i;
    }
    if (i == text.size() && !letzter) {
      return std::string_view::npos;
    }
    std::string_view feld = text.substr(anfang, i - anfang);
    const bool satzende = i == text.size() || text[i] == '\n';
    if (satzende && feld.ends_with('\r')) {
      feld.remove_suffix(1);
    }
    if (anzahl_ < MaxFelder) {
      felder_[anzahl_] = feld;
    }
    ++anzahl_;
    if (satzende) {
      return i;
    }
    ++i;
  }
}

bool Zeilenumrechner::Umrechnen(std::string_view satz, std::string& aus) {
  aus += satz;
  const std::size_t ende = aus.size();
  try {
    Versuchen(format_.punkt ? 1 : 0, aus);
    return true;
  } catch (const Fehler& fehler) {
    aus.resize(ende);
    aus += format_.trenner;
    std::string text = Meldung(fehler);
    // No number where the coordinates begin, yet they all follow it: a
    // point name without --punkt.
    if (fehler.art() == Fehlerart::Typenkonflikt && feld_ == 0 && !format_.punkt &&
        anzahl_ > art_.felder.size() && Gelingt(1)) {
      text += " – ein Punktname? Dann mit --punkt";
    }
    Anhaengen(text, aus);
    return false;
  }
}

bool Zeilenumrechner::Umrechenbar() {
  return Gelingt(format_.punkt ? 1 : 0);
}

bool Zeilenumrechner::Gelingt(std::size_t erstes) {
  probe_.clear();
  try {
    Versuchen(erstes, probe_);
    return true;
  } catch (const Fehler&) {
    return false;
  }
}

void Zeilenumrechner::Versuchen(std::size_t erstes, std::string& aus) {
  erstes_ = erstes;
  feld_ = Keines;
  ergebnis_ = Keines;
  if (anzahl_ < erstes_ + art_.felder.size()) {
    throw Fehler(Fehlerart::Typenkonflikt);
  }
  const std::size_t anfang = aus.size();
  (this->*art_.umrechnen)(aus);
  // A locale's minus sign U+2212 in metres, which Windows-1252 lacks.
  if (format_.windows1252 && !IstAscii(std::string_view(aus).substr(anfang))) {
    aus.replace(anfang, std::string::npos,
                Windows1252AusUtf8(std::string_view(aus).substr(anfang)));
  }
}

std::string_view Zeilenumrechner::Feld(std::size_t i) {
  feld_ = static_cast<int>(i);
  std::string_view text = felder_[erstes_ + i];
  if (text.size() >= 2 && text.front() == Anfuehrung && text.back() == Anfuehrung) {
    text = text.substr(1, text.size() - 2);
    if (text.find(Anfuehrung) != std::string_view::npos) {
      wert_.clear();
      for (std::size_t k = 0; k < text.size(); k += text[k] == Anfuehrung ? 2 : 1) {
        wert_ += text[k];
      }
      text = wert_;
    }
  }
  if (format_.windows1252 && !IstAscii(text)) {
    wert_ = Utf8AusWindows1252(text);
    text = wert_;
  }
  return text;
}

void Zeilenumrechner::Kern(const Umrechnungsrichtung& richtung) {
  FelderLesen(richtung, daten_, [&](std::size_t i, auto& ziel) { leser_.Lesen(Feld(i), ziel); });
  feld_ = Keines;
  Berechnen(richtung, daten_, [&](std::size_t i) { feld_ = static_cast<int>(i); });
}

void Zeilenumrechner::GeoGK(std::string& aus) {
  const auto& u = daten_;
  Kern(RichtungGeoGK);
  aus += format_.trenner;
  schreiber_.Meter(u.Rechtswert, aus);
  aus += format_.trenner;
  schreiber_.Meter(u.Hochwert, aus);
}

void Zeilenumrechner::GKGeo(std::string& aus) {
  const auto& u = daten_;
  Kern(RichtungGKGeo);
  // The result window's order: longitude, then latitude.
  const float werte[] = {u.LaengeGrad, u.LaengeMin, u.LaengeSek,
                         u.BreiteGrad, u.BreiteMin, u.BreiteSek};
  for (std::size_t i = 0; i < std::size(werte); ++i) {
    ergebnis_ = static_cast<int>(i);
    aus += format_.trenner;
    schreiber_.Ganzzahl(werte[i], aus);
  }
}

void Zeilenumrechner::GKUTM(std::string& aus) {
  Datumspunkt punkt;
  punkt.ost = leser_.Double(Feld(GKGeoFeld::Rechtswert));
  punkt.nord = leser_.Double(Feld(GKGeoFeld::Hochwert));
  feld_ = static_cast<int>(GKGeoFeld::Rechtswert);
  punkt.bereich = Millionen(punkt.ost);
  Einreihen(punkt, aus);
}

void Zeilenumrechner::UTMGK(std::string& aus) {
  Datumspunkt punkt;
  if (format_.ostwertMitZone) { // the fields behind the zone's, one place earlier
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
  Einreihen(punkt, aus);
}

void Zeilenumrechner::Einreihen(const Datumspunkt& punkt, const std::string& aus) {
  if (&aus != &probe_) { // a trial only reads the fields
    block_.push_back(punkt);
    stellen_.push_back(aus.size());
  }
}

long long Zeilenumrechner::Fertig(std::string& aus) {
  if (block_.empty()) {
    return 0;
  }
  if (format_.richtung == Richtung::GKUTM) {
    wechsel_->Umrechnen(block_, Bezugssystem::GK, Bezugssystem::UTM, format_.zone);
  } else {
    wechsel_->Umrechnen(block_, Bezugssystem::UTM, Bezugssystem::GK, format_.streifen);
  }
  std::string fertig;
  fertig.reserve(aus.size() + block_.size() * 2 * sizeof("#######,###"));
  std::size_t kopiert = 0;
  long long fehlgeschlagen = 0;
  for (std::size_t i = 0; i < block_.size(); ++i) {
    fertig.append(aus, kopiert, stellen_[i] - kopiert);
    kopiert = stellen_[i];
    DatumSchreiben(block_[i], fertig);
    fehlgeschlagen += block_[i].fehler == Datumsfehler::Keiner ? 0 : 1;
  }
  fertig.append(aus, kopiert);
  aus.swap(fertig);
  block_.clear();
  stellen_.clear();
  return fehlgeschlagen;
}

void Zeilenumrechner::DatumSchreiben(const Datumspunkt& punkt, std::string& aus) const {
  const bool utm = format_.richtung == Richtung::GKUTM;
  aus += format_.trenner;
  switch (punkt.fehler) {
  case Datumsfehler::Keiner:
    break;
  case Datumsfehler::Abbildung:
    Anhaengen("Außerhalb der Abbildung: keine geographische Lage", aus);
    return;
  case Datumsfehler::AusserhalbGitter:
    Anhaengen("Außerhalb des Gitters BeTA2007: keine Umrechnung", aus);
    return;
  case Datumsfehler::AusserhalbBereich:
    Anhaengen("Ostwert außerhalb der Zone " + std::to_string(punkt.bereich), aus);
    return;
  case Datumsfehler::Bereich:
    Anhaengen((utm ? "Zone " : "Streifen ") + std::to_string(punkt.bereich) +
                  (utm ? " statt 32 oder 33" : " statt 0 bis 120"),
              aus);
    return;
  case Datumsfehler::FernVomMeridian: {
    std::string text = "Rechtswert außerhalb des Streifens " + std::to_string(punkt.bereich) +
                       ": " + std::to_string(std::lround(std::fabs(punkt.abstand) / 1000.0)) +
                       " km vom Mittelmeridian";
    if (punkt.naechster != Waehlen) {
      text += ", nächster Streifen " + std::to_string(punkt.naechster);
    }
    Anhaengen(text, aus);
    return;
  }
  }
  if (utm && !format_.ostwertMitZone) {
    aus += std::to_string(punkt.bereich);
    aus += format_.trenner;
  }
  schreiber_.Meter(
      utm && format_.ostwertMitZone ? punkt.bereich * MeterJeMillion + punkt.ost : punkt.ost, aus);
  aus += format_.trenner;
  schreiber_.Meter(punkt.nord, aus);
}

std::string Zeilenumrechner::Meldung(const Fehler& fehler) const {
  std::string text = fehler.what();
  const std::size_t soll = erstes_ + art_.felder.size();
  if (anzahl_ < soll) {
    text += ": " + std::to_string(anzahl_) + (anzahl_ == 1 ? " Feld" : " Felder") +
            " statt mindestens " + std::to_string(soll);
    // A spreadsheet's default export: "," between fields, decimal commas quoted.
    if (anzahl_ == 1 && felder_[0].find(',') != std::string_view::npos) {
      text += " – mit , getrennt? Dann mit Semikolon als Feldtrenner exportieren";
    }
    return text;
  }
  if (feld_ != Keines) {
    const auto i = static_cast<std::size_t>(feld_);
    return text + ": Feld " + std::to_string(erstes_ + i + 1) + " (" + art_.felder[i] + ")";
  }
  if (ergebnis_ != Keines) {
    const auto i = static_cast<std::size_t>(ergebnis_);
    return text + ": Ergebnis " + Feldname(RichtungGeoGK.felder[i]).toStdString();
  }
  return text;
}

void Zeilenumrechner::Anhaengen(std::string_view utf8, std::string& aus) const {
  std::string feld;
  const char besondere[] = {format_.trenner, Anfuehrung, '\n', '\r'};
  if (utf8.find_first_of(std::string_view(besondere, std::size(besondere))) ==
      std::string_view::npos) {
    feld = utf8;
  } else { // quoted, as spreadsheets write such a field
    feld += Anfuehrung;
    for (const char c : utf8) {
      (c == Anfuehrung ? feld += "\"\"" : feld += c);
    }
    feld += Anfuehrung;
  }
  aus += format_.windows1252 ? Windows1252AusUtf8(feld) : feld;
}
