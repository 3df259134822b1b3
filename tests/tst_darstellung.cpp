// What the windows look like at the scale CTest runs this with
// (QT_SCALE_FACTOR 1 and 2): the captions use the Arial twin the program
// installs and fit their controls, the grab is sharp (rendered at the
// device ratio), and the green frame lines lie where they belong.
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

using namespace Test;

class TestDarstellung : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { FensterTestsVorbereiten(); }

  void alleFuenfFenster() {
    auto* geo = new frmGeoGK;
    const char* werte[] = {"13", "24", "0", "52", "30", "0", "4"};
    for (std::size_t i = 0; i < geo->Eingabefelder().size(); ++i) {
      geo->Eingabefelder()[i]->setText(QString::fromLatin1(werte[i]));
    }
    geo->Command1->click();
    auto* gk = new frmGKGeo;
    gk->Text1->setText(QStringLiteral("50611791,957618"));
    gk->Text2->setText(QStringLiteral("-3749465,447298"));
    gk->Command1->click();
    QCOMPARE(QFontInfo(geo->Text1->font()).family(), QStringLiteral("Liberation Sans"));

    for (QWidget* w : std::initializer_list<QWidget*>{
             new frmHaupt, geo, gk, Fensterdaten.FensterErgGeoGK, Fensterdaten.FensterErgGKGeo}) {
      QVERIFY(w);
      w->show();
      for (QLabel* label : w->findChildren<QLabel*>()) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(w->objectName() + QLatin1Char(' ') + label->objectName()));
      }
      for (QAbstractButton* knopf : w->findChildren<QAbstractButton*>()) {
        QVERIFY2(knopf->sizeHint().width() <= knopf->width(),
                 qPrintable(w->objectName() + QLatin1Char(' ') + knopf->text()));
      }
      const QImage bild = w->grab().toImage();
      const qreal faktor = w->devicePixelRatioF();
      QCOMPARE(bild.size(), w->size() * faktor);
      for (QWidget* linie :
           w->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Line")))) {
        // Green in the middle, background one logical pixel beside it.
        const QPoint mitte = linie->geometry().center() * faktor;
        const QPoint quer = linie->width() > linie->height() ? QPoint(0, 2) : QPoint(2, 0);
        QCOMPARE(bild.pixelColor(mitte), QColor(0, 192, 0));
        QVERIFY(bild.pixelColor(mitte + quer * faktor) != QColor(0, 192, 0));
      }
    }
    AllesSchliessen();
  }
};

QTEST_MAIN(TestDarstellung)
#include "tst_darstellung.moc"
