// What each direction reads, described once for the windows, the console
// program and the tests: its input fields in the order they are read, each
// with its caption and the record member it fills; the conversion; and the
// field an overflow of the conversion's integer products is blamed on.
#pragma once

#include "Textumwandlung.h"
#include "Voderedezazarire.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

using Voderedezazarire::Umrechnungsdatensatz;

/// The record member a field fills. Its type says how the text is read:
/// float as Single (TextAlsSingle), std::int16_t as Integer
/// (TextAlsInteger), double as Double (TextAlsDouble).
using Datenglied = std::variant<float Umrechnungsdatensatz::*, std::int16_t Umrechnungsdatensatz::*,
                                double Umrechnungsdatensatz::*>;

struct Eingabefeld {
  const char* gruppe;       ///< the heading over the field's block, or "" for none
  const char* beschriftung; ///< the caption of the field itself
  Datenglied glied;
};

struct Umrechnungsrichtung {
  std::span<const Eingabefeld> felder; ///< in the order they are read
  void (*berechnung)(Umrechnungsdatensatz&);
  /// The field whose value both integer products of the conversion take:
  /// the strip, or the easting the strip is taken from.
  std::size_t ueberlaufFeld;
};

/// Longitude and latitude in degrees, minutes, seconds, then the strip.
extern const Umrechnungsrichtung RichtungGeoGK;
/// Rechtswert, then Hochwert.
extern const Umrechnungsrichtung RichtungGKGeo;

/// The field's name in messages: "Geographische Breite – Sekunden".
QString Feldname(const Eingabefeld& feld);

/// Reads `text` as the type of `ziel` says (see Datenglied).
inline void TextLesen(const QString& text, float& ziel) {
  ziel = TextAlsSingle(text);
}
inline void TextLesen(const QString& text, std::int16_t& ziel) {
  ziel = TextAlsInteger(text);
}
inline void TextLesen(const QString& text, double& ziel) {
  ziel = TextAlsDouble(text);
}

/// Reads every field of `richtung` into `u`, in order: `lesen(i, ziel)`
/// converts the text of field i into `ziel` (float&, std::int16_t& or
/// double&). A failing field stops the reading; the fields before it stay
/// stored.
template <typename Lesen>
void FelderLesen(const Umrechnungsrichtung& richtung, Umrechnungsdatensatz& u, Lesen&& lesen) {
  for (std::size_t i = 0; i < richtung.felder.size(); ++i) {
    std::visit([&](auto glied) { lesen(i, u.*glied); }, richtung.felder[i].glied);
  }
}

/// Converts `u` in `richtung`. An overflow there stems from the field
/// `richtung.ueberlaufFeld`: `beschuldigen(i)` learns it before the error
/// goes on.
template <typename Beschuldigen>
void Berechnen(const Umrechnungsrichtung& richtung, Umrechnungsdatensatz& u,
               Beschuldigen&& beschuldigen) {
  try {
    richtung.berechnung(u);
  } catch (const Voderedezazarire::Fehler& fehler) {
    if (fehler.art() == Voderedezazarire::Fehlerart::Ueberlauf) {
      beschuldigen(richtung.ueberlaufFeld);
    }
    throw;
  }
}
