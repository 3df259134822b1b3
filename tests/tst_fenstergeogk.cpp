// The main window and the geographic → Gauss-Krüger windows, driven as a
// user drives them: typing, clicking, pressing Enter.
#include "Fensterdaten.h"
#include "Fensterhilfe.h"
#include "Zustand.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"
#include "frmHaupt.h"

#include <QLabel>

using namespace Test;
using Voderedezazarire::Umrechnungsdaten;

namespace {

/// Opens a new frmGeoGK through the main window's button.
frmGeoGK* EingabeOeffnen(frmHaupt& haupt) {
  const auto vorher = Offen<frmGeoGK>();
  Klicken(haupt.Command2);
  return Neu<frmGeoGK>(vorher);
}

void Ausfuellen(frmGeoGK* f, const QStringList& werte) {
  QLineEdit* felder[] = {f->Text1, f->Text2, f->Text3, f->Text4, f->Text5, f->Text6, f->Text7};
  for (qsizetype i = 0; i < werte.size(); ++i) {
    Tippen(felder[i], werte[i]);
  }
}

/// Clicks "Berechnen" and returns the result window it opened, if any.
frmErgGeoGK* Berechnen(frmGeoGK* f) {
  const auto vorher = Offen<frmErgGeoGK>();
  Klicken(f->Command1);
  return Neu<frmErgGeoGK>(vorher);
}

} // namespace

class TestFensterGeoGK : public QObject {
  Q_OBJECT

  frmHaupt* haupt = nullptr;

private slots:
  void initTestCase() { FensterTestsVorbereiten(); }

  void init() {
    haupt = new frmHaupt;
    haupt->show();
  }

  void cleanup() { AllesSchliessen(); }

  void beispielEndeZuEnde() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    QVERIFY(eingabe);
    QCOMPARE(Fensterdaten.FensterGeoGK.data(), eingabe);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "0", "0", "3"});

    frmErgGeoGK* ergebnis = Berechnen(eingabe);

    QVERIFY(ergebnis);
    QCOMPARE(Fensterdaten.FensterErgGeoGK.data(), ergebnis);
    QCOMPARE(ergebnis->Label3->text(), QStringLiteral("3500000,000"));
    QCOMPARE(ergebnis->Label4->text(), QStringLiteral("5540279,543"));
    QVERIFY(Meldungen().isEmpty());
    // The input window stays as it was, ready for the next point.
    QCOMPARE(eingabe->Text4->text(), QStringLiteral("50"));
    QVERIFY(eingabe->isVisible());
  }

  void suedenUndWesten() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, {"-70", "-39", "-30", "-33", "-27", "-15", "-24"});
    frmErgGeoGK* ergebnis = Berechnen(eingabe);
    QVERIFY(ergebnis);
    QCOMPARE(ergebnis->Label3->text(), QStringLiteral("-23375273,599"));
    QCOMPARE(ergebnis->Label4->text(), QStringLiteral("-3703557,326"));
  }

  void zweiErgebnisseBehaltenIhreWerte() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "0", "0", "3"});
    frmErgGeoGK* erstes = Berechnen(eingabe);
    Ausfuellen(eingabe, {"13", "24", "0", "52", "30", "0", "4"});
    frmErgGeoGK* zweites = Berechnen(eingabe);

    QVERIFY(erstes && zweites && erstes != zweites);
    QCOMPARE(erstes->Label3->text(), QStringLiteral("3500000,000"));
    QCOMPARE(zweites->Label3->text(), QStringLiteral("4595060,254"));
    QCOMPARE(zweites->Label4->text(), QStringLiteral("5819301,807"));
    QCOMPARE(Fensterdaten.FensterErgGeoGK.data(), zweites);
  }

  void eingabetasteAufKnopf() {
    // Return on a focused button presses it, as on every desktop.
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "0", "0", "3"});
    eingabe->Command1->setFocus();
    const auto vorher = Offen<frmErgGeoGK>();
    QTest::keyClick(eingabe->Command1, Qt::Key_Return);
    frmErgGeoGK* ergebnis = Neu<frmErgGeoGK>(vorher);
    QVERIFY(ergebnis);
    // Enter on the keypad closes the result window through "Schließen".
    ergebnis->Command1->setFocus();
    QTest::keyClick(ergebnis->Command1, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Offen<frmErgGeoGK>().isEmpty());
  }

  void enterRechnet() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "0", "0", "3"});
    const auto vorher = Offen<frmErgGeoGK>();
    QTest::keyClick(eingabe->Text3, Qt::Key_Return);
    QVERIFY(Neu<frmErgGeoGK>(vorher));
  }

  void fehler_data() {
    QTest::addColumn<QStringList>("werte");
    QTest::addColumn<QString>("meldung"); // first line of the message
    QTest::addColumn<QString>("feld");    // failing box, empty for the computation
    QTest::addColumn<int>("geschrieben"); // angle fields written, in input order
    QTest::addColumn<bool>("hochwertNeu");
    const QString typ = QStringLiteral("Typen unverträglich");
    const QString ueber = QStringLiteral("Überlauf");
    using S = QStringList;
    QTest::newRow("alles leer") << S{} << typ << "Text1" << 0 << false;
    QTest::newRow("Streifen leer")
        << S{"9", "0", "0", "50", "0", "0", ""} << typ << "Text7" << 6 << false;
    QTest::newRow("Minuten Buchstaben") << S{"9", "x"} << typ << "Text2" << 1 << false;
    QTest::newRow("Tausenderpunkt") << S{"9", "0", "1.000,5"} << typ << "Text3" << 2 << false;
    QTest::newRow("Breite float-Überlauf")
        << S{"9", "0", "0", "1e39"} << ueber << "Text4" << 3 << false;
    QTest::newRow("Streifen 40000")
        << S{"9", "0", "0", "50", "0", "0", "40000"} << ueber << "Text7" << 6 << false;
    QTest::newRow("Streifen 3,5") << S{"9", "0", "0", "50", "0", "0", "3,5"} << typ << "Text7" << 6
                                  << false;
    // Both integer products of the computation take the strip: its box is named.
    QTest::newRow("Streifen 10923")
        << S{"9", "0", "0", "50", "0", "0", "10923"} << ueber << "Text7" << 6 << false;
    QTest::newRow("Streifen 2148")
        << S{"9", "0", "0", "50", "0", "0", "2148"} << ueber << "Text7" << 6 << true;
  }

  void fehler() {
    QFETCH(QStringList, werte);
    QFETCH(QString, meldung);
    QFETCH(QString, feld);
    QFETCH(int, geschrieben);
    QFETCH(bool, hochwertNeu);
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, werte);
    QApplication::setActiveWindow(eingabe);
    Vorbelegen();

    QVERIFY(!Berechnen(eingabe));

    QCOMPARE(Meldungen().size(), 1);
    const Meldung& m = Meldungen().first();
    QCOMPARE(m.fenster, eingabe);
    QCOMPARE(m.titel, QStringLiteral("Vazorodavazivovovar"));
    QCOMPARE(m.text.section(QLatin1Char('\n'), 0, 0), meldung);
    auto* fehlerfeld = eingabe->findChild<QLineEdit*>(feld);
    if (fehlerfeld) {
      QVERIFY(
          m.text.contains(QStringLiteral("Feld: ") + fehlerfeld->property("feldname").toString()));
      QCOMPARE(eingabe->focusWidget(), fehlerfeld);
      QCOMPARE(fehlerfeld->selectedText(), fehlerfeld->text());
    } else {
      QVERIFY(!m.text.contains(QStringLiteral("Feld:")));
    }
    // Fields converted before the failure keep their new values.
    const float neu[] = {Umrechnungsdaten.LaengeGrad, Umrechnungsdaten.LaengeMin,
                         Umrechnungsdaten.LaengeSek,  Umrechnungsdaten.BreiteGrad,
                         Umrechnungsdaten.BreiteMin,  Umrechnungsdaten.BreiteSek};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(neu[i] != float(Alt), i < geschrieben);
    }
    QCOMPARE(Umrechnungsdaten.Hochwert != Alt, hochwertNeu);
    QCOMPARE(Umrechnungsdaten.Rechtswert, Alt);
  }

  void feldnameInMeldung() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "x"});
    Berechnen(eingabe);
    Ausfuellen(eingabe, {"9", "0", "0", "50", "0", "0", " "});
    Berechnen(eingabe);
    QCOMPARE(Meldungen().size(), 2);
    QVERIFY(Meldungen()[0].text.contains(QStringLiteral("Feld: Geographische Breite – Minuten")));
    QVERIFY(!Meldungen()[0].text.contains(QStringLiteral("leer")));
    QVERIFY(Meldungen()[1].text.contains(QStringLiteral("Feld: Meridianstreifen - Nr.")));
    QVERIFY(Meldungen()[1].text.contains(QStringLiteral("Das Feld ist leer")));
    QCOMPARE(eingabe->Text6->accessibleName(), QStringLiteral("Geographische Breite, Sekunden"));
  }

  void dreiEingabefenster() {
    QList<frmGeoGK*> fenster;
    for (int i = 0; i < 3; ++i) {
      fenster.append(EingabeOeffnen(*haupt));
      QVERIFY(fenster.last());
    }
    QCOMPARE(Offen<frmGeoGK>().size(), 3);
    QCOMPARE(Fensterdaten.FensterGeoGK.data(), fenster.last());
    // Each is independent: the first still computes with its own fields.
    Ausfuellen(fenster.first(), {"9", "0", "0", "50", "0", "0", "3"});
    QVERIFY(Berechnen(fenster.first()));
  }

  void schliessenNurEigenes() {
    frmGeoGK* a = EingabeOeffnen(*haupt);
    frmGeoGK* b = EingabeOeffnen(*haupt);
    Ausfuellen(a, {"9", "0", "0", "50", "0", "0", "3"});
    frmErgGeoGK* ergebnis = Berechnen(a);
    QVERIFY(ergebnis);

    Klicken(ergebnis->Command1);
    QVERIFY(Offen<frmErgGeoGK>().isEmpty());
    QVERIFY(Fensterdaten.FensterErgGeoGK.isNull()); // no dangling slot
    Klicken(a->Command2);
    QCOMPARE(Offen<frmGeoGK>(), QList<frmGeoGK*>{b});
    QVERIFY(haupt->isVisible());
  }

  void hauptfensterSchliessen() {
    const auto vorher = Offen<frmGKGeo>();
    Klicken(haupt->Command1);
    frmGKGeo* gkGeo = Neu<frmGKGeo>(vorher);
    QVERIFY(gkGeo);
    Klicken(haupt->Command3);
    QVERIFY(Offen<frmHaupt>().isEmpty());

    Tippen(gkGeo->Text1, QStringLiteral("3500000"));
    Tippen(gkGeo->Text2, QStringLiteral("5540279,542788"));
    Klicken(gkGeo->Command1);
    QVERIFY(Meldungen().isEmpty());
    QVERIFY(!Fensterdaten.FensterErgGKGeo.isNull());
    QVERIFY(Fensterdaten.FensterErgGKGeo->isVisible());
  }

  void tabulatorReihenfolge() {
    frmGeoGK* eingabe = EingabeOeffnen(*haupt);
    QApplication::setActiveWindow(eingabe);
    QVERIFY(QTest::qWaitForWindowActive(eingabe));
    QCOMPARE(QApplication::focusWidget(), eingabe->Text1);
    QWidget* erwartet[] = {eingabe->Text2,    eingabe->Text3,    eingabe->Text4,
                           eingabe->Text5,    eingabe->Text6,    eingabe->Text7,
                           eingabe->Command1, eingabe->Command2, eingabe->Text1};
    for (QWidget* naechstes : erwartet) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), naechstes);
    }
  }
};

QTEST_MAIN(TestFensterGeoGK)
#include "tst_fenstergeogk.moc"
