// Renders each of the five windows with a worked example filled in and
// saves them as PNG files: bildschirmfotos OUTPUT_DIR
#include "Fensterdaten.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"
#include "frmHaupt.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cstdio>

namespace {

bool Speichern(QWidget* fenster, const QDir& ziel, const QString& name) {
  fenster->show();
  QApplication::processEvents();
  const QString pfad = ziel.filePath(name + QStringLiteral(".png"));
  if (!fenster->grab().save(pfad)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
    return false;
  }
  std::printf("%s\n", qPrintable(pfad));
  return true;
}

} // namespace

int main(int argc, char* argv[]) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  const QDir ziel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!ziel.exists() && !QDir().mkpath(ziel.path())) {
    return 1;
  }

  bool ok = true;
  frmHaupt haupt;
  ok &= Speichern(&haupt, ziel, QStringLiteral("frmHaupt"));

  frmGeoGK geoGK;
  const char* eingaben[] = {"13", "24", "0", "52", "30", "0", "4"};
  const auto felder = geoGK.Eingabefelder();
  for (std::size_t i = 0; i < felder.size(); ++i) {
    felder[i]->setText(QString::fromLatin1(eingaben[i]));
  }
  ok &= Speichern(&geoGK, ziel, QStringLiteral("frmGeoGK"));
  geoGK.Command1->click();
  ok &= Fensterdaten.FensterErgGeoGK &&
        Speichern(Fensterdaten.FensterErgGeoGK, ziel, QStringLiteral("frmErgGeoGK"));

  frmGKGeo gkGeo;
  gkGeo.Text1->setText(QStringLiteral("4595060,254"));
  gkGeo.Text2->setText(QStringLiteral("5819301,807"));
  ok &= Speichern(&gkGeo, ziel, QStringLiteral("frmGKGeo"));
  gkGeo.Command1->click();
  ok &= Fensterdaten.FensterErgGKGeo &&
        Speichern(Fensterdaten.FensterErgGKGeo, ziel, QStringLiteral("frmErgGKGeo"));
  return ok ? 0 : 1;
}
