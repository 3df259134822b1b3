// Number → text: how the result windows and the console program show a
// result, in the locale numbers are read in (Zahlenlocale, Textumwandlung.h).
// Failures throw Voderedezazarire::Fehler.
#pragma once

#include <QString>

#include <cstdint>

/// Metres with the pattern "#0.000": no grouping, the locale's decimal
/// separator, three decimals, and never "-0,000".
QString MeterText(double wert);

/// A whole-number float as an integer ("-10", "0" for −0.0); overflow outside
/// −32768..32767.
QString GanzzahlText(float wert);

/// The Int16 that GanzzahlText writes: the value truncated toward zero;
/// overflow outside −32768..32767.
std::int16_t GanzzahlWert(float wert);
