// The console program: its command line, then the input's lines streamed one
// by one through Zeilenumrechner into the output.
#pragma once

#include <QStringList>

/// Runs the program on its command line (the first argument is the program
/// itself) and returns the exit status (Ausgang.h); --help and --version end the process.
int StapelAusfuehren(const QStringList& argumente);
