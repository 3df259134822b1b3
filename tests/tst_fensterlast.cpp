// Window stress: 300 input and 300 result windows opened through the
// buttons, closed through "Schließen" in random order. Every window must be
// destroyed and no slot may keep a reference (under the asan preset the leak
// checker watches the same run).
#include "Fensterdaten.h"
#include "Fensterhilfe.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"
#include "frmHaupt.h"

#include <QPointer>
#include <QRandomGenerator>

#include <algorithm>
#include <functional>

using namespace Test;

class TestFensterlast : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { FensterTestsVorbereiten(); }
  void cleanup() { AllesSchliessen(); }

  void sechshundertFenster() {
    constexpr int JeArt = 150; // 2 × 150 input windows, 2 × 150 result windows
    auto* haupt = new frmHaupt;
    haupt->show();

    // Each entry: the window (tracked for its destruction) and its button.
    QList<std::pair<QPointer<QWidget>, QPushButton*>> fenster;
    for (int i = 0; i < JeArt; ++i) {
      Klicken(haupt->Command2);
      frmGeoGK* geo = Fensterdaten.FensterGeoGK;
      QVERIFY(geo);
      fenster.append({geo, geo->Command2});
      geo->Text1->setText(QString::number(6 + i % 9));
      for (QLineEdit* feld : {geo->Text2, geo->Text3, geo->Text5, geo->Text6}) {
        feld->setText(QStringLiteral("0"));
      }
      geo->Text4->setText(QStringLiteral("50"));
      geo->Text7->setText(QString::number(2 + i % 4));
      Klicken(geo->Command1);
      QVERIFY(Fensterdaten.FensterErgGeoGK);
      fenster.append({Fensterdaten.FensterErgGeoGK.data(), Fensterdaten.FensterErgGeoGK->Command1});

      Klicken(haupt->Command1);
      frmGKGeo* gk = Fensterdaten.FensterGKGeo;
      QVERIFY(gk);
      fenster.append({gk, gk->Command2});
      gk->Text1->setText(QStringLiteral("3500000"));
      gk->Text2->setText(QString::number(5400000 + 1000 * i));
      Klicken(gk->Command1);
      QVERIFY(Fensterdaten.FensterErgGKGeo);
      fenster.append({Fensterdaten.FensterErgGKGeo.data(), Fensterdaten.FensterErgGKGeo->Command1});
    }
    QCOMPARE(fenster.size(), 4 * JeArt);
    QCOMPARE(QApplication::topLevelWidgets().size(), 4 * JeArt + 1);
    QVERIFY(Meldungen().isEmpty());

    QRandomGenerator zufall(20261206);
    std::shuffle(fenster.begin(), fenster.end(), zufall);
    for (const auto& [w, schliessen] : fenster) {
      QVERIFY(w);
      Klicken(schliessen);
      Aufraeumen();
      QVERIFY(w.isNull());
    }

    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{haupt});
    QVERIFY(Fensterdaten.FensterGeoGK.isNull());
    QVERIFY(Fensterdaten.FensterGKGeo.isNull());
    QVERIFY(Fensterdaten.FensterErgGeoGK.isNull());
    QVERIFY(Fensterdaten.FensterErgGKGeo.isNull());
  }
};

QTEST_MAIN(TestFensterlast)
#include "tst_fensterlast.moc"
