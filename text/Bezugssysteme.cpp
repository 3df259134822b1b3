#include "Bezugssysteme.h"

namespace {

using enum Koordinatenart;

constexpr Koordinate GK[] = {{"Rechtswert", "m", Meter, "Rechtswert"},
                             {"Hochwert", "m", Meter, "Hochwert"}};
constexpr Koordinate Geographisch[] = {{"Länge", "°", Winkel, "Laenge"},
                                       {"Breite", "°", Winkel, "Breite"}};
constexpr Koordinate UTM[] = {{"Zone", "", Zone, "Zone"},
                              {"Ostwert", "m", Meter, "Ostwert"},
                              {"Nordwert", "m", Meter, "Nordwert"}};

constexpr Systembeschreibung Tabelle[] = {
    {Bezugssystem::GK, "gk", "Gauss-Krüger (DHDN)", GK, "Rechtswert;Hochwert"},
    {Bezugssystem::Geo, "geo", "Geographisch (DHDN, Bessel)", Geographisch,
     "Länge G;M;S;Breite G;M;S, bei geo-gk dahinter der Streifen"},
    {Bezugssystem::Etrs, "etrs", "Geographisch (ETRS89, GPS)", Geographisch,
     "Länge G;M;S;Breite G;M;S"},
    {Bezugssystem::UTM, "utm", "UTM (ETRS89)", UTM, "Zone;Ostwert;Nordwert"},
};

} // namespace

const std::span<const Systembeschreibung> Bezugssysteme = Tabelle;

const Systembeschreibung& Beschreibung(Bezugssystem system) {
  return Tabelle[static_cast<std::size_t>(system)];
}

const Systembeschreibung* SystemNamens(std::string_view name) {
  for (const Systembeschreibung& s : Tabelle) {
    if (name == s.kurz) {
      return &s;
    }
  }
  return nullptr;
}

QString Systemtitel(Bezugssystem system) {
  return QString::fromUtf8(Beschreibung(system).titel);
}

QString Koordinatentext(const Koordinate& koordinate, bool mitEinheit) {
  QString text = QString::fromUtf8(koordinate.name);
  if (mitEinheit && *koordinate.einheit) {
    text += QStringLiteral(" [") + QString::fromUtf8(koordinate.einheit) + QLatin1Char(']');
  }
  return text;
}
