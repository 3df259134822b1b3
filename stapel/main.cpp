// Start of the console program: its identity and Qt's texts in German.
#include "QtTexte.h"
#include "Stapel.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vazorodavazivovovar-stapel"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VAZ_VERSION));
  QtTexteLaden(app);
  return StapelAusfuehren(QCoreApplication::arguments());
}
