// The four coordinate systems of German surveying, described once: the name
// a command line gives them, the title a window shows, and their coordinates
// with captions and units. The console program's help, its directions, its
// column names and the datum windows' captions all loop over this table.
#pragma once

#include "Datumswechsel.h"

#include <QString>

#include <span>
#include <string_view>

/// How a coordinate is written in a point list.
enum class Koordinatenart : unsigned char {
  Meter,  ///< a length, three decimals (1 mm)
  Winkel, ///< degrees, minutes, seconds (or decimal degrees)
  Zone,   ///< the UTM zone: a whole number, maybe with its latitude band ("32U")
};

/// One coordinate of a system, as a column or a caption names it.
struct Koordinate {
  const char* name;    ///< the column's name: "Rechtswert"
  const char* einheit; ///< "m", "°", or "" for a number without unit
  Koordinatenart art = Koordinatenart::Meter;
  const char* spalte = ""; ///< the result column's name in a point list, ASCII: "Laenge"
};

struct Systembeschreibung {
  Bezugssystem system;
  const char* kurz;  ///< on the command line: "gk"
  const char* titel; ///< in windows and help: "Gauss-Krüger (DHDN)"
  /// x before y: Länge before Breite, Rechtswert before Hochwert; UTM
  /// with its zone first.
  std::span<const Koordinate> koordinaten;
  /// The point list's fields of the system, in the help text.
  const char* felder = "";
};

/// In the order of the chain GK, Geo, Etrs, UTM (see Bezugssystem).
extern const std::span<const Systembeschreibung> Bezugssysteme;

/// The entry of `system`.
const Systembeschreibung& Beschreibung(Bezugssystem system);
/// The entry whose `kurz` is `name`, or nullptr.
const Systembeschreibung* SystemNamens(std::string_view name);

/// The title of `system` as a window shows it: "Gauss-Krüger (DHDN)".
QString Systemtitel(Bezugssystem system);
/// A coordinate's caption: "Rechtswert [m]", "Zone"; `mitEinheit` false
/// gives its name alone ("Länge", for the degrees, minutes and seconds
/// under it).
QString Koordinatentext(const Koordinate& koordinate, bool mitEinheit = true);
