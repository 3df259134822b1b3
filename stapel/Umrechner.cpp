#include "Umrechner.h"

#include "Eingabefelder.h"
#include "Zahltext.h"

#include <cctype>
#include <cmath>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

constexpr double SuedlichsteBreite = -80.0; ///< where band C begins [°]
constexpr double NoerdlichsteBreite = 84.0; ///< where band X ends [°]
constexpr double GradJeBand = 8.0;
constexpr const char* Baender = "CDEFGHJKLMNPQRSTUVWXX"; ///< X spans 12°

} // namespace

char Breitenband(double breite) {
  if (!(breite >= SuedlichsteBreite && breite <= NoerdlichsteBreite)) {
    return '\0';
  }
  return Baender[static_cast<int>((breite - SuedlichsteBreite) / GradJeBand)];
}

Umrechner::Umrechner(const Zeilenformat& format, Datumswechsel* wechsel)
    : format_(format), wechsel_(wechsel) {}

bool Umrechner::Gelungen(const Punktblock& block, std::size_t i) {
  return block.meldungen[i].empty() && block.punkte[i].fehler == Datumsfehler::Keiner;
}

void Umrechner::Umrechnen(Punktblock& block) {
  if (format_.wieFenster) {
    Fenster(block);
    return;
  }
  int ziel = Waehlen;
  if (format_.ziel == Bezugssystem::GK) {
    ziel = format_.quelle == Bezugssystem::Geo ? ImPunkt : format_.streifen;
  } else if (format_.ziel == Bezugssystem::UTM) {
    ziel = format_.zone;
  }
  if (format_.quelle == Bezugssystem::UTM) {
    BaenderPruefen(block);
  }
  wechsel_->Umrechnen(block.punkte, format_.quelle, format_.ziel, ziel);
}

/// A zone's latitude band must be the point's own: checked on its ETRS89
/// latitude.
void Umrechner::BaenderPruefen(Punktblock& block) {
  probe_.clear();
  for (std::size_t i = 0; i < block.punkte.size(); ++i) {
    if (block.baender[i] != '\0') {
      probe_.push_back(block.punkte[i]);
    }
  }
  if (probe_.empty()) {
    return;
  }
  wechsel_->Umrechnen(probe_, Bezugssystem::UTM, Bezugssystem::Etrs);
  std::size_t k = 0;
  for (std::size_t i = 0; i < block.punkte.size(); ++i) {
    if (block.baender[i] == '\0') {
      continue;
    }
    const Datumspunkt& p = probe_[k++];
    const char band = static_cast<char>(std::toupper(static_cast<unsigned char>(block.baender[i])));
    const char soll = p.fehler == Datumsfehler::Keiner ? Breitenband(p.nord) : band;
    if (band != soll) {
      block.meldungen[i] = std::string("Breitenband ") + band +
                           " passt nicht zum Punkt, er liegt in " +
                           std::to_string(block.punkte[i].bereich) + soll;
    }
  }
}

/// The windows' series, record by record, as a result window computes and
/// shows it. A Rechtswert farther than GkHoechstabstand from the strip's
/// central meridian fails, as in every direction.
void Umrechner::Fenster(Punktblock& block) const {
  const bool hin = format_.quelle == Bezugssystem::Geo;
  const Umrechnungsrichtung& richtung = hin ? RichtungGeoGK : RichtungGKGeo;
  for (std::size_t i = 0; i < block.Anzahl(); ++i) {
    if (!block.meldungen[i].empty()) {
      continue;
    }
    auto& u = block.fenster[i];
    std::size_t schuld = richtung.felder.size();
    try {
      Berechnen(richtung, u, [&](std::size_t feld) { schuld = feld; });
      if (hin) {
        const double abstand = Meridianabstand(u.Rechtswert, u.StreifenNr);
        if (!(std::fabs(abstand) <= GkHoechstabstand)) {
          const double laenge = u.LaengeGrad + u.LaengeMin / 60.0 + u.LaengeSek / 3600.0;
          Datumspunkt p;
          p.fehler = Datumsfehler::FernVomMeridian;
          p.bereich = u.StreifenNr;
          p.abstand = abstand;
          p.naechster = NaechsterStreifen(laenge);
          block.punkte[i] = p; // worded by the writer, as in the exact directions
        }
      } else {
        const float werte[] = {u.LaengeGrad, u.LaengeMin, u.LaengeSek,
                               u.BreiteGrad, u.BreiteMin, u.BreiteSek};
        for (std::size_t k = 0; k < std::size(werte); ++k) {
          try {
            (void)GanzzahlWert(werte[k]);
          } catch (const Fehler& fehler) {
            block.meldungen[i] = std::string(fehler.what()) + ": Ergebnis " +
                                 Feldname(RichtungGeoGK.felder[k]).toStdString();
            break;
          }
        }
      }
    } catch (const Fehler& fehler) {
      block.meldungen[i] = fehler.what();
      if (schuld < richtung.felder.size()) {
        block.meldungen[i] += ": Feld " + std::to_string(format_.spalte + schuld + 1) + " (" +
                              Feldname(richtung.felder[schuld]).toStdString() + ")";
      }
    }
  }
}
