#include "Schreiber.h"

#include "Kodierung.h"
#include "Winkel.h"

#include <cmath>

namespace {

constexpr char Anfuehrung = '"';
constexpr int Meterstellen = 3;
const char* const Winkelspalten[] = {"Grad", "Min", "Sek"};

} // namespace

Schreiber::Schreiber(const Zeilenformat& format)
    : format_(format),
      zahlen_(format.dezimal != '\0' ? Zahlenschreiber(format.dezimal) : Zahlenschreiber()),
      trenner_(1, format.leer ? Leerraum : format.trenner) {}

void Schreiber::Schreiben(const Ausgabesatz& satz, const Punktblock& block,
                          std::string& aus) const {
  aus += satz.satz;
  switch (satz.art) {
  case Ausgabesatz::Art::Kopie:
    break;
  case Ausgabesatz::Art::Kopf:
    for (const std::string& name : Spaltennamen()) {
      aus += trenner_;
      Text(name, aus);
    }
    break;
  case Ausgabesatz::Art::Fehler:
    aus += trenner_;
    Text(satz.meldung, aus);
    break;
  case Ausgabesatz::Art::Punkt: {
    const std::size_t i = satz.punkt;
    aus += trenner_;
    if (!block.meldungen[i].empty()) {
      Text(block.meldungen[i], aus);
    } else if (block.punkte[i].fehler != Datumsfehler::Keiner) {
      Text(Datumsmeldung(block.punkte[i]), aus);
    } else {
      aus.pop_back(); // each result brings its separator
      const std::size_t anfang = aus.size();
      if (format_.wieFenster) {
        Ergebnisse(block.fenster[i], aus);
      } else {
        Ergebnisse(block.punkte[i], aus);
      }
      Kodieren(anfang, aus);
    }
    break;
  }
  }
  aus += satz.ende;
}

void Schreiber::Kodieren(std::size_t anfang, std::string& aus) const {
  // A locale's minus sign U+2212, which Windows-1252 lacks.
  if (format_.windows1252 && !IstAscii(std::string_view(aus).substr(anfang))) {
    aus.replace(anfang, std::string::npos,
                Windows1252AusUtf8(std::string_view(aus).substr(anfang)));
  }
}

void Schreiber::Text(std::string_view utf8, std::string& aus) const {
  const std::size_t anfang = aus.size();
  const char besondere[] = {trenner_[0], Anfuehrung, '\n', '\r', '\t'};
  const std::string_view zeichen(besondere, format_.leer ? std::size(besondere) : 4);
  if (utf8.find_first_of(zeichen) == std::string_view::npos) {
    aus += utf8;
  } else { // quoted, as spreadsheets write such a field
    aus += Anfuehrung;
    for (const char c : utf8) {
      (c == Anfuehrung ? aus += "\"\"" : aus += c);
    }
    aus += Anfuehrung;
  }
  Kodieren(anfang, aus);
}

void Schreiber::WinkelSchreiben(double grad, std::string& aus) const {
  aus += trenner_;
  if (format_.grad) {
    zahlen_.Fest(grad, GradStellen, aus);
    return;
  }
  const double vorzeichen = grad < 0 ? -1.0 : 1.0;
  const Gradzerlegung teile = WinkelZerlegen(grad);
  const double werte[] = {static_cast<double>(teile.grad), static_cast<double>(teile.minuten),
                          static_cast<double>(teile.sekundenteile) / SekundenTeile};
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      aus += trenner_;
    }
    const double wert = werte[i] == 0.0 ? 0.0 : vorzeichen * werte[i];
    zahlen_.Fest(wert, i == 2 ? SekundenStellen : 0, aus);
  }
}

void Schreiber::Ergebnisse(const Datumspunkt& p, std::string& aus) const {
  switch (format_.ziel) {
  case Bezugssystem::GK:
    aus += trenner_;
    zahlen_.Fest(p.ost, Meterstellen, aus);
    aus += trenner_;
    zahlen_.Fest(p.nord, Meterstellen, aus);
    return;
  case Bezugssystem::Geo:
  case Bezugssystem::Etrs:
    WinkelSchreiben(format_.breiteZuerst ? p.nord : p.ost, aus);
    WinkelSchreiben(format_.breiteZuerst ? p.ost : p.nord, aus);
    return;
  case Bezugssystem::UTM:
    aus += trenner_;
    if (format_.ostwertMitZone) {
      zahlen_.Fest(p.bereich * MeterJeMillion + p.ost, Meterstellen, aus);
    } else {
      aus += std::to_string(p.bereich);
      aus += trenner_;
      zahlen_.Fest(p.ost, Meterstellen, aus);
    }
    aus += trenner_;
    zahlen_.Fest(p.nord, Meterstellen, aus);
    return;
  }
}

void Schreiber::Ergebnisse(const Voderedezazarire::Umrechnungsdatensatz& u,
                           std::string& aus) const {
  if (format_.quelle == Bezugssystem::Geo) {
    aus += trenner_;
    zahlen_.Meter(u.Rechtswert, aus);
    aus += trenner_;
    zahlen_.Meter(u.Hochwert, aus);
    return;
  }
  // The result window's order: longitude, then latitude.
  for (const float wert :
       {u.LaengeGrad, u.LaengeMin, u.LaengeSek, u.BreiteGrad, u.BreiteMin, u.BreiteSek}) {
    aus += trenner_;
    zahlen_.Ganzzahl(wert, aus);
  }
}

std::vector<std::string> Schreiber::Spaltennamen() const {
  std::vector<std::string> namen;
  for (const Koordinate& k : Reihenfolge(format_.ziel, format_.breiteZuerst)) {
    if (k.art == Koordinatenart::Zone && format_.ostwertMitZone) {
      continue;
    }
    if (k.art == Koordinatenart::Winkel && !format_.grad) {
      for (const char* teil : Winkelspalten) {
        namen.push_back(std::string(k.spalte) + teil);
      }
    } else {
      namen.emplace_back(k.spalte);
    }
  }
  return namen;
}

std::string Schreiber::Datumsmeldung(const Datumspunkt& punkt) const {
  const Bezugssystem nach = format_.ziel;
  switch (punkt.fehler) {
  case Datumsfehler::Keiner:
    break;
  case Datumsfehler::Abbildung:
    return "Außerhalb der Abbildung: keine geographische Lage";
  case Datumsfehler::AusserhalbGitter:
    return "Außerhalb des Gitters BeTA2007: keine Umrechnung";
  case Datumsfehler::AusserhalbBereich:
    return "Ostwert außerhalb der Zone " + std::to_string(punkt.bereich);
  case Datumsfehler::Bereich:
    return nach == Bezugssystem::UTM ? "Zone " + std::to_string(punkt.bereich) + " statt 32 oder 33"
                                     : "Kein Meridianstreifen von 0 bis 120 für diesen Punkt";
  case Datumsfehler::FernVomMeridian:
    return Meridianmeldung(punkt.abstand, punkt.bereich, punkt.naechster);
  }
  return {};
}
