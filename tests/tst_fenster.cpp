// The five windows driven as a user drives them: every reference case typed
// into its input window (those that convert with Enter in each box in
// turn), Enter on buttons, Tab, several windows at once, over-long pastes,
// and many windows opened and closed.
#include "Fensterdaten.h"
#include "Fensterhilfe.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"
#include "frmHaupt.h"

#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>

#include <algorithm>

using namespace Test;

namespace {

const QStringList MitteGeo = {"9", "0", "0", "50", "0", "0", "3"};
const QStringList MitteGK = {"3500000", "5540279,542788"};

/// The values a result window shows, read back as numbers.
QList<double> Anzeige(frmErgGeoGK* f) {
  return {Zahl(f->Label3->text()), Zahl(f->Label4->text())};
}
QList<double> Anzeige(frmErgGKGeo* f) {
  return {Zahl(f->Label9->text()),  Zahl(f->Label10->text()), Zahl(f->Label11->text()),
          Zahl(f->Label12->text()), Zahl(f->Label13->text()), Zahl(f->Label14->text())};
}

/// A new input window, opened through `oeffnen`, with `werte` typed in.
template <typename Eingabe> Eingabe* Ausgefuellt(QPushButton* oeffnen, const QStringList& werte) {
  auto* fenster = Oeffnet<Eingabe>([&] { Klicken(oeffnen); });
  for (std::size_t i = 0; fenster && i < fenster->Eingabefelder().size(); ++i) {
    Tippen(fenster->Eingabefelder()[i], werte.value(qsizetype(i)));
  }
  return fenster;
}

/// Types a reference case, presses "Berechnen" and compares what follows:
/// a result window with the expected values, or one message naming the
/// kind, the box and a fitting hint, with the focus back in that box.
template <typename Eingabe, typename Ergebnis>
void Durchspielen(QPushButton* oeffnen, const Fall& fall, const QStringList& eingaben,
                  const QPointer<Ergebnis>& slot) {
  Eingabe* fenster = Ausgefuellt<Eingabe>(oeffnen, fall.eingabe);
  QVERIFY(fenster);
  QApplication::setActiveWindow(fenster);
  Vorbelegen();
  // Cases that convert press Enter, in each box in turn; failures click.
  static std::size_t runde = 0;
  QLineEdit* box = fenster->Eingabefelder()[runde++ % fenster->Eingabefelder().size()];
  Ergebnis* ergebnis = Oeffnet<Ergebnis>([&] {
    if (fall.fehlschlag) {
      Klicken(fenster->Command1);
    } else {
      box->setFocus();
      QTest::keyClick(box, Qt::Key_Return);
    }
  });
  if (!fall.fehlschlag) {
    QVERIFY(ergebnis);
    QCOMPARE(slot.data(), ergebnis);
    QVERIFY(Meldungen().isEmpty());
    const QList<double> ist = Anzeige(ergebnis);
    for (qsizetype i = 0; i < ist.size() && fall.werte.size() == 3; ++i) {
      VAZ_NAHE(ist[i], fall.werte[i], fall.werte[2] + 0.0005); // three decimals shown
    }
    if (fall.werte.size() == 6) {
      QCOMPARE(ist, fall.werte);
    }
    return;
  }
  QVERIFY(!ergebnis);
  QVERIFY(slot.isNull());
  QCOMPARE(Meldungen().size(), 1);
  const Meldung& m = Meldungen().first();
  QCOMPARE(m.fenster, fenster);
  QCOMPARE(m.titel, QStringLiteral("Vazorodavazivovovar"));
  QCOMPARE(m.text.section(QLatin1Char('\n'), 0, 0), fall.erwartung);
  QVERIFY2(m.text.contains(fall.hinweis), qPrintable(m.text));
  if (fall.feld > 0) {
    QLineEdit* feld = fenster->Eingabefelder()[std::size_t(fall.feld - 1)];
    QVERIFY(m.text.contains(QStringLiteral("Feld: ") + feld->property("feldname").toString()));
    QCOMPARE(fenster->focusWidget(), feld);
    QCOMPARE(feld->selectedText(), feld->text());
  } else {
    QVERIFY(!m.text.contains(QStringLiteral("Feld:")));
  }
  // The boxes read before the failure keep their values in the state.
  QStringList soll =
      fall.ebene == QLatin1String("text") ? eingaben.mid(0, fall.feld - 1) : eingaben;
  soll += fall.geschrieben;
  soll.sort();
  QCOMPARE(Geschrieben(), soll);
}

} // namespace

class TestFenster : public QObject {
  Q_OBJECT

  frmHaupt* haupt = nullptr;

private slots:
  void initTestCase() { FensterTestsVorbereiten(); }
  void init() {
    haupt = new frmHaupt;
    haupt->show();
  }
  void cleanup() { AllesSchliessen(); }

  void geoGK_data() { FaelleAlsZeilen(QStringLiteral("geo-gk"), {"", "text", "kern", "laden"}); }
  void geoGK() {
    QFETCH(Fall, fall);
    Durchspielen<frmGeoGK>(haupt->Command2, fall, GeoEingaben, Fensterdaten.FensterErgGeoGK);
  }

  void gkGeo_data() { FaelleAlsZeilen(QStringLiteral("gk-geo"), {"", "text", "kern", "laden"}); }
  void gkGeo() {
    QFETCH(Fall, fall);
    Durchspielen<frmGKGeo>(haupt->Command1, fall, GKEingaben, Fensterdaten.FensterErgGKGeo);
  }

  void eingabetasteAufKnoepfen() {
    auto* f = Ausgefuellt<frmGeoGK>(haupt->Command2, MitteGeo);
    f->Command1->setFocus();
    auto* ergebnis = Oeffnet<frmErgGeoGK>([&] { QTest::keyClick(f->Command1, Qt::Key_Return); });
    QVERIFY(ergebnis);
    ergebnis->Command1->setFocus();
    QTest::keyClick(ergebnis->Command1, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Offen<frmErgGeoGK>().isEmpty());
  }

  void tabulator_data() {
    QTest::addColumn<bool>("geo");
    QTest::addColumn<QStringList>("reihenfolge"); // starting with the initial focus
    QTest::newRow("frmGeoGK") << true
                              << QStringList{"Text1", "Text2", "Text3",    "Text4",    "Text5",
                                             "Text6", "Text7", "Command1", "Command2", "Text1"};
    QTest::newRow("frmGKGeo") << false
                              << QStringList{"Command1", "Command2", "Text1", "Text2", "Command1"};
  }
  void tabulator() {
    QFETCH(bool, geo);
    QFETCH(QStringList, reihenfolge);
    QWidget* f = geo ? static_cast<QWidget*>(Ausgefuellt<frmGeoGK>(haupt->Command2, {}))
                     : Ausgefuellt<frmGKGeo>(haupt->Command1, {});
    QApplication::setActiveWindow(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
    for (const QString& name : reihenfolge) {
      QCOMPARE(QApplication::focusWidget()->objectName(), name);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }

  void fensterBleibenUnabhaengig() {
    auto* a = Ausgefuellt<frmGeoGK>(haupt->Command2, MitteGeo);
    auto* b = Ausgefuellt<frmGeoGK>(haupt->Command2, {"13", "24", "0", "52", "30", "0", "4"});
    QCOMPARE(Fensterdaten.FensterGeoGK.data(), b);
    auto* erstes = Oeffnet<frmErgGeoGK>([&] { Klicken(a->Command1); });
    auto* zweites = Oeffnet<frmErgGeoGK>([&] { Klicken(b->Command1); });
    QVERIFY(erstes && zweites);
    QCOMPARE(erstes->Label4->text(), QStringLiteral("5540279,543"));
    QCOMPARE(zweites->Label4->text(), QStringLiteral("5819301,807"));
    QCOMPARE(Fensterdaten.FensterErgGeoGK.data(), zweites);
    // "Schließen" closes its own window only, and no slot dangles.
    Klicken(zweites->Command1);
    QCOMPARE(Offen<frmErgGeoGK>(), QList<frmErgGeoGK*>{erstes});
    QVERIFY(Fensterdaten.FensterErgGeoGK.isNull());
    Klicken(a->Command2);
    QCOMPARE(Offen<frmGeoGK>(), QList<frmGeoGK*>{b});
    // Without the main window the others go on working.
    Klicken(haupt->Command3);
    QVERIFY(Offen<frmHaupt>().isEmpty());
    QVERIFY(Oeffnet<frmErgGeoGK>([&] { Klicken(b->Command1); }));
  }

  void ladefehlerNachErfolg() {
    auto* f = Ausgefuellt<frmGKGeo>(haupt->Command1, MitteGK);
    auto* erstes = Oeffnet<frmErgGKGeo>([&] { Klicken(f->Command1); });
    QVERIFY(erstes);
    Tippen(f->Text1, QStringLiteral("3600000"));
    Tippen(f->Text2, QStringLiteral("10000000"));
    QVERIFY(!Oeffnet<frmErgGKGeo>([&] { Klicken(f->Command1); }));
    QCOMPARE(Meldungen().size(), 1);
    QCOMPARE(Offen<frmErgGKGeo>(), QList<frmErgGKGeo*>{erstes});
    QCOMPARE(Anzeige(erstes), (QList<double>{9, 0, 0, 50, 0, 0}));
    QVERIFY(Fensterdaten.FensterErgGKGeo.isNull());
  }

  void ueberlangesEinfuegenWirdAbgelehnt() {
    // Cut at 32767 characters, "5", blanks and "x" would read as 5.
    auto* f = Ausgefuellt<frmGKGeo>(haupt->Command1, MitteGK);
    const QString text = QLatin1Char('5') + QString(40000, QLatin1Char(' ')) + QLatin1Char('x');
    QGuiApplication::clipboard()->setText(text);
    f->Text2->selectAll();
    QTest::keyClick(f->Text2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f->Text2->text(), text);
    QVERIFY(!Oeffnet<frmErgGKGeo>([&] { Klicken(f->Command1); }));
    QCOMPARE(Meldungen().size(), 1);
    QVERIFY2(Meldungen().first().text.contains(QStringLiteral("länger als 32767 Zeichen")),
             qPrintable(Meldungen().first().text));
  }

  void werteKopierbar() {
    auto* f = Ausgefuellt<frmGKGeo>(haupt->Command1, {"4595060,254295", "5819301,806683"});
    auto* ergebnis = Oeffnet<frmErgGKGeo>([&] { Klicken(f->Command1); });
    QVERIFY(ergebnis);
    QTest::mouseDClick(ergebnis->Label11, Qt::LeftButton, {}, QPoint(4, 8));
    QCOMPARE(ergebnis->Label11->selectedText(), QStringLiteral("59"));
  }

  void vieleFensterSchliessenSauber() {
    // 4 × 40 windows closed through "Schließen" in a shuffled order (seed
    // fixed): each is destroyed and no slot keeps it.
    QList<std::pair<QPointer<QWidget>, QPushButton*>> fenster;
    auto merken = [&](auto* f, QPushButton* schliessen) { fenster.append({f, schliessen}); };
    for (int i = 0; i < 40; ++i) {
      auto* geo = Ausgefuellt<frmGeoGK>(haupt->Command2, {});
      for (QLineEdit* feld : geo->Eingabefelder()) {
        feld->setText(QString::number(feld == geo->Text7 ? 2 + i % 4 : 6 + i % 9));
      }
      auto* gk = Ausgefuellt<frmGKGeo>(haupt->Command1, {});
      gk->Text1->setText(QStringLiteral("3500000"));
      gk->Text2->setText(QString::number(5400000 + 1000 * i));
      merken(geo, geo->Command2);
      merken(gk, gk->Command2);
      Klicken(geo->Command1);
      merken(Fensterdaten.FensterErgGeoGK.data(), Fensterdaten.FensterErgGeoGK->Command1);
      Klicken(gk->Command1);
      merken(Fensterdaten.FensterErgGKGeo.data(), Fensterdaten.FensterErgGKGeo->Command1);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), fenster.size() + 1);
    std::shuffle(fenster.begin(), fenster.end(), QRandomGenerator(20261206));
    for (const auto& [w, schliessen] : fenster) {
      Klicken(schliessen);
      Aufraeumen();
      QVERIFY(w.isNull());
    }
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{haupt});
    QVERIFY(Fensterdaten.FensterGeoGK.isNull() && Fensterdaten.FensterGKGeo.isNull());
    QVERIFY(Fensterdaten.FensterErgGeoGK.isNull() && Fensterdaten.FensterErgGKGeo.isNull());
  }
};

QTEST_MAIN(TestFenster)
#include "tst_fenster.moc"
