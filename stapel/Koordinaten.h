// The coordinates of the source system in a point list's fields: which
// fields it takes (from the table of systems, Bezugssysteme.h, and the
// options) and how they are read into a point, with a message naming the
// field and the option that reads a failing line right. With --wie-fenster
// the fields are those of the input windows (Eingabefelder.h), read into
// the windows' record in its widths.
#pragma once

#include "Auftrag.h"
#include "Bezugssysteme.h"
#include "Datumswechsel.h"
#include "Eingabefelder.h"
#include "Satzleser.h"
#include "Voderedezazarire.h"
#include "Zahlenstrom.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// One field of a point list: its caption in messages and how it is read.
struct Punktfeld {
  std::string name; ///< "Länge – Sekunden"
  Koordinatenart art;
};

/// A point list's point, read: for the exact conversion, or the windows'
/// record.
struct Gelesen {
  Datumspunkt punkt;
  char band = '\0'; ///< a UTM zone's latitude band as it came, or none
};

/// A Gauss-Krüger coordinate far from its strip's central meridian: a
/// misread column.
struct Fern {
  double abstand; ///< [m], negative: west
  int streifen;
};

class Koordinaten {
public:
  explicit Koordinaten(const Zeilenformat& format);

  /// The coordinate fields the source system takes, in their order.
  [[nodiscard]] const std::vector<Punktfeld>& Felder() const { return felder_; }

  /// Reads the point whose coordinates start at field `erstes` (0-based).
  /// Returns the message of its failure ("" when it was read), naming the
  /// field and, where it helps, the option that reads it right.
  std::string Lesen(Satzleser& satz, std::size_t erstes, Gelesen& ziel);
  /// The same into the windows' record (--wie-fenster).
  std::string Lesen(Satzleser& satz, std::size_t erstes, Voderedezazarire::Umrechnungsdatensatz& u);

private:
  /// The fields of `erstes` on, read without messages: whether they hold
  /// the coordinates.
  bool Gelingt(Satzleser& satz, std::size_t erstes);
  void Einlesen(Satzleser& satz, std::size_t erstes, Gelesen& ziel);
  double Zahl(Satzleser& satz, std::size_t feld);
  double Winkel(Satzleser& satz, std::size_t erstes, std::size_t& feld);
  int ZoneLesen(std::string_view text, char& band) const;
  std::string Spaltenhinweis(Satzleser& satz, std::size_t erstes);
  std::string Fernmeldung(const Fern& fern, Satzleser& satz, std::size_t erstes);
  std::string Meldung(const Voderedezazarire::Fehler& fehler, Satzleser& satz, std::size_t erstes);

  Zeilenformat format_;
  std::vector<Punktfeld> felder_;
  Zahlenleser leser_;
  std::optional<Zahlenleser> anderer_; ///< the other decimal mark, for the hint
  const Umrechnungsrichtung* fenster_ = nullptr;
  std::size_t feld_ = 0; ///< the coordinate being read
};

/// The coordinates of `system` in a point list's order: x before y, or
/// Breite first with `breiteZuerst`.
std::vector<Koordinate> Reihenfolge(Bezugssystem system, bool breiteZuerst);

/// The message of a Rechtswert farther than GkHoechstabstand from the
/// central meridian of `streifen`: how far, and the nearest strip
/// (Waehlen: none to name).
std::string Meridianmeldung(double abstand, int streifen, int naechster);
