// The Gauss-Krüger → geographic windows, driven as a user drives them.
#include "Fensterdaten.h"
#include "Fensterhilfe.h"
#include "Zustand.h"
#include "frmErgGKGeo.h"
#include "frmGKGeo.h"
#include "frmHaupt.h"

#include <QLabel>

using namespace Test;
using Voderedezazarire::Umrechnungsdaten;

namespace {

frmGKGeo* EingabeOeffnen(frmHaupt& haupt) {
  const auto vorher = Offen<frmGKGeo>();
  Klicken(haupt.Command1);
  return Neu<frmGKGeo>(vorher);
}

frmErgGKGeo* Berechnen(frmGKGeo* f, const QString& rechtswert, const QString& hochwert) {
  Tippen(f->Text1, rechtswert);
  Tippen(f->Text2, hochwert);
  const auto vorher = Offen<frmErgGKGeo>();
  Klicken(f->Command1);
  return Neu<frmErgGKGeo>(vorher);
}

QStringList Anzeige(frmErgGKGeo* f) {
  return {f->Label9->text(),  f->Label10->text(), f->Label11->text(),
          f->Label12->text(), f->Label13->text(), f->Label14->text()};
}

} // namespace

class TestFensterGKGeo : public QObject {
  Q_OBJECT

  frmHaupt* haupt = nullptr;

private slots:
  void initTestCase() { FensterTestsVorbereiten(); }

  void init() {
    haupt = new frmHaupt;
    haupt->show();
  }

  void cleanup() { AllesSchliessen(); }

  void ergebnisse_data() {
    QTest::addColumn<QString>("rechtswert");
    QTest::addColumn<QString>("hochwert");
    QTest::addColumn<QStringList>("anzeige"); // longitude d m s, latitude d m s
    using S = QStringList;
    QTest::newRow("Mittelmeridian") << "3500000"
                                    << "5540279,542788" << S{"9", "0", "0", "50", "0", "0"};
    QTest::newRow("Berlin, Sekunde abgeschnitten")
        << "4595060,254295"
        << "5819301,806683" << S{"13", "23", "59", "52", "30", "0"};
    QTest::newRow("Sydney, alles negativ")
        << "50611791,957618"
        << "-3749465,447298" << S{"151", "12", "30", "-33", "-52", "-10"};
    QTest::newRow("Übertrag statt 60 Minuten") << "3500000,000"
                                               << "5540279,541" << S{"9", "0", "0", "50", "0", "0"};
    QTest::newRow("mit Exponent") << "3,5e6"
                                  << "5,54e6" << S{"9", "0", "0", "49", "59", "50"};
  }

  void ergebnisse() {
    QFETCH(QString, rechtswert);
    QFETCH(QString, hochwert);
    QFETCH(QStringList, anzeige);
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);
    QVERIFY(eingabe);

    frmErgGKGeo* ergebnis = Berechnen(eingabe, rechtswert, hochwert);

    QVERIFY(ergebnis);
    QCOMPARE(Anzeige(ergebnis), anzeige);
    QCOMPARE(Fensterdaten.FensterErgGKGeo.data(), ergebnis);
    QVERIFY(Meldungen().isEmpty());
  }

  void ergebnisBleibtNachSpaeteremLauf() {
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);
    frmErgGKGeo* erstes = Berechnen(eingabe, "3500000", "5540279,542788");
    frmErgGKGeo* zweites = Berechnen(eingabe, "4595060,254295", "5819301,806683");
    QVERIFY(erstes && zweites);
    QCOMPARE(Anzeige(erstes), (QStringList{"9", "0", "0", "50", "0", "0"}));
    QCOMPARE(Anzeige(zweites), (QStringList{"13", "23", "59", "52", "30", "0"}));
  }

  void fehler_data() {
    QTest::addColumn<QString>("rechtswert");
    QTest::addColumn<QString>("hochwert");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("feld"); // named box, empty when none is to blame
    QTest::addColumn<bool>("rechtswertNeu");
    auto zeile = [](const char* name, const char* r, const char* h, const char* meldung,
                    const char* feld, bool neu) {
      QTest::newRow(name) << QString::fromUtf8(r) << QString::fromUtf8(h)
                          << QString::fromUtf8(meldung) << QString::fromUtf8(feld) << neu;
    };
    zeile("Rechtswert leer", "", "5540000", "Typen unverträglich", "Text1", false);
    zeile("Hochwert Text", "3500000", "Nord", "Typen unverträglich", "Text2", true);
    zeile("Hochwert nan", "3500000", "nan", "Typen unverträglich", "Text2", true);
    zeile("Rechtswert 1e400", "1e400", "0", "Überlauf", "Text1", false);
    // The strip is the easting's millions: its overflows name the easting.
    zeile("Streifen über Int16", "40000000000", "0", "Überlauf", "Text1", true);
    zeile("Versatz über Int32", "2148000000", "0", "Überlauf", "Text1", true);
    zeile("Fußpunkt unendlich", "3500000", "1e100", "Gleitkommafehler", "", true);
  }

  void fehler() {
    QFETCH(QString, rechtswert);
    QFETCH(QString, hochwert);
    QFETCH(QString, meldung);
    QFETCH(QString, feld);
    QFETCH(bool, rechtswertNeu);
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);
    Vorbelegen();

    QVERIFY(!Berechnen(eingabe, rechtswert, hochwert));

    QCOMPARE(Meldungen().size(), 1);
    QCOMPARE(Meldungen().first().text.section(QLatin1Char('\n'), 0, 0), meldung);
    QCOMPARE(Meldungen().first().text.contains(QStringLiteral("Feld:")), !feld.isEmpty());
    if (auto* fehlerfeld = eingabe->findChild<QLineEdit*>(feld)) {
      QCOMPARE(eingabe->focusWidget(), fehlerfeld);
      QCOMPARE(fehlerfeld->selectedText(), fehlerfeld->text());
    }
    QCOMPARE(Umrechnungsdaten.Rechtswert != Alt, rechtswertNeu);
    QCOMPARE(Umrechnungsdaten.BreiteGrad, float(Alt));
  }

  void ladefehlerLaesstKeinFensterStehen() {
    // Latitude about 178727°, longitude far beyond 16 bits: the load fails
    // at the first label, and the half-filled window must not stay.
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);

    QVERIFY(!Berechnen(eingabe, "3600000", "10000000"));

    QCOMPARE(Meldungen().size(), 1);
    QCOMPARE(Meldungen().first().text.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Überlauf"));
    QVERIFY(Offen<frmErgGKGeo>().isEmpty());
    QVERIFY(Fensterdaten.FensterErgGKGeo.isNull());
    for (QWidget* w : QApplication::topLevelWidgets()) {
      QVERIFY(!qobject_cast<frmErgGKGeo*>(w));
    }
    // The program goes on: the same window converts the next point.
    QVERIFY(Berechnen(eingabe, "3500000", "5540000"));
  }

  void fokusAufBerechnen() {
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);
    QApplication::setActiveWindow(eingabe);
    QVERIFY(QTest::qWaitForWindowActive(eingabe));
    QCOMPARE(QApplication::focusWidget(), eingabe->Command1);
    QWidget* erwartet[] = {eingabe->Command2, eingabe->Text1, eingabe->Text2, eingabe->Command1};
    for (QWidget* naechstes : erwartet) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), naechstes);
    }
  }

  void werteKopierbar() {
    frmGKGeo* eingabe = EingabeOeffnen(*haupt);
    frmErgGKGeo* ergebnis = Berechnen(eingabe, "4595060,254295", "5819301,806683");
    QVERIFY(ergebnis);
    // Double-click selects the value as shown, ready to copy.
    QTest::mouseDClick(ergebnis->Label11, Qt::LeftButton, {}, QPoint(4, 8));
    QCOMPARE(ergebnis->Label11->selectedText(), QStringLiteral("59"));
  }
};

QTEST_MAIN(TestFensterGKGeo)
#include "tst_fenstergkgeo.moc"
