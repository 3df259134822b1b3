#include "Schreiber.h"

#include "Kodierung.h"

namespace {

constexpr char Anfuehrung = '"';

} // namespace

Schreiber::Schreiber(const Zeilenformat& format, const Koordinaten& koordinaten)
    : format_(format), koordinaten_(koordinaten),
      trenner_(1, format.leer ? Leerraum : format.trenner) {}

void Schreiber::Schreiben(const Ausgabesatz& satz, const Punktblock& block,
                          std::string& aus) const {
  aus += satz.satz;
  switch (satz.art) {
  case Ausgabesatz::Art::Kopie:
    break;
  case Ausgabesatz::Art::Kopf:
    for (const std::string& name : koordinaten_.Spaltennamen()) {
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
      Text(Datumsmeldung(block.punkte[i], format_.ziel), aus);
    } else {
      aus.pop_back(); // each result brings its separator
      const std::size_t anfang = aus.size();
      if (format_.wieFenster) {
        koordinaten_.Schreiben(block.fenster[i], trenner_, aus);
      } else {
        koordinaten_.Schreiben(block.punkte[i], trenner_, aus);
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
