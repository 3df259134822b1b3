// Program start: the application's identity, then the main window.
#include "Programmstart.h"
#include "QtTexte.h"
#include "frmHaupt.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QApplication::setApplicationVersion(QStringLiteral(VAZ_VERSION));
  // Matches the desktop entry, so that docks show the menu's icon and name.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.vazorodavazivovovar.Vazorodavazivovovar"));
  QApplication::setWindowIcon(Fenstersymbol());

  auto* haupt = new frmHaupt;
  haupt->show();
  // The program speaks German, so Qt's own texts do too; the main window
  // shows none of them, so they may wait until it is on the screen.
  NachDemErstenBild(haupt, [&app] { QtTexteLaden(app); });
  return QApplication::exec();
}
