// The one place where errors meet the user: every event handler runs through
// Ereignis(), which catches what the handler raises, shows it and returns.
// No exception ever leaves a Qt slot.
#pragma once

#include "Eingabe.h"
#include "Voderedezazarire.h"

#include <QString>

#include <functional>

class QWidget;

/// Shows one error message; tests replace it so that no modal box blocks.
using Melder = std::function<void(QWidget* fenster, const QString& titel, const QString& text)>;

/// Replaces the reporter; an empty one restores the message box.
void MelderSetzen(Melder melder);

/// What the failing box holds, for the hint a type mismatch gives.
enum class Feldinhalt { Zahl, Ganzzahl, Leer, ZuLang };

/// The German message for an error: its kind, the text box to blame if any
/// (`feldname`), and a hint fitting what that box holds; the datum change's
/// kinds give their particulars (`einzelheit`) as the hint.
QString Fehlertext(Voderedezazarire::Fehlerart art, const QString& feldname = {},
                   Feldinhalt inhalt = Feldinhalt::Zahl, const QString& einzelheit = {});

/// Runs one event handler of `fenster`. A Fehler stops it at that step and is
/// reported; the focus then returns to the failing text box, text selected.
void Ereignis(QWidget* fenster, const std::function<void(Eingabe&)>& handler) noexcept;
