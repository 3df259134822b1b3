// Both conversions on the reference cases of referenz.gie, each started
// with stale floating-point flags, and random values (seed and count as the
// window tests take them, Pruefung.h).
#include "Pruefung.h"

#include <QRandomGenerator>

using namespace Test;
using namespace Voderedezazarire;

class TestKern : public QObject {
  Q_OBJECT

private slots:
  void faelle_data() { FaelleAlsZeilen({"", "feld", "kern", "nurkern"}); }
  void faelle() {
    QFETCH(Fall, fall);
    Umrechnungsdatensatz u;
    Vorbelegen(u);
    const bool geo = fall.richtung == QLatin1String("geo-gk");
    const Umrechnungsrichtung& richtung = geo ? RichtungGeoGK : RichtungGKGeo;
    // The inputs as numbers, "inf" included, which no box accepts.
    FelderLesen(richtung, u, [&](std::size_t i, auto& ziel) {
      ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(Zahl(fall.eingabe[qsizetype(i)]));
    });
    // Flags raised by anybody before the call, a fault of the row before
    // included, must not count.
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    const QString ausgang = Ausgang([&] { richtung.berechnung(u); });

    const QMap<QString, double> felder = Felder(u);
    if (fall.Fehlschlag()) { // the kind, and the working fields written until then
      QCOMPARE(ausgang, fall.erwartung);
      QCOMPARE(Geschrieben(u, Eingaben(richtung)), fall.geschrieben);
      return;
    }
    QCOMPARE(ausgang, QStringLiteral("ok"));
    if (!fall.arbeitsfeld.isEmpty()) {
      VAZ_NAHE(felder[fall.arbeitsfeld], fall.werte[0], fall.toleranz);
      return;
    }
    // Results finite, and as expected where a row gives them.
    const QStringList namen = geo ? Eingaben(RichtungGKGeo) : Eingaben(RichtungGeoGK).mid(0, 6);
    for (qsizetype i = 0; i < namen.size(); ++i) {
      QVERIFY(std::isfinite(felder[namen[i]]));
      if (!fall.werte.isEmpty()) {
        VAZ_NAHE(felder[namen[i]], fall.werte[i], fall.toleranz);
      }
    }
  }

  void zufall() {
    // Random values, many at the float and 16-bit limits: every call ends
    // with finite (back: whole) results or an error, and each way meets each
    // outcome it can have: forward never meets a floating-point fault (its
    // inputs are finite floats), back meets all three.
    QRandomGenerator z(Saat() + 1);
    qInfo("VAZ_ZUFALL_SEED=%u VAZ_ZUFALL_ANZAHL=%d", Saat(), Anzahl());
    const float grenzen[] = {0, 59, 60, 90, 32767, 1e20f, 3.4e38f, 1e-45f};
    auto winkel = [&] {
      const float w = z.bounded(3) ? float(z.generateDouble() * 200 - 100) : grenzen[z.bounded(8)];
      return z.bounded(2) ? -w : w;
    };
    Umrechnungsdatensatz u;
    float* felder[] = {&u.BreiteGrad, &u.BreiteMin, &u.BreiteSek,
                       &u.LaengeGrad, &u.LaengeMin, &u.LaengeSek};
    QSet<QString> hinAusgaenge, zurueckAusgaenge;
    for (int lauf = 0; lauf < 20 * Anzahl(); ++lauf) {
      for (float* f : felder) {
        *f = winkel();
      }
      u.StreifenNr = std::int16_t(z.bounded(-32768, 32768));
      const QString hin = Ausgang([&] { BerechneGeoGK(u); });
      QVERIFY(hin != "ok" || std::isfinite(u.Rechtswert + u.Hochwert));
      hinAusgaenge << hin;
      u.Rechtswert = std::ldexp(z.generateDouble() - 0.5, int(z.bounded(-1074, 1024)));
      u.Hochwert = z.bounded(2) ? z.generateDouble() * 2e7 - 1e7 : winkel() * 1e5;
      const QString zurueck = Ausgang([&] { BerechneGKGeo(u); });
      for (float* f : felder) {
        QVERIFY(zurueck != "ok" || *f == std::trunc(*f));
      }
      zurueckAusgaenge << zurueck;
    }
    QCOMPARE(hinAusgaenge, (QSet<QString>{"ok", "Überlauf"}));
    QCOMPARE(zurueckAusgaenge, (QSet<QString>{"ok", "Überlauf", "Gleitkommafehler"}));
  }
};

QTEST_APPLESS_MAIN(TestKern)
#include "tst_kern.moc"
