// Gauss-Krüger → geographic: reference points, truncation, the minute carry,
// strip overflows, floating-point faults, and a round trip over Germany.
#include "Voderedezazarire.h"
#include "Zustand.h"

#include <QtTest>

#include <cmath>

using namespace Voderedezazarire;

namespace {

QList<float> Breite() {
  const auto& u = Umrechnungsdaten;
  return {u.BreiteGrad, u.BreiteMin, u.BreiteSek};
}

QList<float> Laenge() {
  const auto& u = Umrechnungsdaten;
  return {u.LaengeGrad, u.LaengeMin, u.LaengeSek};
}

void GitterSetzen(double rechtswert, double hochwert) {
  Umrechnungsdaten.Rechtswert = rechtswert;
  Umrechnungsdaten.Hochwert = hochwert;
}

} // namespace

class TestBerechneGKGeo : public QObject {
  Q_OBJECT

private slots:
  void init() { Umrechnungsdaten = Umrechnungsdatensatz{}; }

  void referenzpunkte_data() {
    QTest::addColumn<double>("rechtswert");
    QTest::addColumn<double>("hochwert");
    QTest::addColumn<int>("streifen");
    QTest::addColumn<QList<float>>("breite");
    QTest::addColumn<QList<float>>("laenge");
    using L = QList<float>;
    QTest::newRow("Mittelmeridian")
        << 3500000.0 << 5540279.542788 << 3 << L{50, 0, 0} << L{9, 0, 0};
    // 13.39999996°: the minutes round to 23.999998f and the second is dropped.
    QTest::newRow("Berlin") << 4595060.254295 << 5819301.806683 << 4 << L{52, 30, 0}
                            << L{13, 23, 59};
    // The minutes round to 8.333333f, the seconds to 19.99998: truncated.
    QTest::newRow("München") << 4468373.323442 << 5333414.143259 << 4 << L{48, 8, 19}
                             << L{11, 34, 30};
    QTest::newRow("Ursprung") << 500000.0 << 0.0 << 0 << L{0, 0, 0} << L{0, 0, 0};
    QTest::newRow("49 59 50") << 3500000.0 << 5540000.0 << 3 << L{49, 59, 50} << L{9, 0, 0};
    QTest::newRow("Äquator knapp unter 3°")
        << 834073.445596 << 0.0 << 0 << L{0, 0, 0} << L{2, 59, 59};
    QTest::newRow("westlich, alles negativ") << 333000.0 << 0.0 << 0 << L{0, 0, 0} << L{-1, -30, 0};
    // -23.375 truncates toward zero: the strip is -23, not -24.
    QTest::newRow("negativer Streifen")
        << -23375273.598563 << -3703557.325912 << -23 << L{-33, -6, -26} << L{-78, -21, -41};
    QTest::newRow("Rechtswert -300000: Streifen 0")
        << -300000.0 << 0.0 << 0 << L{0, 0, 0} << L{-7, -10, -6};
    // Minutes that round to 60.0f carry into the degrees, in both hemispheres.
    QTest::newRow("Übertrag 49 60 -> 50 0")
        << 3500000.0 << 5540279.541 << 3 << L{50, 0, 0} << L{9, 0, 0};
    QTest::newRow("Übertrag südlich")
        << 3500000.0 << -5540279.541 << 3 << L{-50, 0, 0} << L{9, 0, 0};
  }

  void referenzpunkte() {
    QFETCH(double, rechtswert);
    QFETCH(double, hochwert);
    QFETCH(int, streifen);
    QFETCH(QList<float>, breite);
    QFETCH(QList<float>, laenge);
    GitterSetzen(rechtswert, hochwert);

    BerechneGKGeo();

    QCOMPARE(int{Umrechnungsdaten.StreifenAus}, streifen);
    QCOMPARE(Breite(), breite);
    QCOMPARE(Laenge(), laenge);
  }

  void arbeitsfelder() {
    GitterSetzen(4595060.254295, 5819301.806683);
    BerechneGKGeo();
    const auto& u = Umrechnungsdaten;
    QCOMPARE(int{u.StreifenAus}, 4);
    QVERIFY(std::fabs(u.RechtsSumme - 95060.254295) < 1e-6);
    QVERIFY(std::fabs(u.Phi - 0.916442415271) < 1e-12);
    QVERIFY(std::fabs(u.CosPhi - 0.608646737097) < 1e-12);
    QVERIFY(std::fabs(u.Eta2 - 0.00248914031969) < 1e-14);
    QVERIFY(std::fabs(u.Querradius - 6390837.94620507) < 1e-8);
    QVERIFY(std::fabs(u.TanPhi - 1.30361552106) < 1e-11);
    QVERIFY(std::fabs(u.LFaktor - 0.0148744585757) < 1e-13);
    QVERIFY(std::fabs(u.DeltaL - 0.0148720451936) < 1e-13);
  }

  void sekundenSindGanz_data() {
    QTest::addColumn<double>("hochwert");
    for (double h = 5200000.0; h < 6100000.0; h += 37123.456) {
      QTest::addRow("%.3f", h) << h;
    }
  }

  void sekundenSindGanz() {
    QFETCH(double, hochwert);
    GitterSetzen(3512345.678, hochwert);
    BerechneGKGeo();
    for (float wert : Breite() + Laenge()) {
      QCOMPARE(wert, std::trunc(wert));
    }
    QVERIFY(std::fabs(Umrechnungsdaten.BreiteMin) < 60.0f);
    QVERIFY(std::fabs(Umrechnungsdaten.BreiteSek) < 60.0f);
  }

  void ueberlauf_data() {
    QTest::addColumn<double>("rechtswert");
    QTest::addColumn<int>("streifenAus"); // Test::Alt when step 1 fails
    QTest::newRow("40000000000: Int16-Streifen") << 40000000000.0 << int(Test::Alt);
    QTest::newRow("32768000000: Int16-Streifen") << 32768000000.0 << int(Test::Alt);
    QTest::newRow("-32769000000: Int16-Streifen") << -32769000000.0 << int(Test::Alt);
    QTest::newRow("32767999999: Int32-Versatz") << 32767999999.0 << 32767;
    QTest::newRow("-32768999999: Int32-Versatz") << -32768999999.0 << -32768;
    QTest::newRow("2148000000: Int32-Versatz") << 2148000000.0 << 2148;
    QTest::newRow("-2148000000: Int32-Versatz") << -2148000000.0 << -2148;
  }

  void ueberlauf() {
    QFETCH(double, rechtswert);
    QFETCH(int, streifenAus);
    Test::Vorbelegen();
    GitterSetzen(rechtswert, 5540000.0);

    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("Ueberlauf"));

    QCOMPARE(int{Umrechnungsdaten.StreifenAus}, streifenAus);
    QCOMPARE(Umrechnungsdaten.RechtsSumme, Test::Alt);
    QCOMPARE(Umrechnungsdaten.Phi, Test::Alt);
    QCOMPARE(Umrechnungsdaten.BreiteGrad, float(Test::Alt));
  }

  void streifen2147Rechnet() {
    GitterSetzen(2147999999.0, 5540000.0);
    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("ok"));
    QCOMPARE(int{Umrechnungsdaten.StreifenAus}, 2147);
  }

  void gleitkommafehlerImFusspunkt() {
    // σ² of a northing of 1e100 is 1e186; its product with σ² overflows in
    // the first Horner step, which stores +∞ before its test.
    Test::Vorbelegen();
    GitterSetzen(3500000.0, 1e100);

    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("Gleitkommafehler"));

    const auto& u = Umrechnungsdaten;
    QCOMPARE(int{u.StreifenAus}, 3);
    QCOMPARE(u.RechtsSumme, 0.0);
    QVERIFY(std::isinf(u.Phi));
    QCOMPARE(u.CosPhi, Test::Alt);
  }

  void gleitkommafehlerBeimAufteilen() {
    // A latitude of some 10^40 degrees fits a double but not a float: the
    // untested degree store overflows and the test after the minutes sees it.
    Test::Vorbelegen();
    GitterSetzen(500000.0, 2e10);

    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("Gleitkommafehler"));

    const auto& u = Umrechnungsdaten;
    QVERIFY(std::isinf(u.BreiteGrad));
    QVERIFY(std::isinf(u.BreiteSek)); // the minutes with their fraction
    QCOMPARE(u.BreiteMin, float(Test::Alt));
    QCOMPARE(u.LaengeGrad, float(Test::Alt));
  }

  void flagsWerdenZuBeginnGeloescht() {
    GitterSetzen(3500000.0, 1e100);
    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("Gleitkommafehler"));
    GitterSetzen(3500000.0, 5540279.542788);
    Test::FlagsVerschmutzen();
    QCOMPARE(Test::Ausfuehren(BerechneGKGeo), QString("ok"));
    QCOMPARE(Breite(), (QList<float>{50, 0, 0}));
  }

  void hinUndZurueck() {
    // Every 15′ over the German strips: forward, back, and within one
    // second of the start (truncation drops less than a second).
    int punkte = 0;
    for (int bMin = 47 * 60; bMin <= 55 * 60; bMin += 15) {
      for (int lMin = 5 * 60 + 45; lMin <= 15 * 60 + 15; lMin += 15) {
        const int streifen = (lMin + 90) / 180; // nearest central meridian
        auto& u = Umrechnungsdaten;
        u.BreiteGrad = float(bMin / 60);
        u.BreiteMin = float(bMin % 60);
        u.BreiteSek = 7.25f;
        u.LaengeGrad = float(lMin / 60);
        u.LaengeMin = float(lMin % 60);
        u.LaengeSek = 52.5f;
        u.StreifenNr = std::int16_t(streifen);
        BerechneGeoGK();
        BerechneGKGeo();
        QCOMPARE(int{u.StreifenAus}, streifen);
        const double breiteSek = (u.BreiteGrad * 60.0 + u.BreiteMin) * 60.0 + u.BreiteSek;
        const double laengeSek = (u.LaengeGrad * 60.0 + u.LaengeMin) * 60.0 + u.LaengeSek;
        const double diffB = bMin * 60.0 + 7.25 - breiteSek;
        const double diffL = lMin * 60.0 + 52.5 - laengeSek;
        QVERIFY2(diffB >= 0.0 && diffB < 1.0, qPrintable(QString::number(diffB)));
        QVERIFY2(diffL >= 0.0 && diffL < 1.0, qPrintable(QString::number(diffL)));
        ++punkte;
      }
    }
    QVERIFY(punkte > 1000);
  }
};

QTEST_APPLESS_MAIN(TestBerechneGKGeo)
#include "tst_berechnegkgeo.moc"
