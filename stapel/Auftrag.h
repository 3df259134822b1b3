// What the command line asks for, and the one way a run is given up.
#pragma once

#include "Kodierung.h"
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
  Zeilenformat format; ///< its encoding is set when the input is known
  Kodierung kodierung = Kodierung::Erkennen;
  QByteArray eingabe; ///< the path's bytes; empty: standard input
  QByteArray ausgabe; ///< the path's bytes; empty: standard output
  bool kopfzeile = false;
};

/// Reads the command line (the first argument is the program itself), each
/// argument as ArgumentText (Datei.h) gives it.
/// --help and --version are answered here and end the process; a wrong
/// command line throws Abbruch.
Auftrag Auswerten(const QStringList& argumente);
