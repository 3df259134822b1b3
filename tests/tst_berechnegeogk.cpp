// Geographic → Gauss-Krüger: reference points, working fields, the two
// integer overflows with what they leave written, and floating-point faults.
#include "Voderedezazarire.h"
#include "Zustand.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace Voderedezazarire;

namespace {

constexpr double MeterToleranz = 1e-6; // [m], the reference figures carry six decimals

void EingabeSetzen(float bg, float bm, float bs, float lg, float lm, float ls, int streifen) {
  Umrechnungsdaten.BreiteGrad = bg;
  Umrechnungsdaten.BreiteMin = bm;
  Umrechnungsdaten.BreiteSek = bs;
  Umrechnungsdaten.LaengeGrad = lg;
  Umrechnungsdaten.LaengeMin = lm;
  Umrechnungsdaten.LaengeSek = ls;
  Umrechnungsdaten.StreifenNr = static_cast<std::int16_t>(streifen);
}

} // namespace

class TestBerechneGeoGK : public QObject {
  Q_OBJECT

private slots:
  void init() { Umrechnungsdaten = Umrechnungsdatensatz{}; }

  void startetMitNullen() {
    // The record of a fresh run: every numeric field reads 0, so the
    // all-zero point converts to the false easting on the equator.
    BerechneGeoGK();
    QCOMPARE(Umrechnungsdaten.Rechtswert, 500000.0);
    QCOMPARE(Umrechnungsdaten.Hochwert, 0.0);
  }

  void referenzpunkte_data() {
    QTest::addColumn<QList<float>>("breite");
    QTest::addColumn<QList<float>>("laenge");
    QTest::addColumn<int>("streifen");
    QTest::addColumn<double>("rechtswert");
    QTest::addColumn<double>("hochwert");
    using L = QList<float>;
    QTest::newRow("Mittelmeridian 50/9")
        << L{50, 0, 0} << L{9, 0, 0} << 3 << 3500000.0 << 5540279.542788;
    QTest::newRow("Berlin 52 30/13 24")
        << L{52, 30, 0} << L{13, 24, 0} << 4 << 4595060.254295 << 5819301.806683;
    QTest::newRow("München") << L{48, 8, 20} << L{11, 34, 30} << 4 << 4468373.323442
                             << 5333414.143259;
    QTest::newRow("Sekunden als float")
        << L{47, 30, 15.5f} << L{10, 59, 59.99f} << 4 << 4424671.862304 << 5263262.108131;
    QTest::newRow("Düsseldorf") << L{51, 13, 45} << L{6, 46, 30} << 2 << 2554127.802224
                                << 5677282.975571;
    QTest::newRow("Rügen") << L{54, 5, 30} << L{14, 45, 15} << 5 << 5483916.713279
                           << 5995527.343691;
    QTest::newRow("alles null") << L{0, 0, 0} << L{0, 0, 0} << 0 << 500000.0 << 0.0;
    QTest::newRow("Äquator 3° östlich") << L{0, 0, 0} << L{3, 0, 0} << 0 << 834073.445596 << 0.0;
    QTest::newRow("Süden und Westen")
        << L{-33, -27, -15} << L{-1, -30, -45} << 0 << 359390.909792 << -3703775.451194;
    QTest::newRow("Sydney Streifen 50")
        << L{-33, -52, -10} << L{151, 12, 30} << 50 << 50611791.957618 << -3749465.447298;
    QTest::newRow("negativer Streifen")
        << L{-33, -27, -15} << L{-70, -39, -30} << -24 << -23375273.598563 << -3703557.325912;
  }

  void referenzpunkte() {
    QFETCH(QList<float>, breite);
    QFETCH(QList<float>, laenge);
    QFETCH(int, streifen);
    QFETCH(double, rechtswert);
    QFETCH(double, hochwert);
    EingabeSetzen(breite[0], breite[1], breite[2], laenge[0], laenge[1], laenge[2], streifen);

    BerechneGeoGK();

    QVERIFY2(std::fabs(Umrechnungsdaten.Rechtswert - rechtswert) < MeterToleranz,
             qPrintable(QString::number(Umrechnungsdaten.Rechtswert, 'f', 9)));
    QVERIFY2(std::fabs(Umrechnungsdaten.Hochwert - hochwert) < MeterToleranz,
             qPrintable(QString::number(Umrechnungsdaten.Hochwert, 'f', 9)));
  }

  void arbeitsfelder() {
    EingabeSetzen(52, 30, 0, 13, 24, 0, 4);
    BerechneGeoGK();
    const auto& u = Umrechnungsdaten;
    // Tolerances: one unit in the last published digit.
    QVERIFY(std::fabs(u.Phi - 0.916297870833) < 1e-12);
    QVERIFY(std::fabs(u.Meridianbogen - 5818380.34172968) < 1e-8);
    QVERIFY(std::fabs(u.CosPhi - 0.608761418270) < 1e-12);
    QVERIFY(std::fabs(u.Eta2 - 0.00249007841532) < 1e-14);
    QVERIFY(std::fabs(u.Querradius - 6390834.95604153) < 1e-8);
    QVERIFY(std::fabs(u.TanPhi - 1.30322540937) < 1e-11);
    QVERIFY(std::fabs(u.DeltaL - 1.4) < 1e-12);
    QVERIFY(std::fabs(u.LFaktor - 0.0148748477708) < 1e-13);
    QVERIFY(std::fabs(u.RechtsSumme - 95060.2542951622) < 1e-9);
  }

  void streifengrenzen_data() {
    QTest::addColumn<int>("streifen");
    QTest::addColumn<bool>("ueberlauf");
    QTest::addColumn<bool>("hochwertGeschrieben");
    QTest::newRow("2147 rechnet") << 2147 << false << true;
    QTest::newRow("-2147 rechnet") << -2147 << false << true;
    QTest::newRow("2148: Int32-Versatz") << 2148 << true << true;
    QTest::newRow("-2148: Int32-Versatz") << -2148 << true << true;
    QTest::newRow("10922: Int32-Versatz") << 10922 << true << true;
    QTest::newRow("10923: Int16-Mittelmeridian") << 10923 << true << false;
    QTest::newRow("-10923: Int16-Mittelmeridian") << -10923 << true << false;
  }

  void streifengrenzen() {
    QFETCH(int, streifen);
    QFETCH(bool, ueberlauf);
    QFETCH(bool, hochwertGeschrieben);
    Test::Vorbelegen();
    EingabeSetzen(50, 0, 0, 9, 0, 0, streifen);

    const auto art = Test::Ausfuehren(BerechneGeoGK);

    QCOMPARE(art, QString(ueberlauf ? "Ueberlauf" : "ok"));
    const auto& u = Umrechnungsdaten;
    // Steps up to the tangent always run before the central meridian.
    QVERIFY(std::fabs(u.Phi - 50.0 / Rho) < 1e-15);
    QVERIFY(std::fabs(u.TanPhi - std::tan(50.0 / Rho)) < 1e-12);
    QCOMPARE(u.Hochwert != Test::Alt, hochwertGeschrieben);
    QCOMPARE(u.DeltaL != Test::Alt, hochwertGeschrieben);
    QCOMPARE(u.Rechtswert != Test::Alt, !ueberlauf);
    if (!ueberlauf) {
      // Far from its strip the point is absurd but finite.
      QVERIFY(std::isfinite(u.Rechtswert) && std::isfinite(u.Hochwert));
    }
  }

  void gleitkommafehlerBreite() {
    // An infinite latitude passes the sine argument test (∞ raises nothing)
    // but sin(∞) is invalid: the fault surfaces right after the arc.
    Test::Vorbelegen();
    EingabeSetzen(std::numeric_limits<float>::infinity(), 0, 0, 9, 0, 0, 3);

    QCOMPARE(Test::Ausfuehren(BerechneGeoGK), QString("Gleitkommafehler"));

    const auto& u = Umrechnungsdaten;
    QVERIFY(std::isinf(u.Phi));
    QVERIFY(std::isnan(u.Meridianbogen));
    QCOMPARE(u.CosPhi, Test::Alt);
    QCOMPARE(u.Hochwert, Test::Alt);
  }

  void gleitkommafehlerLaenge() {
    // An infinite longitude runs as ∞ through l; the cubic easting term is
    // −∞ north of 45° and meets +∞: ∞ − ∞ is invalid in the easting series.
    Test::Vorbelegen();
    EingabeSetzen(50, 0, 0, std::numeric_limits<float>::infinity(), 0, 0, 3);

    QCOMPARE(Test::Ausfuehren(BerechneGeoGK), QString("Gleitkommafehler"));

    const auto& u = Umrechnungsdaten;
    QVERIFY(std::isinf(u.LFaktor));
    QVERIFY(std::isinf(u.Hochwert));
    QVERIFY(std::isnan(u.RechtsSumme));
    QCOMPARE(u.Rechtswert, Test::Alt);
  }

  void flagsWerdenZuBeginnGeloescht() {
    // A fault must not poison the next conversion, nor a stale flag set
    // by anybody else before the call.
    EingabeSetzen(std::numeric_limits<float>::infinity(), 0, 0, 9, 0, 0, 3);
    QCOMPARE(Test::Ausfuehren(BerechneGeoGK), QString("Gleitkommafehler"));
    EingabeSetzen(50, 0, 0, 9, 0, 0, 3);
    Test::FlagsVerschmutzen();
    QCOMPARE(Test::Ausfuehren(BerechneGeoGK), QString("ok"));
    QVERIFY(std::fabs(Umrechnungsdaten.Hochwert - 5540279.542788) < MeterToleranz);
  }
};

QTEST_APPLESS_MAIN(TestBerechneGeoGK)
#include "tst_berechnegeogk.moc"
