// What the command line asks for, and the one way a run is given up.
#pragma once

#include "Zeile.h"

#include <QString>
#include <QStringList>

#include <stdexcept>
#include <string>

/// A wrong command line or a failed input or output: the German message.
class Abbruch : public std::runtime_error {
public:
  explicit Abbruch(const QString& text) : std::runtime_error(text.toStdString()) {}
};

struct Auftrag {
  Richtung richtung = Richtung::GeoGK;
  QString eingabe; ///< empty: standard input
  QString ausgabe; ///< empty: standard output
  std::string trenner;
  bool kopfzeile = false;
  Datumsoptionen datum;
};

/// Reads the command line (the first argument is the program itself).
/// --help and --version are answered here and end the process; a wrong
/// command line throws Abbruch.
Auftrag Auswerten(const QStringList& argumente);
