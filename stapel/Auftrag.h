// What the command line asks for.
#pragma once

#include "Ausgang.h"
#include "Datumswechsel.h"
#include "Kodierung.h"

#include <QString>
#include <QStringList>

#include <cstddef>

/// Fields separated by runs of blanks and tabs, as fixed-column files are
/// written (--trenner leer).
inline constexpr char Leerraum = ' ';

/// How the records of one run look and what is made of them.
struct Zeilenformat {
  Bezugssystem quelle = Bezugssystem::Geo;
  Bezugssystem ziel = Bezugssystem::GK;
  bool wieFenster = false; ///< geo-gk, gk-geo: the windows' series and widths
  char trenner = ';';
  bool leer = false;           ///< --trenner leer: runs of blanks and tabs
  bool trennerGesetzt = false; ///< --trenner was given: a "sep=" line must agree
  std::size_t spalte = 0;      ///< the first coordinate's field, 0-based
  QString spaltenname;         ///< --spalte NAME: found in the header
  char dezimal = '\0';         ///< '.' or ','; '\0': the locale's
  bool grad = false;           ///< angles as one field of decimal degrees
  bool breiteZuerst = false;   ///< Breite before Länge
  bool ostwertMitZone = false; ///< the zone in the UTM easting's millions, not in a field
  int zone = Waehlen;          ///< into UTM: this zone for every record
  int streifen = Waehlen;      ///< into GK (not from geo): this strip for every record
  bool windows1252 = false;    ///< the input's encoding, and so the output's
};

struct Auftrag {
  Zeilenformat format; ///< its encoding is set when the input is known
  Kodierung kodierung = Kodierung::Erkennen;
  QByteArray eingabe; ///< the path's bytes; empty: standard input
  QByteArray ausgabe; ///< the path's bytes; empty: standard output
  bool kopfzeile = false;
};

/// The field separator `wahl` ("tab" for a tab) with the decimal mark
/// `dezimal` ('\0': the locale's): throws Abbruch for one that can stand
/// in numbers.
char Feldtrenner(const QString& wahl, char dezimal);

/// Reads the command line (the first argument is the program itself), each
/// argument as ArgumentText (Datei.h) gives it.
/// --help and --version are answered here and end the process; a wrong
/// command line throws Abbruch.
Auftrag Auswerten(const QStringList& argumente);
