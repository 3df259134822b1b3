// One line of a point list in, one line out: the fields are read with the
// windows' number rules and stored into the core's record in the windows'
// order, the core converts, and the results are written as the result
// windows show them. The datum directions collect their points and convert
// them a block at a time with PROJ.
#pragma once

#include "Datumswechsel.h"
#include "Voderedezazarire.h"
#include "Zahlenstrom.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class Richtung {
  GeoGK, ///< [Punkt;]LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek;Streifen
  GKGeo, ///< [Punkt;]Rechtswert;Hochwert
  GKUTM, ///< [Punkt;]Rechtswert;Hochwert
  UTMGK  ///< [Punkt;]Zone;Ostwert;Nordwert, or [Punkt;]Ostwert;Nordwert with the zone in front
};

/// The options of the datum directions.
struct Datumsoptionen {
  int zone = Waehlen;          ///< gk-utm: this zone for every line
  int streifen = Waehlen;      ///< utm-gk: this strip for every line
  bool ostwertMitZone = false; ///< the zone in the easting's millions, not in a field
};

class Zeilenumrechner {
public:
  /// Throws Abbruch when a datum direction finds no grid.
  Zeilenumrechner(Richtung richtung, std::string trenner, Datumsoptionen datum = {});

  /// Appends the line and, each behind the separator, its results or the
  /// German message of its failure to `aus`, without a line end. A line of a
  /// datum direction waits in `aus` for its block: see Fertig.
  void Umrechnen(std::string_view zeile, std::string& aus);
  /// Converts the waiting lines and puts their results into `aus`, the
  /// string Umrechnen appended them to.
  void Fertig(std::string& aus);
  /// Lines converted so far, once Fertig has been called.
  [[nodiscard]] long long Umgerechnet() const { return umgerechnet_; }

  /// The names of the result columns, each behind the separator.
  [[nodiscard]] std::string Spaltennamen() const;

private:
  /// A point name and the seven numbers of geo-gk; more are only counted.
  static constexpr std::size_t MaxFelder = 8;
  static constexpr int Keines = -1; ///< no field or result to blame

  void Zerlegen(std::string_view zeile);
  [[nodiscard]] std::size_t Soll() const;
  /// The field `i` after the point name, remembered as the one to blame.
  std::string_view Feld(std::size_t i);
  /// Runs a conversion; an overflow there is blamed on field `quelle`.
  void Berechnen(void (*berechnung)(), std::size_t quelle);
  void GeoGK(std::string& aus);
  void GKGeo(std::string& aus);
  /// Reads a datum line's point into the block; its results come with Fertig.
  void DatumLesen(std::size_t stelle);
  void DatumSchreiben(const Datumspunkt& punkt, std::string& aus);
  [[nodiscard]] const char* Feldname(std::size_t i) const;
  [[nodiscard]] std::string Meldung(const Voderedezazarire::Fehler& fehler) const;

  Richtung richtung_;
  std::string trenner_;
  Datumsoptionen datum_;
  std::unique_ptr<Datumswechsel> wechsel_; ///< the datum directions only
  std::vector<Datumspunkt> block_;         ///< points waiting for their conversion
  std::vector<std::size_t> stellen_;       ///< where in `aus` each one's results go
  long long umgerechnet_ = 0;
  Zahlenleser leser_;
  Zahlenschreiber schreiber_;
  std::string_view felder_[MaxFelder];
  std::size_t anzahl_ = 0; ///< fields in the line, also beyond MaxFelder
  std::size_t erstes_ = 0; ///< index of the first number: 1 after a point name
  int feld_ = Keines;      ///< field being read, after the point name
  int ergebnis_ = Keines;  ///< result being written
};
