// One line of a point list in, one line out: the fields are read with the
// windows' number rules and stored into the core's record in the windows'
// order, the core converts, and the results are written as the result
// windows show them.
#pragma once

#include "Voderedezazarire.h"
#include "Zahlenstrom.h"

#include <string>
#include <string_view>

enum class Richtung {
  GeoGK, ///< [Punkt;]LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek;Streifen
  GKGeo  ///< [Punkt;]Rechtswert;Hochwert
};

class Zeilenumrechner {
public:
  Zeilenumrechner(Richtung richtung, std::string trenner);

  /// Appends the line and, each behind the separator, its results or the
  /// German message of its failure to `aus`, without a line end. False when
  /// the line failed.
  bool Umrechnen(std::string_view zeile, std::string& aus);

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
  void Berechnen(void (*berechnung)(Voderedezazarire::Umrechnungsdatensatz&), std::size_t quelle);
  void GeoGK(std::string& aus);
  void GKGeo(std::string& aus);
  [[nodiscard]] std::string Meldung(Voderedezazarire::Fehlerart art) const;

  Voderedezazarire::Umrechnungsdatensatz daten_; ///< the record each line is converted in
  Richtung richtung_;
  std::string trenner_;
  Zahlenleser leser_;
  Zahlenschreiber schreiber_;
  std::string_view felder_[MaxFelder];
  std::size_t anzahl_ = 0; ///< fields in the line, also beyond MaxFelder
  std::size_t erstes_ = 0; ///< index of the first number: 1 after a point name
  int feld_ = Keines;      ///< field being read, after the point name
  int ergebnis_ = Keines;  ///< result being written
};
