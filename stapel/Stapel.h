// The console program: its command line, then the input's lines streamed one
// by one through Zeilenumrechner into the output.
#pragma once

#include <QStringList>

/// Exit status: every line converted.
inline constexpr int AllesUmgerechnet = 0;
/// Exit status: some lines failed; their messages are in the output.
inline constexpr int ZeilenFehlgeschlagen = 1;
/// Exit status: a wrong command line, or the input or output failed.
inline constexpr int Abgebrochen = 2;

/// Runs the program on its command line (the first argument is the program
/// itself) and returns the exit status; --help and --version end the process.
int StapelAusfuehren(const QStringList& argumente);
