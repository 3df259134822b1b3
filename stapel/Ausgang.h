// The console program's exit status, for the command line, the run and the
// start alike, and the one way a run is given up.
#pragma once

#include <QString>

#include <stdexcept>

/// Every line converted.
inline constexpr int AllesUmgerechnet = 0;
/// Some lines failed; their messages are in the output.
inline constexpr int ZeilenFehlgeschlagen = 1;
/// A wrong command line, or the input or output failed.
inline constexpr int Abgebrochen = 2;

/// A wrong command line or a failed input or output: the German message.
/// The run ends with Abgebrochen.
class Abbruch : public std::runtime_error {
public:
  explicit Abbruch(const QString& text) : std::runtime_error(text.toStdString()) {}
};
