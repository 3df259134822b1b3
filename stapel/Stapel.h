// The console program: its command line, then the input streamed block by
// block: records read (Satzleser), their points read (Koordinaten),
// converted together (Umrechner) and each record written once (Schreiber).
#pragma once

#include <QStringList>

/// Runs the program on its command line (the first argument is the program
/// itself) and returns the exit status (Ausgang.h); --help and --version end the process.
int StapelAusfuehren(const QStringList& argumente);
