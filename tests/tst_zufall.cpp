// Randomised inputs: random texts typed into both input windows, random
// field values fed straight into the core. Each press ends in exactly one
// result window or exactly one message; results are always well formed.
// Seed and count: VAZ_ZUFALL_SEED (default 20261206), VAZ_ZUFALL_ANZAHL
// (presses per direction, default 150); both are printed. A long run needs
// no care for QtTest's function timeout: main() lifts it.
#include "Fensterhilfe.h"
#include "Formular.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace Test;
using namespace Voderedezazarire;

namespace {

const quint32 Saat = qEnvironmentVariableIsSet("VAZ_ZUFALL_SEED")
                         ? qEnvironmentVariable("VAZ_ZUFALL_SEED").toUInt()
                         : 20261206u;
const int Anzahl = qEnvironmentVariableIntValue("VAZ_ZUFALL_ANZAHL") > 0
                       ? qEnvironmentVariableIntValue("VAZ_ZUFALL_ANZAHL")
                       : 150;

/// Mostly a number near [von, bis] in one of the usual forms, sometimes a
/// text a user might type or paste.
QString Text(QRandomGenerator& z, double von, double bis) {
  static const QStringList seltsam = {"",      " ",     "nan",  "-inf",  "1.234,5", "1,2,3",
                                      "1e",    "0x1A",  "½",    "−5",    "1e39",    "1e-50",
                                      "1e400", "32768", "2148", "10923", "Nord",    "٣"};
  const double wert = von + (bis - von) * z.generateDouble();
  switch (z.bounded(6)) {
  case 0:
    return seltsam[z.bounded(int(seltsam.size()))];
  case 1:
    return QStringLiteral("%1e%2").arg(z.bounded(10)).arg(z.bounded(-330, 330));
  default:
    return QLocale().toString(wert, z.bounded(2) ? 'f' : 'e', int(z.bounded(7)));
  }
}

} // namespace

class TestZufall : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    FensterTestsVorbereiten();
    qInfo("VAZ_ZUFALL_SEED=%u VAZ_ZUFALL_ANZAHL=%d", Saat, Anzahl);
  }

  void fenster() {
    QRandomGenerator z(Saat);
    frmGeoGK geo;
    frmGKGeo gk;
    const double von[] = {5, 0, 0, 47, 0, 0, 2, 2e6, -1e7},
                 bis[] = {16, 59, 60, 55, 59, 60, 5, 6e6, 1e7};
    const QRegularExpression wert(
        QStringLiteral("^(?!-0,000$)(-?[1-9][0-9]*|0|-?[0-9]+,[0-9]{3})$"));
    int ergebnisse = 0;
    for (int lauf = 0; lauf < 2 * Anzahl; ++lauf) {
      const bool geoGK = lauf % 2 == 0;
      const auto g = geo.Eingabefelder();
      const auto k = gk.Eingabefelder();
      const QList<QLineEdit*> felder =
          geoGK ? QList(g.begin(), g.end()) : QList(k.begin(), k.end());
      for (int i = 0; i < felder.size(); ++i) {
        Tippen(felder[i], Text(z, von[geoGK ? i : i + 7], bis[geoGK ? i : i + 7]));
      }
      const qsizetype meldungen = Meldungen().size();
      auto* ergebnis = Oeffnet<Formular>([&] { Klicken(geoGK ? geo.Command1 : gk.Command1); });
      QVERIFY2((ergebnis != nullptr) + Meldungen().size() - meldungen == 1,
               qPrintable(QString::number(lauf)));
      for (const QLabel* label : ergebnis ? ergebnis->findChildren<QLabel*>() : QList<QLabel*>{}) {
        if (label->textInteractionFlags() & Qt::TextSelectableByMouse) { // a value, no caption
          QVERIFY2(wert.match(label->text()).hasMatch(), qPrintable(label->text()));
          ++ergebnisse;
        }
      }
      if (ergebnis) {
        ergebnis->close();
      }
    }
    // Both outcomes must be exercised, or the test proves little.
    QVERIFY(ergebnisse > Anzahl && Meldungen().size() > Anzahl / 10);
  }

  void kern() {
    // Random values, many at the float and 16-bit limits: every call ends
    // with finite whole results or an overflow or a floating-point fault.
    QRandomGenerator z(Saat + 1);
    const float grenzen[] = {0, 59, 60, 90, 32767, 1e20f, 3.4e38f, 1e-45f};
    auto winkel = [&] {
      const float w = z.bounded(3) ? float(z.generateDouble() * 200 - 100) : grenzen[z.bounded(8)];
      return z.bounded(2) ? -w : w;
    };
    auto& u = Umrechnungsdaten;
    for (int lauf = 0; lauf < 20 * Anzahl; ++lauf) {
      float* felder[] = {&u.BreiteGrad, &u.BreiteMin, &u.BreiteSek,
                         &u.LaengeGrad, &u.LaengeMin, &u.LaengeSek};
      for (float* f : felder) {
        *f = winkel();
      }
      u.StreifenNr = std::int16_t(z.bounded(-32768, 32768));
      const QString vor = Ausgang(BerechneGeoGK);
      QVERIFY(vor == "ok" ? std::isfinite(u.Rechtswert + u.Hochwert)
                          : vor != "Typen unverträglich");
      u.Rechtswert = std::ldexp(z.generateDouble() - 0.5, int(z.bounded(-1074, 1024)));
      u.Hochwert = z.bounded(2) ? z.generateDouble() * 2e7 - 1e7 : winkel() * 1e5;
      const QString zurueck = Ausgang(BerechneGKGeo);
      for (float* f : felder) {
        QVERIFY2(zurueck == "ok" ? *f == std::trunc(*f) : zurueck != "Typen unverträglich",
                 qPrintable(zurueck));
      }
    }
  }
};

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
    qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
  }
  QApplication app(argc, argv);
  TestZufall test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_zufall.moc"
