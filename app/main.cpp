// Program start: the application's identity, then the main window.
#include "frmHaupt.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>

namespace {

/// The window icon in the window-frame sizes, rendered from the SVG of the
/// desktop entry (which menus and docks take).
QIcon Fenstersymbol() {
  QIcon symbol;
  for (const int groesse : {16, 32, 48, 64}) {
    symbol.addPixmap(QPixmap(QStringLiteral(":/fenstersymbol/%1.png").arg(groesse), "PNG"));
  }
  return symbol;
}

} // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));
  // Matches the desktop entry, so that docks show the menu's icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.vazorodavazivovovar.Vazorodavazivovovar"));
  // The program speaks German, so Qt's own texts (context menus, "OK") do too.
  auto* qtTexte = new QTranslator(&app);
  if (qtTexte->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(qtTexte);
  }

  auto* haupt = new frmHaupt;
  haupt->show();
  // Decoding the icon need not delay the first frame: it follows at once.
  QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(Fenstersymbol()); });
  return QApplication::exec();
}
