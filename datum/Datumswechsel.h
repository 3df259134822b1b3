// The four coordinate systems of German surveying and the exact way between
// any two of them, with PROJ, on the fixed operation "DHDN to ETRS89 (8)":
//
//   Gauss-Krüger ── geographic DHDN ── geographic ETRS89 ── UTM
//     (tmerc, Bessel)        (hgridshift, BeTA2007)      (utm, GRS80)
//
// Every conversion walks this chain step by step, so a value is the same
// whichever program asks and whichever system it started from. Both
// projections are the exact transverse Mercator (Poder/Engsager), pinned so
// that no proj.ini can choose another; the datum step is the national NTv2
// grid BeTA2007 and nothing else: a point outside it is never converted by
// another means. Points are converted in blocks, one PROJ object per strip
// and per zone. PROJ is loaded by its soname when the first Datumswechsel is
// made, so a program that never changes the datum never loads it.
//
// Valid inside the grid (Germany and a margin around it). Gauss-Krüger
// coordinates are accepted within GkHoechstabstand of their strip's central
// meridian, UTM only in the zones of Germany. Standard C++ only, no Qt: the
// messages are German, in UTF-8.
#pragma once

#include <cmath>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

struct pj_ctx;
struct PJconsts;

/// The systems, in the order of the chain above.
enum class Bezugssystem : unsigned char {
  GK,   ///< DHDN Gauss-Krüger, 3° strips: Rechtswert, Hochwert [m]; bereich = strip
  Geo,  ///< DHDN geographic on Bessel: Länge, Breite [°]
  Etrs, ///< ETRS89 geographic on GRS80: Länge, Breite [°]
  UTM,  ///< ETRS89 UTM: Ostwert without the zone, Nordwert [m]; bereich = zone
};

/// Why a point was not converted.
enum class Datumsfehler : unsigned char {
  Keiner,
  Abbildung,         ///< no position for the coordinates in their projection
  AusserhalbGitter,  ///< outside the BeTA2007 grid: never converted otherwise
  AusserhalbBereich, ///< a UTM easting outside its zone's 1,000 km
  FernVomMeridian,   ///< Gauss-Krüger farther than GkHoechstabstand from the central meridian
  Bereich, ///< a strip or zone that is not one of Germany's (see StreifenGueltig, ZoneGueltig)
};

/// One point of a block, converted in place.
struct Datumspunkt {
  double ost = 0;  ///< Länge [°], Rechtswert or Ostwert without the zone [m]
  double nord = 0; ///< Breite [°], Hochwert or Nordwert [m]
  int bereich = 0; ///< the strip (GK) or zone (UTM): in with the input, out with the result
  Datumsfehler fehler = Datumsfehler::Keiner;
  /// With FernVomMeridian: the point's distance east of the central meridian
  /// [m] (negative: west), and the strip whose central meridian is nearest
  /// (Waehlen when the input was Gauss-Krüger itself).
  double abstand = 0;
  int naechster = 0;
};

/// The grid file, as Debian's proj-data ships it.
inline constexpr const char* GitterDatei = "BETA2007.gsb";
/// The UTM zones of Germany; the zone changes at the ETRS89 longitude
/// Zonengrenze [°]: WestZone west of it, OstZone from it.
inline constexpr int WestZone = 32;
inline constexpr int OstZone = 33;
inline constexpr double Zonengrenze = 12.0;
/// The strip or zone stands in the easting's millions [m].
inline constexpr double MeterJeMillion = 1000000.0;
/// The central meridian's easting inside its million [m].
inline constexpr double Falschost = 500000.0;
/// Strip N has its central meridian at GradJeStreifen × N [°]; 120 is the last.
inline constexpr int GradJeStreifen = 3;
inline constexpr int LetzterStreifen = 120;
/// Nobody uses Gauss-Krüger farther out than this from the central meridian
/// [m]: such a coordinate is a misread column, not a point.
inline constexpr double GkHoechstabstand = 300000.0;
/// Strip or zone chosen from the point, not forced: the strip of the nearest
/// central meridian (DHDN longitude), the zone by ETRS89 longitude.
inline constexpr int Waehlen = -1;
/// Gauss-Krüger target strip taken from each point's own `bereich`.
inline constexpr int ImPunkt = -2;

inline constexpr bool StreifenGueltig(int streifen) {
  return streifen >= 0 && streifen <= LetzterStreifen;
}
inline constexpr bool ZoneGueltig(int zone) {
  return zone == WestZone || zone == OstZone;
}
/// The strip in the easting's millions, toward minus infinity; -1 far
/// outside the strips.
inline int StreifenVon(double rechtswert) {
  const double millionen = std::floor(rechtswert / MeterJeMillion);
  return millionen >= 0.0 && millionen <= LetzterStreifen ? static_cast<int>(millionen) : -1;
}
/// The strip of the central meridian nearest to the longitude [°]; -1 west
/// of the first.
inline int NaechsterStreifen(double laenge) {
  const double streifen = std::round(laenge / GradJeStreifen);
  return streifen >= 0.0 && streifen <= LetzterStreifen ? static_cast<int>(streifen) : -1;
}
/// How far a Rechtswert lies east of its strip's central meridian [m].
inline double Meridianabstand(double rechtswert, int streifen) {
  return rechtswert - (streifen * MeterJeMillion + Falschost);
}

/// Why no point can be converted at all: PROJ or the grid cannot be had.
/// what() is the German message, naming the Debian package.
class Datumsabbruch : public std::runtime_error {
public:
  enum class Art : unsigned char {
    ProjFehlt,      ///< the library cannot be loaded
    GitterFehlt,    ///< BETA2007.gsb is not found
    GitterUnlesbar, ///< it is found, but does not shift a point inside it
    NichtEnthalten, ///< this build has no datum change
  };
  Datumsabbruch(Art art, const std::string& text) : std::runtime_error(text), art_(art) {}
  [[nodiscard]] Art art() const { return art_; }

private:
  Art art_;
};

class Datumswechsel {
public:
  /// Loads PROJ (once per process), opens a context without network access
  /// and without log output, and the grid; checks that the grid shifts a
  /// point in its middle. Throws Datumsabbruch.
  Datumswechsel();
  ~Datumswechsel();
  Datumswechsel(const Datumswechsel&) = delete;
  Datumswechsel& operator=(const Datumswechsel&) = delete;

  /// Converts the points from `von` to `nach`. `ziel` is the target strip
  /// or zone: Waehlen, a number, or for Gauss-Krüger ImPunkt. Points that
  /// fail keep their error and are left alone by the later steps; points
  /// that come in failed stay so. An input in Gauss-Krüger or UTM is
  /// checked first (strip or zone, the distance from the central meridian),
  /// and so is a result.
  void Umrechnen(std::span<Datumspunkt> punkte, Bezugssystem von, Bezugssystem nach,
                 int ziel = Waehlen);

private:
  struct Loescher {
    void operator()(PJconsts* p) const;
  };
  using Objekt = std::unique_ptr<PJconsts, Loescher>;

  PJconsts* Erzeugen(const std::string& definition) const;
  PJconsts* Streifen(int nummer);
  PJconsts* Zone(int nummer);
  void Schritt(std::span<Datumspunkt> punkte, Bezugssystem von, bool hin, int ziel);

  std::unique_ptr<pj_ctx, void (*)(pj_ctx*)> kontext_;
  Objekt gitter_;
  std::map<int, Objekt> streifen_;
  std::map<int, Objekt> zonen_;
};
