// Program start: create and show the main window, nothing else.
#include "frmHaupt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QApplication::setApplicationVersion(QStringLiteral("1.0"));

  auto* haupt = new frmHaupt;
  haupt->show();
  return QApplication::exec();
}
