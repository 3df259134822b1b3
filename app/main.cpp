// Program start: the application's identity, then the main window.
#include "frmHaupt.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  // Matches the desktop entry, so that docks show the menu's icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.vazorodavazivovovar.Vazorodavazivovovar"));
  QIcon symbol;
  for (const char* groesse : {"16", "32", "64", "256"}) {
    symbol.addFile(QStringLiteral(":/fenstersymbol/%1.png").arg(QLatin1String(groesse)));
  }
  QApplication::setWindowIcon(symbol);
  // The program speaks German, so Qt's own texts (context menus, "OK") do too.
  auto* qtTexte = new QTranslator(&app);
  if (qtTexte->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qtTexte);
  }

  auto* haupt = new frmHaupt;
  haupt->show();
  return QApplication::exec();
}
