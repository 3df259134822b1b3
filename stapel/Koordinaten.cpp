#include "Koordinaten.h"

#include "Winkel.h"
#include "Zahltext.h"

#include <cmath>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;
using Voderedezazarire::Umrechnungsdatensatz;

namespace {

constexpr double MeterJeKilometer = 1000.0;
/// An UTM easting with the zone in front: 8 digits before the decimal mark.
constexpr std::size_t ZonenostwertStellen = 8;

const char* const Winkelteile[] = {"Grad", "Minuten", "Sekunden"};

bool Geographisch(Bezugssystem s) {
  return s == Bezugssystem::Geo || s == Bezugssystem::Etrs;
}

/// Whether `text` looks like a UTM easting with its zone in front:
/// "32499925,108".
bool Zonenostwert(std::string_view text) {
  std::size_t ziffern = 0;
  while (ziffern < text.size() && text[ziffern] >= '0' && text[ziffern] <= '9') {
    ++ziffern;
  }
  return ziffern == ZonenostwertStellen &&
         (ziffern == text.size() || text[ziffern] == '.' || text[ziffern] == ',') &&
         (text.starts_with("32") || text.starts_with("33"));
}

} // namespace

std::vector<Koordinate> Reihenfolge(Bezugssystem system, bool breiteZuerst) {
  const auto& k = Beschreibung(system).koordinaten;
  std::vector<Koordinate> liste(k.begin(), k.end());
  if (Geographisch(system) && breiteZuerst) {
    std::swap(liste[0], liste[1]);
  }
  return liste;
}

std::string Meridianmeldung(double abstand, int streifen, int naechster) {
  std::string text = "Rechtswert außerhalb des Streifens " + std::to_string(streifen) + ": " +
                     std::to_string(std::lround(std::fabs(abstand) / MeterJeKilometer)) +
                     " km vom Mittelmeridian";
  if (naechster != Waehlen) {
    text += ", nächster Streifen " + std::to_string(naechster);
  }
  return text;
}

/// Where the coordinates would be read, behind `erstes`: the option that
/// reads them there, or "".
std::string Koordinaten::Spaltenhinweis(Satzleser& satz, std::size_t erstes) {
  constexpr std::size_t Weiteste = 8; // fields tried behind the given one
  for (std::size_t feld = erstes + 1;
       feld <= erstes + Weiteste && feld + felder_.size() <= satz.Anzahl(); ++feld) {
    if (Gelingt(satz, feld)) {
      const std::string n = std::to_string(feld + 1);
      return feld == 1 ? " – ein Punktname? Dann mit --punkt"
                       : " – die Koordinaten ab Feld " + n + "? Dann mit --spalte " + n;
    }
  }
  return {};
}

Koordinaten::Koordinaten(const Zeilenformat& format)
    : format_(format),
      leser_(format.dezimal != '\0' ? Zahlenleser(format.dezimal) : Zahlenleser()) {
  const char dezimal =
      format.dezimal != '\0' ? format.dezimal : Zahlenlocale().decimalPoint().front().toLatin1();
  if (dezimal == ',' || dezimal == '.') {
    anderer_.emplace(dezimal == ',' ? '.' : ',');
  }
  if (format.wieFenster) {
    fenster_ = format.quelle == Bezugssystem::Geo ? &RichtungGeoGK : &RichtungGKGeo;
    for (const Eingabefeld& feld : fenster_->felder) {
      felder_.push_back({::Feldname(feld).toStdString(), Koordinatenart::Meter});
    }
    return;
  }
  for (const Koordinate& k : Reihenfolge(format.quelle, format.breiteZuerst)) {
    if (k.art == Koordinatenart::Zone && format.ostwertMitZone) {
      continue;
    }
    if (k.art == Koordinatenart::Winkel && !format.grad) {
      for (const char* teil : Winkelteile) {
        felder_.push_back({std::string(k.name) + " – " + teil, k.art});
      }
    } else {
      felder_.push_back({k.name, k.art});
    }
  }
  if (format.quelle == Bezugssystem::Geo && format.ziel == Bezugssystem::GK) {
    felder_.push_back({"Meridianstreifen - Nr.", Koordinatenart::Zone});
  }
}

double Koordinaten::Zahl(Satzleser& satz, std::size_t feld) {
  return leser_.Double(satz.Wert(feld));
}

/// An angle in one field of degrees or in three of degrees, minutes and
/// seconds, summed as they stand (signs as in the windows).
double Koordinaten::Winkel(Satzleser& satz, std::size_t erstes, std::size_t& feld) {
  if (format_.grad) {
    feld_ = feld - erstes;
    return Zahl(satz, feld++);
  }
  double teile[3];
  for (double& teil : teile) {
    feld_ = feld - erstes;
    teil = Zahl(satz, feld++);
  }
  return GradAusTeilen(teile[0], teile[1], teile[2]);
}

int Koordinaten::ZoneLesen(std::string_view text, char& band) const {
  band = '\0';
  if (!text.empty() &&
      ((text.back() >= 'C' && text.back() <= 'X') || (text.back() >= 'c' && text.back() <= 'x'))) {
    band = text.back();
    text.remove_suffix(1);
  }
  const int zone = leser_.Integer(text);
  if (!ZoneGueltig(zone)) {
    throw Fehler(Fehlerart::Ueberlauf, "Zone " + std::to_string(zone) + " statt 32 oder 33");
  }
  return zone;
}

void Koordinaten::Einlesen(Satzleser& satz, std::size_t erstes, Gelesen& ziel) {
  feld_ = 0;
  if (satz.Anzahl() < erstes + felder_.size()) {
    throw Fehler(Fehlerart::Typenkonflikt);
  }
  Datumspunkt& p = ziel.punkt;
  p = Datumspunkt{};
  ziel.band = '\0';
  std::size_t feld = erstes;
  switch (format_.quelle) {
  case Bezugssystem::GK: {
    p.ost = Zahl(satz, feld);
    feld_ = 1;
    p.nord = Zahl(satz, feld + 1);
    feld_ = 0;
    p.bereich = StreifenVon(p.ost);
    const int streifen = p.bereich >= 0 ? p.bereich : NaechsterStreifen(0.0);
    if (!(std::fabs(Meridianabstand(p.ost, streifen)) <= GkHoechstabstand)) {
      throw Fern{Meridianabstand(p.ost, streifen), streifen};
    }
    break;
  }
  case Bezugssystem::Geo:
  case Bezugssystem::Etrs: {
    double erster = Winkel(satz, erstes, feld);
    double zweiter = Winkel(satz, erstes, feld);
    if (format_.breiteZuerst) {
      std::swap(erster, zweiter);
    }
    p.ost = erster;
    p.nord = zweiter;
    if (format_.quelle == Bezugssystem::Geo && format_.ziel == Bezugssystem::GK) {
      feld_ = feld - erstes;
      p.bereich = leser_.Integer(satz.Wert(feld));
      if (!StreifenGueltig(p.bereich)) {
        throw Fehler(Fehlerart::Ueberlauf,
                     "Streifen " + std::to_string(p.bereich) + " statt 0 bis 120");
      }
    }
    break;
  }
  case Bezugssystem::UTM: {
    if (format_.ostwertMitZone) {
      p.ost = Zahl(satz, feld);
      const double millionen = std::floor(p.ost / MeterJeMillion);
      if (!(millionen >= WestZone && millionen <= OstZone)) {
        throw Fehler(Fehlerart::Ueberlauf, "Zone " +
                                               std::to_string(static_cast<long long>(
                                                   std::fmax(std::fmin(millionen, 1e15), -1e15))) +
                                               " statt 32 oder 33");
      }
      p.bereich = static_cast<int>(millionen);
      p.ost -= p.bereich * MeterJeMillion;
      feld_ = 1;
      p.nord = Zahl(satz, feld + 1);
    } else {
      p.bereich = ZoneLesen(satz.Wert(feld), ziel.band);
      feld_ = 1;
      const std::string_view ost = satz.Wert(feld + 1);
      p.ost = leser_.Double(ost);
      if (!(p.ost >= 0.0 && p.ost < MeterJeMillion)) {
        throw Fehler(Fehlerart::Ueberlauf,
                     "Ostwert außerhalb der Zone " + std::to_string(p.bereich));
      }
      feld_ = 2;
      p.nord = Zahl(satz, feld + 2);
    }
    break;
  }
  }
}

bool Koordinaten::Gelingt(Satzleser& satz, std::size_t erstes) {
  try {
    if (fenster_ != nullptr) {
      Umrechnungsdatensatz u{};
      if (satz.Anzahl() < erstes + felder_.size()) {
        return false;
      }
      FelderLesen(*fenster_, u,
                  [&](std::size_t i, auto& ziel) { leser_.Lesen(satz.Wert(erstes + i), ziel); });
      return true;
    }
    Gelesen probe;
    Einlesen(satz, erstes, probe);
    return true;
  } catch (...) {
    return false;
  }
}

std::string Koordinaten::Lesen(Satzleser& satz, std::size_t erstes, Gelesen& ziel) {
  try {
    Einlesen(satz, erstes, ziel);
    return {};
  } catch (const Fehler& fehler) {
    return Meldung(fehler, satz, erstes);
  } catch (const Fern& fern) {
    return Fernmeldung(fern, satz, erstes);
  }
}

std::string Koordinaten::Fernmeldung(const Fern& fern, Satzleser& satz, std::size_t erstes) {
  return Meridianmeldung(fern.abstand, fern.streifen, Waehlen) + Spaltenhinweis(satz, erstes);
}

std::string Koordinaten::Lesen(Satzleser& satz, std::size_t erstes, Umrechnungsdatensatz& u) {
  try {
    feld_ = 0;
    if (satz.Anzahl() < erstes + felder_.size()) {
      throw Fehler(Fehlerart::Typenkonflikt);
    }
    FelderLesen(*fenster_, u, [&](std::size_t i, auto& ziel) {
      feld_ = i;
      leser_.Lesen(satz.Wert(erstes + i), ziel);
    });
    // The strip the series take from the easting's millions; one that
    // overflows is the series' own error.
    const double streifen = std::trunc(u.Rechtswert / MeterJeMillion);
    if (format_.quelle == Bezugssystem::GK && std::fabs(streifen) <= LetzterStreifen &&
        !(std::fabs(Meridianabstand(u.Rechtswert, static_cast<int>(streifen))) <=
          GkHoechstabstand)) {
      throw Fern{Meridianabstand(u.Rechtswert, static_cast<int>(streifen)),
                 static_cast<int>(streifen)};
    }
    return {};
  } catch (const Fehler& fehler) {
    return Meldung(fehler, satz, erstes);
  } catch (const Fern& fern) {
    return Fernmeldung(fern, satz, erstes);
  }
}

std::string Koordinaten::Meldung(const Fehler& fehler, Satzleser& satz, std::size_t erstes) {
  std::string text = fehler.what();
  const std::size_t soll = erstes + felder_.size();
  const std::size_t anzahl = satz.Anzahl();
  if (anzahl < soll) {
    text += ": " + std::to_string(anzahl) + (anzahl == 1 ? " Feld" : " Felder") +
            " statt mindestens " + std::to_string(soll);
    // A spreadsheet's default export: "," between fields, decimal commas quoted.
    if (anzahl == 1 && !format_.leer && format_.trenner != ',' &&
        satz.Feld(0).find(',') != std::string_view::npos) {
      text += " – mit , getrennt? Dann mit Semikolon als Feldtrenner exportieren";
    }
  } else {
    const std::size_t feld = erstes + feld_;
    text += ": Feld " + std::to_string(feld + 1) + " (" + felder_[feld_].name + ")";
    if (fehler.art() == Fehlerart::Typenkonflikt) {
      const std::string wert(satz.Wert(feld));
      if (anderer_ && [&] {
            try {
              (void)anderer_->Double(wert);
              return true;
            } catch (const Fehler&) {
              return false;
            }
          }()) {
        const bool punkt = wert.find('.') != std::string::npos;
        text += punkt ? " – Dezimalpunkt? Dann mit --dezimal punkt"
                      : " – Dezimalkomma? Dann mit --dezimal komma";
        return text;
      }
      if (feld_ == 0) {
        return text + Spaltenhinweis(satz, erstes);
      }
    }
  }
  if (format_.quelle == Bezugssystem::UTM && !format_.ostwertMitZone) {
    for (std::size_t i = erstes; i < std::min(anzahl, soll); ++i) {
      if (Zonenostwert(satz.Wert(i))) {
        return text + " – die Zone vor dem Ostwert? Dann mit --ostwert-mit-zone";
      }
    }
  }
  return text;
}
