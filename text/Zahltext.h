// Number → text: how the result windows and the console program show a
// result, in the locale numbers are read in (Zahlenlocale, Textumwandlung.h).
// Failures throw Voderedezazarire::Fehler.
#pragma once

#include <QString>

#include <cstdint>

/// Metres with the pattern "#0.000": no grouping, the locale's decimal
/// separator, three decimals, and never "-0,000".
QString MeterText(double wert);

/// Decimal degrees with nine decimals (about 0.1 mm on the earth), the form
/// web maps take: "49,999123456"; never "-0,000000000".
QString GradText(double grad);

/// An angle in degrees, minutes and seconds as shown: whole degrees, whole
/// minutes and the seconds with five decimals (0.3 mm), rounded once on the
/// whole angle, so that 59,999996″ carries into the next minute and never
/// shows as 60,00000. As the series windows show angles, every part that is
/// not zero carries the minus sign of a southern or western angle.
struct Winkeltext {
  QString grad, minuten, sekunden;
};
Winkeltext GmsText(double grad);

/// A whole-number float as an integer ("-10", "0" for −0.0); overflow outside
/// −32768..32767.
QString GanzzahlText(float wert);

/// The Int16 that GanzzahlText writes: the value truncated toward zero;
/// overflow outside −32768..32767.
std::int16_t GanzzahlWert(float wert);
