#include "Bezugssysteme.h"

namespace {

constexpr Koordinate GK[] = {{"Rechtswert", "m"}, {"Hochwert", "m"}};
constexpr Koordinate Geographisch[] = {{"Länge", "°"}, {"Breite", "°"}};
constexpr Koordinate UTM[] = {{"Zone", ""}, {"Ostwert", "m"}, {"Nordwert", "m"}};

constexpr Systembeschreibung Tabelle[] = {
    {Bezugssystem::GK, "gk", "Gauss-Krüger (DHDN)", GK},
    {Bezugssystem::Geo, "geo", "Geographisch (DHDN, Bessel)", Geographisch},
    {Bezugssystem::Etrs, "etrs", "Geographisch (ETRS89, GPS)", Geographisch},
    {Bezugssystem::UTM, "utm", "UTM (ETRS89)", UTM},
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
