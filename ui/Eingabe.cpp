#include "Eingabe.h"

#include <QLineEdit>

#include <type_traits>

void Eingabe::Umrechnen(const Umrechnungsrichtung& richtung, std::span<QLineEdit* const> felder,
                        Umrechnungsdatensatz& u) {
  FelderLesen(richtung, u, [&](std::size_t i, auto& ziel) {
    feld_ = felder[i];
    ganzzahlig_ = std::is_integral_v<std::remove_reference_t<decltype(ziel)>>;
    TextLesen(feld_->text(), ziel);
  });
  feld_ = nullptr;
  Berechnen(richtung, u, [&](std::size_t i) {
    feld_ = felder[i];
    ganzzahlig_ = false;
  });
}
