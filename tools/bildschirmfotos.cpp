// Renders each window with a worked example filled in and
// saves them as PNG files: bildschirmfotos OUTPUT_DIR
#include "Fensterdaten.h"
#include "frmDatum.h"
#include "frmErgDatum.h"
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
#include <QRadioButton>

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

  // The datum change: a Gauss-Krüger point of an old record, and the input
  // window with the same point as a GNSS receiver gives it.
  frmDatum datum;
  datum.Text1->setText(QStringLiteral("3500000"));
  datum.Text2->setText(QStringLiteral("5540279,543"));
  datum.Command1->click();
  ok &= Fensterdaten.FensterErgDatum &&
        Speichern(Fensterdaten.FensterErgDatum, ziel, QStringLiteral("frmErgDatum"));
  datum.Option3->click();
  const char* gnss[] = {"8", "59", "56,12345", "49", "59", "57,1", ""};
  for (std::size_t i = 0; i < datum.Eingabefelder().size(); ++i) {
    datum.Eingabefelder()[i]->setText(QString::fromLatin1(gnss[i]));
  }
  ok &= Speichern(&datum, ziel, QStringLiteral("frmDatum"));
  return ok ? 0 : 1;
}
