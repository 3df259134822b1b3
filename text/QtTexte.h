// Qt's own texts (context menus, "OK", file errors) in German, for both
// programs: they speak German whatever the system's language.
#pragma once

class QCoreApplication;

/// Installs Qt's German translation on `app` when the system has it
/// (package qt6-translations-l10n); without it Qt's texts stay English.
void QtTexteLaden(QCoreApplication& app);
