// Start of the console program: its identity and Qt's texts in German.
#include "Stapel.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("vazorodavazivovovar-stapel"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VAZ_VERSION));
  QTranslator qtTexte;
  if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTexte);
  }
  return StapelAusfuehren(QCoreApplication::arguments());
}
