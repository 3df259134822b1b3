#include "QtTexte.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void QtTexteLaden(QCoreApplication& app) {
  auto* qtTexte = new QTranslator(&app);
  if (qtTexte->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtTexte);
  }
}
