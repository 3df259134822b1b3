#include "Fehler.h"

namespace Voderedezazarire {

const char* Fehlername(Fehlerart art) noexcept {
  switch (art) {
  case Fehlerart::Typenkonflikt:
    return "Typen unverträglich";
  case Fehlerart::Ueberlauf:
    return "Überlauf";
  case Fehlerart::Gleitkommafehler:
    return "Gleitkommafehler";
  case Fehlerart::AusserhalbGitter:
    return "Außerhalb des Gitters BeTA2007";
  case Fehlerart::Bereich:
    return "Außerhalb des Bereichs";
  case Fehlerart::OhneDatum:
    return "Datumswechsel nicht möglich";
  }
  return "Unbekannter Fehler";
}

Fehler::Fehler(Fehlerart art) : Fehler(art, Fehlername(art)) {}

Fehler::Fehler(Fehlerart art, const std::string& text) : std::runtime_error(text), art_(art) {}

} // namespace Voderedezazarire
