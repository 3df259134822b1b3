// One record of a point list in, one record out. Records and fields are read
// as spreadsheets write them (RFC 4180): a field in double quotes may hold
// the separator, line breaks and "" for a quote. The coordinates sit at fixed
// positions: field 1, or field 2 behind a point name. The directions of the
// windows read them as the input windows do, through the same description of
// each field (Eingabefelder.h), into a record of their own; the core
// converts, and the results are appended to the record as the result windows
// show them. Every input field is written back as it came.
// The datum directions read their records' points into a block, which PROJ
// converts when the output is written: see Fertig.
#pragma once

#include "Datumswechsel.h"
#include "Eingabefelder.h"
#include "Voderedezazarire.h"
#include "Zahlenstrom.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Richtung {
  GeoGK, ///< LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek;Streifen
  GKGeo, ///< Rechtswert;Hochwert
  GKUTM, ///< Rechtswert;Hochwert
  UTMGK  ///< Zone;Ostwert;Nordwert, or Ostwert;Nordwert with the zone in front
};

/// How the records of one run look.
struct Zeilenformat {
  Richtung richtung = Richtung::GeoGK;
  char trenner = ';';
  bool punkt = false;          ///< field 1 is a point name
  bool windows1252 = false;    ///< the input's encoding, and so the output's
  int zone = Waehlen;          ///< gk-utm: this zone for every record
  int streifen = Waehlen;      ///< utm-gk: this strip for every record
  bool ostwertMitZone = false; ///< the zone in the UTM easting's millions, not in a field
};

class Zeilenumrechner {
public:
  /// `wechsel`: the datum change, for gk-utm and utm-gk only.
  explicit Zeilenumrechner(const Zeilenformat& format, Datumswechsel* wechsel = nullptr);

  /// Splits the record at the start of `text` into fields. Returns the
  /// offset of the '\n' that ends it, or of the end of `text` when `letzter`
  /// says no more input follows; npos when more input is needed or, with
  /// `letzter`, a quote is never closed.
  std::size_t Zerlegen(std::string_view text, bool letzter);

  /// Appends the record `satz` (split by Zerlegen, without its line end)
  /// and, each behind the separator, its results or the message of its
  /// failure. False when the record failed.
  bool Umrechnen(std::string_view satz, std::string& aus);

  /// Whether the record split by Zerlegen would convert.
  bool Umrechenbar();

  /// Converts the records of a datum direction that Umrechnen has put into
  /// `aus` and counted as converted, and writes their results or messages
  /// into `aus` behind each. Returns how many of them failed.
  long long Fertig(std::string& aus);

  /// The names of the result columns, each behind the separator.
  [[nodiscard]] std::string Spaltennamen() const;

private:
  /// What makes a direction: its coordinate fields as the input windows
  /// name them, its result columns and its conversion.
  struct Art {
    std::vector<std::string> felder;
    std::span<const char* const> spalten;
    void (Zeilenumrechner::*umrechnen)(std::string& aus);
  };
  static Art ArtVon(const Zeilenformat& format);

  /// Fields kept for reading; more are only counted and copied.
  static constexpr std::size_t MaxFelder = 16;
  static constexpr int Keines = -1; ///< no field or result to blame

  /// Converts with the coordinates from field `erstes` (0-based) on;
  /// throws Fehler.
  void Versuchen(std::size_t erstes, std::string& aus);
  /// Whether that conversion succeeds; its output is dropped.
  bool Gelingt(std::size_t erstes);
  /// The value of coordinate `i`, remembered as the field to blame.
  std::string_view Feld(std::size_t i);
  /// Reads the fields of `richtung` into the record and converts it, as an
  /// input window does.
  void Kern(const Umrechnungsrichtung& richtung);
  void GeoGK(std::string& aus);
  void GKGeo(std::string& aus);
  void GKUTM(std::string& aus);
  void UTMGK(std::string& aus);
  /// Puts the point into the block, its results to come at the end of `aus`.
  void Einreihen(const Datumspunkt& punkt, const std::string& aus);
  void DatumSchreiben(const Datumspunkt& punkt, std::string& aus) const;
  [[nodiscard]] std::string Meldung(const Voderedezazarire::Fehler& fehler) const;
  /// Appends a text of this program as one field, in the output's encoding.
  void Anhaengen(std::string_view utf8, std::string& aus) const;

  Voderedezazarire::Umrechnungsdatensatz daten_; ///< the record each line is converted in
  Zeilenformat format_;
  Art art_;
  Zahlenleser leser_;
  Zahlenschreiber schreiber_;
  std::string_view felder_[MaxFelder]; ///< as they came, quotes included
  std::size_t anzahl_ = 0;             ///< fields in the record, also beyond MaxFelder
  std::size_t erstes_ = 0;             ///< index of the first coordinate
  std::string wert_;                   ///< a field's value when it differs from its text
  std::string probe_;                  ///< output of a trial conversion
  int feld_ = Keines;                  ///< coordinate being read
  int ergebnis_ = Keines;              ///< result being written
  Datumswechsel* wechsel_;
  std::vector<Datumspunkt> block_;   ///< points waiting for the datum change
  std::vector<std::size_t> stellen_; ///< where in `aus` each one's results go
};
