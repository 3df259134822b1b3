// The console program's exit status, for the command line, the run and the
// start alike.
#pragma once

/// Every line converted.
inline constexpr int AllesUmgerechnet = 0;
/// Some lines failed; their messages are in the output.
inline constexpr int ZeilenFehlgeschlagen = 1;
/// A wrong command line, or the input or output failed.
inline constexpr int Abgebrochen = 2;
