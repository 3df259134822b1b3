// Text → number: how a text box or a file's field is read into the
// conversion state (number → text: Zahltext.h). Numbers are read in the
// user's locale; without a configured locale (C/POSIX) German conventions
// apply, since the program is made for German systems. Failures throw
// Voderedezazarire::Fehler.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

/// The longest text read as a number [characters], the classic limit of a
/// text box. A longer text is refused as a whole, never cut to fit.
inline constexpr qsizetype Hoechstlaenge = 32767;

/// The locale numbers are read and written in: the default locale, or German
/// where none is configured; digit grouping is neither written nor accepted.
QLocale Zahlenlocale();

/// Text → float. Type mismatch for empty text, blanks, grouping, "nan",
/// "inf", a text longer than Hoechstlaenge or anything else that is no
/// number; overflow beyond the float range. Underflow is no error: "1e-50"
/// and "0,000…0001" with hundreds of zeros read as 0.
float TextAlsSingle(const QString& text);

/// Text → double, with the same rules on the double range.
double TextAlsDouble(const QString& text);

/// Text → Int16. A whole number ("3", "+3", "3,0"); a fraction ("3,5") is a
/// type mismatch, since rounding would silently compute in another strip;
/// outside −32768..32767 is an overflow.
std::int16_t TextAlsInteger(const QString& text);

/// The range rules of TextAlsSingle on a number already read: overflow from
/// where the value rounds to an infinite float on.
float SingleAusDouble(double wert);

/// The rules of TextAlsInteger on a number already read: a fraction is a type
/// mismatch, outside −32768..32767 an overflow.
std::int16_t IntegerAusDouble(double wert);
