// Both conversions on the reference cases, the flags left by earlier work,
// a round trip over the German strips, and random values (seed and count as
// the window tests take them, Pruefung.h).
#include "Pruefung.h"

#include <QRandomGenerator>

using namespace Test;
using namespace Voderedezazarire;

namespace {

/// How a conversion ended, compared with its case: for a failure the kind
/// and the working fields it had written, for "endlich" finite results.
void AusgangPruefen(const Fall& fall, const QString& ausgang, const QStringList& eingaben,
                    std::initializer_list<double> ergebnisse) {
  if (fall.fehlschlag) {
    QCOMPARE(ausgang, fall.erwartung);
    QCOMPARE(Geschrieben(eingaben), fall.geschrieben);
    return;
  }
  QCOMPARE(ausgang, QStringLiteral("ok"));
  for (double wert : ergebnisse) {
    QVERIFY(std::isfinite(wert));
  }
}

} // namespace

class TestKern : public QObject {
  Q_OBJECT

private slots:
  void geoGK_data() { FaelleAlsZeilen(QStringLiteral("geo-gk"), {"", "feld", "kern", "nurkern"}); }
  void geoGK() {
    QFETCH(Fall, fall);
    auto& u = Umrechnungsdaten;
    Vorbelegen();
    float* winkel[] = {&u.LaengeGrad, &u.LaengeMin, &u.LaengeSek,
                       &u.BreiteGrad, &u.BreiteMin, &u.BreiteSek};
    for (int i = 0; i < 6; ++i) {
      *winkel[i] = float(Zahl(fall.eingabe[i]));
    }
    u.StreifenNr = std::int16_t(Zahl(fall.eingabe[6]));

    AusgangPruefen(fall, Ausgang(BerechneGeoGK), GeoEingaben, {u.Rechtswert, u.Hochwert});
    if (!fall.arbeitsfeld.isEmpty()) {
      VAZ_NAHE(Felder().value(fall.arbeitsfeld), fall.werte[0], fall.werte[1]);
    } else if (fall.werte.size() == 3) {
      VAZ_NAHE(u.Rechtswert, fall.werte[0], fall.werte[2]);
      VAZ_NAHE(u.Hochwert, fall.werte[1], fall.werte[2]);
    }
  }

  void gkGeo_data() { FaelleAlsZeilen(QStringLiteral("gk-geo"), {"", "feld", "kern", "nurkern"}); }
  void gkGeo() {
    QFETCH(Fall, fall);
    auto& u = Umrechnungsdaten;
    Vorbelegen();
    u.Rechtswert = Zahl(fall.eingabe[0]);
    u.Hochwert = Zahl(fall.eingabe[1]);

    AusgangPruefen(
        fall, Ausgang(BerechneGKGeo), GKEingaben,
        {u.LaengeGrad, u.LaengeMin, u.LaengeSek, u.BreiteGrad, u.BreiteMin, u.BreiteSek});
    if (!fall.arbeitsfeld.isEmpty()) {
      VAZ_NAHE(Felder().value(fall.arbeitsfeld), fall.werte[0], fall.werte[1]);
    } else if (fall.werte.size() == 6) {
      const QList<double> ist = {u.LaengeGrad, u.LaengeMin, u.LaengeSek,
                                 u.BreiteGrad, u.BreiteMin, u.BreiteSek};
      QCOMPARE(ist, fall.werte);
    }
  }

  void flagsVonFruehererArbeitStoerenNicht() {
    // A fault must not poison the next conversion, nor a flag set by
    // anybody else before the call.
    auto& u = Umrechnungsdaten;
    u = {};
    u.BreiteGrad = 50.0f;
    u.LaengeGrad = 9.0f;
    u.StreifenNr = 3;
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    QCOMPARE(Ausgang(BerechneGeoGK), QStringLiteral("ok"));
    u.Hochwert = 1e100;
    QCOMPARE(Ausgang(BerechneGKGeo), QStringLiteral("Gleitkommafehler"));
    u.Hochwert = 5540279.542788;
    QCOMPARE(Ausgang(BerechneGKGeo), QStringLiteral("ok"));
    QCOMPARE(u.BreiteGrad, 50.0f);
  }

  void hinUndZurueck() {
    // Every 15′ over the German strips, 7.25″ and 52.5″ off the grid:
    // forward, back, and the truncation drops less than one second.
    auto& u = Umrechnungsdaten;
    for (int bMin = 47 * 60; bMin <= 55 * 60; bMin += 15) {
      for (int lMin = 5 * 60 + 45; lMin <= 15 * 60 + 15; lMin += 15) {
        const auto streifen = std::int16_t((lMin + 90) / 180); // nearest central meridian
        u = {};
        u.BreiteGrad = float(bMin / 60);
        u.BreiteMin = float(bMin % 60);
        u.BreiteSek = 7.25f;
        u.LaengeGrad = float(lMin / 60);
        u.LaengeMin = float(lMin % 60);
        u.LaengeSek = 52.5f;
        u.StreifenNr = streifen;
        BerechneGeoGK();
        BerechneGKGeo();
        QCOMPARE(u.StreifenAus, streifen);
        const double breite = (u.BreiteGrad * 60.0 + u.BreiteMin) * 60.0 + u.BreiteSek;
        const double laenge = (u.LaengeGrad * 60.0 + u.LaengeMin) * 60.0 + u.LaengeSek;
        VAZ_NAHE(bMin * 60.0 + 7.25 - breite, 0.5, 0.5);
        VAZ_NAHE(lMin * 60.0 + 52.5 - laenge, 0.5, 0.5);
      }
    }
  }

  void zufall() {
    // Random values, many at the float and 16-bit limits: every call ends
    // with finite whole results, an overflow or a floating-point fault.
    QRandomGenerator z(Saat() + 1);
    const float grenzen[] = {0, 59, 60, 90, 32767, 1e20f, 3.4e38f, 1e-45f};
    auto winkel = [&] {
      const float w = z.bounded(3) ? float(z.generateDouble() * 200 - 100) : grenzen[z.bounded(8)];
      return z.bounded(2) ? -w : w;
    };
    auto& u = Umrechnungsdaten;
    float* felder[] = {&u.BreiteGrad, &u.BreiteMin, &u.BreiteSek,
                       &u.LaengeGrad, &u.LaengeMin, &u.LaengeSek};
    for (int lauf = 0; lauf < 20 * Anzahl(); ++lauf) {
      for (float* f : felder) {
        *f = winkel();
      }
      u.StreifenNr = std::int16_t(z.bounded(-32768, 32768));
      const QString hin = Ausgang(BerechneGeoGK);
      QVERIFY(hin == "ok" ? std::isfinite(u.Rechtswert + u.Hochwert)
                          : hin != "Typen unverträglich");
      u.Rechtswert = std::ldexp(z.generateDouble() - 0.5, int(z.bounded(-1074, 1024)));
      u.Hochwert = z.bounded(2) ? z.generateDouble() * 2e7 - 1e7 : winkel() * 1e5;
      const QString zurueck = Ausgang(BerechneGKGeo);
      for (float* f : felder) {
        QVERIFY(zurueck == "ok" ? *f == std::trunc(*f) : zurueck != "Typen unverträglich");
      }
    }
  }
};

QTEST_APPLESS_MAIN(TestKern)
#include "tst_kern.moc"
