// The datum change between DHDN/Gauss-Krüger and ETRS89/UTM with PROJ, on
// the fixed operation "DHDN to ETRS89 (8)": the exact inverse transverse
// Mercator on Bessel for the strip, the national grid BeTA2007 (NTv2,
// hgridshift), the exact UTM on GRS80 for the zone; and back the inverse.
// Points are converted in blocks, one PROJ object per strip and per zone.
#pragma once

#include <map>
#include <memory>
#include <span>

struct pj_ctx;
struct PJconsts;

/// Why a point was not converted.
enum class Datumsfehler : unsigned char {
  Keiner,
  Abbildung,         ///< no geographic position for the input coordinates
  AusserhalbGitter,  ///< outside the BeTA2007 grid: never converted otherwise
  AusserhalbBereich, ///< the result's easting leaves its strip's or zone's million
};

/// One point of a block, converted in place.
struct Datumspunkt {
  double ost = 0;  ///< in: Rechtswert (gk-utm) or Ostwert (utm-gk) [m]; out: the other one
  double nord = 0; ///< in: Hochwert or Nordwert [m]; out: the other one
  int bereich = 0; ///< in: strip (gk-utm) or zone (utm-gk); out: zone or strip
  Datumsfehler fehler = Datumsfehler::Keiner;
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
/// Strip N has its central meridian at 3° × N: 120 is the last meridian.
inline constexpr int LetzterStreifen = 120;
/// Zone or strip chosen from the longitude, not forced.
inline constexpr int Waehlen = -1;

class Datumswechsel {
public:
  /// Opens PROJ without network access and the grid; throws Abbruch with
  /// the file and its Debian package when the grid cannot be found.
  Datumswechsel();
  ~Datumswechsel();
  Datumswechsel(const Datumswechsel&) = delete;
  Datumswechsel& operator=(const Datumswechsel&) = delete;

  /// Gauss-Krüger in the strip `bereich` to UTM in `zone`, or the zone of the
  /// ETRS89 longitude when `zone` is Waehlen. Points already failed stay so.
  void GKNachUTM(std::span<Datumspunkt> punkte, int zone);
  /// UTM in the zone `bereich` to Gauss-Krüger in `streifen`, or the strip of
  /// the nearest central meridian 3° × round(λ / 3°) when it is Waehlen.
  void UTMNachGK(std::span<Datumspunkt> punkte, int streifen);

private:
  struct Loescher {
    void operator()(PJconsts* p) const;
  };
  using Objekt = std::unique_ptr<PJconsts, Loescher>;

  PJconsts* Erzeugen(const char* definition) const;
  PJconsts* Streifen(int nummer);
  PJconsts* Zone(int nummer);

  std::unique_ptr<pj_ctx, void (*)(pj_ctx*)> kontext_;
  Objekt gitter_;
  std::map<int, Objekt> streifen_;
  std::map<int, Objekt> zonen_;
};
