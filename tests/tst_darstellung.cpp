// What the windows look like at the scale CTest runs this with
// (QT_SCALE_FACTOR 1 and 2): every caption fits its control with the fonts
// the program installs, the grab is sharp (rendered at the device ratio),
// and the green frame lines are drawn where they belong.
#include "Fensterdaten.h"
#include "Fensterhilfe.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"
#include "frmHaupt.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QImage>
#include <QLabel>

#include <memory>

using namespace Test;

namespace {

/// The five windows, each as a user sees it after the worked example.
std::vector<QWidget*> AlleFenster() {
  auto* haupt = new frmHaupt;
  auto* geo = new frmGeoGK;
  const char* werte[] = {"13", "24", "0", "52", "30", "0", "4"};
  QLineEdit* felder[] = {geo->Text1, geo->Text2, geo->Text3, geo->Text4,
                         geo->Text5, geo->Text6, geo->Text7};
  for (std::size_t i = 0; i < std::size(felder); ++i) {
    felder[i]->setText(QString::fromLatin1(werte[i]));
  }
  geo->Command1->click();
  auto* gk = new frmGKGeo;
  gk->Text1->setText(QStringLiteral("50611791,957618"));
  gk->Text2->setText(QStringLiteral("-3749465,447298"));
  gk->Command1->click();
  return {haupt, geo, Fensterdaten.FensterErgGeoGK.data(), gk, Fensterdaten.FensterErgGKGeo.data()};
}

} // namespace

class TestDarstellung : public QObject {
  Q_OBJECT

  std::vector<QWidget*> fenster;

private slots:
  void initTestCase() {
    FensterTestsVorbereiten();
    fenster = AlleFenster();
    for (QWidget* w : fenster) {
      QVERIFY(w);
      w->show();
    }
    qInfo("device pixel ratio %.1f", fenster.front()->devicePixelRatioF());
  }

  void cleanupTestCase() { AllesSchliessen(); }

  void arialIstLiberationSans() {
    // fonts-liberation2 stands in for Arial with the same metrics; with
    // another fallback the captions would no longer fit as drawn.
    auto* label = fenster[1]->findChild<QLabel*>(QStringLiteral("Label9"));
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
  }

  void nichtsAbgeschnitten() {
    for (QWidget* w : fenster) {
      for (QLabel* label : w->findChildren<QLabel*>()) {
        const int textbreite = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(textbreite <= label->width(),
                 qPrintable(QStringLiteral("%1 %2 \"%3\": %4 > %5")
                                .arg(w->objectName(), label->objectName(), label->text())
                                .arg(textbreite)
                                .arg(label->width())));
      }
      for (QAbstractButton* knopf : w->findChildren<QAbstractButton*>()) {
        QVERIFY2(knopf->sizeHint().width() <= knopf->width(),
                 qPrintable(w->objectName() + QLatin1Char(' ') + knopf->text()));
      }
    }
  }

  void scharfUndLinienAmPlatz() {
    for (QWidget* w : fenster) {
      const QImage bild = w->grab().toImage();
      const qreal faktor = w->devicePixelRatioF();
      // Sharp: rendered with the device's pixels, not scaled up afterwards.
      QCOMPARE(bild.size(), w->size() * faktor);
      for (QWidget* linie :
           w->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Line")))) {
        const QPoint mitte = linie->geometry().center() * faktor;
        QCOMPARE(bild.pixelColor(mitte), QColor(0, 192, 0));
        // One logical pixel wide across: the pixel beside it is background.
        const bool waagrecht = linie->width() > linie->height();
        const QPoint daneben = mitte + (waagrecht ? QPoint(0, 2) : QPoint(2, 0)) * faktor;
        QVERIFY(bild.pixelColor(daneben) != QColor(0, 192, 0));
      }
    }
  }
};

QTEST_MAIN(TestDarstellung)
#include "tst_darstellung.moc"
