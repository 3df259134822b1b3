// The five text conversions: what they accept, what they reject and with
// which error kind, in German, in English and without a configured locale.
#include "Textumwandlung.h"
#include "Voderedezazarire.h"
#include "Zustand.h"

#include <QtTest>

#include <cmath>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// "ok:<value>" or the error kind, so that one table covers both outcomes.
template <typename F> QString Ergebnis(F&& umwandlung) {
  try {
    return QStringLiteral("ok:") + QString::number(double(umwandlung()), 'g', 17);
  } catch (const Fehler& f) {
    return Test::Artname(f.art());
  }
}

} // namespace

class TestTextumwandlung : public QObject {
  Q_OBJECT

private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

  void lesen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("single");
    QTest::addColumn<QString>("doppelt");
    QTest::addColumn<QString>("ganzzahl");
    auto zeile = [](const char* name, const QString& text, const char* s, const char* d,
                    const char* i) {
      QTest::newRow(name) << text << QString::fromLatin1(s) << QString::fromLatin1(d)
                          << QString::fromLatin1(i);
    };
    zeile("ganz", "3", "ok:3", "ok:3", "ok:3");
    zeile("plus", "+3", "ok:3", "ok:3", "ok:3");
    zeile("minus", "-33", "ok:-33", "ok:-33", "ok:-33");
    zeile("Komma", "52,5", "ok:52.5", "ok:52.5", "Typenkonflikt");
    zeile("ganze mit Komma", "3,0", "ok:3", "ok:3", "ok:3");
    zeile("Blanks außen", " 7 ", "ok:7", "ok:7", "ok:7");
    zeile("Exponent", "1,5e3", "ok:1500", "ok:1500", "ok:1500");
    zeile("float-Rundung", "59,99", "ok:59.990001678466797", "ok:59.990000000000002",
          "Typenkonflikt");
    zeile("leer", "", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("nur Blanks", "   ", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("Buchstaben", "abc", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("Tausenderpunkt", "1.234,5", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("Punkt als Dezimalzeichen", "1.5", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("nan", "nan", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("inf", "inf", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("-inf", "-inf", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("halber Exponent", "5e", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("float-Überlauf", "1e39", "Ueberlauf", "ok:9.9999999999999994e+38", "Ueberlauf");
    zeile("Rand float", "3,4028234e38", "ok:3.4028234663852886e+38", "ok:3.4028233999999999e+38",
          "Ueberlauf");
    zeile("double-Überlauf", "1e400", "Ueberlauf", "Ueberlauf", "Ueberlauf");
    zeile("negativer Überlauf", "-1e400", "Ueberlauf", "Ueberlauf", "Ueberlauf");
    zeile("Unterlauf float", "1e-50", "ok:0", "ok:1e-50", "Typenkonflikt");
    zeile("Unterlauf double", "1e-400", "ok:0", "ok:0", "ok:0");
    // Only a real number with a very negative exponent is an underflow.
    zeile("Unterlauf riesiger Exponent", "1e-99999999999999999999", "ok:0", "ok:0", "ok:0");
    zeile("Unterlauf mit Unicode-Minus", "1e\u2212400", "ok:0", "ok:0", "ok:0");
    zeile("doppelter Exponent", "1e1e-400", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("Blank vor Exponent", "1 e-400", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("Blank im Exponent", "1e -400", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("inf mit Exponent", "infe-400", "Typenkonflikt", "Typenkonflikt", "Typenkonflikt");
    zeile("NUL hinter Exponent", QString::fromUtf8("5e-4\0", 5), "Typenkonflikt", "Typenkonflikt",
          "Typenkonflikt");
    zeile("Int16-Rand", "32767", "ok:32767", "ok:32767", "ok:32767");
    zeile("Int16-Rand negativ", "-32768", "ok:-32768", "ok:-32768", "ok:-32768");
    zeile("Int16-Überlauf", "40000", "ok:40000", "ok:40000", "Ueberlauf");
    zeile("Int16-Überlauf negativ", "-32769", "ok:-32769", "ok:-32769", "Ueberlauf");
    zeile("viele Stellen", "99999999999999999999", "ok:1.0000000200408773e+20", "ok:1e+20",
          "Ueberlauf");
  }

  void lesen() {
    QFETCH(QString, text);
    QFETCH(QString, single);
    QFETCH(QString, doppelt);
    QFETCH(QString, ganzzahl);
    QCOMPARE(Ergebnis([&] { return TextAlsSingle(text); }), single);
    QCOMPARE(Ergebnis([&] { return TextAlsDouble(text); }), doppelt);
    QCOMPARE(Ergebnis([&] { return TextAlsInteger(text); }), ganzzahl);
  }

  void meterText_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("Rechtswert") << 3500000.0 << "3500000,000";
    QTest::newRow("gerundet") << 5540279.542788 << "5540279,543";
    QTest::newRow("negativ") << -3749465.447298 << "-3749465,447";
    QTest::newRow("halber Meter") << 0.5 << "0,500";
    QTest::newRow("null") << 0.0 << "0,000";
    QTest::newRow("minus null") << -0.0 << "0,000";
    QTest::newRow("rundet auf null") << -0.0004 << "0,000";
    QTest::newRow("rundet nicht auf null") << -0.0006 << "-0,001";
    QTest::newRow("zehn negativ") << -10.0 << "-10,000";
    QTest::newRow("groß, ohne Gruppen") << 50611791.957618 << "50611791,958";
  }

  void meterText() {
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(MeterText(wert), text);
  }

  void ganzzahlText_data() {
    QTest::addColumn<float>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << 0.0f << "0";
    QTest::newRow("minus null") << -0.0f << "0";
    QTest::newRow("negativ") << -10.0f << "-10";
    QTest::newRow("Rand oben") << 32767.0f << "32767";
    QTest::newRow("Rand unten") << -32768.0f << "-32768";
    QTest::newRow("Überlauf oben") << 32768.0f << "Ueberlauf";
    QTest::newRow("Überlauf unten") << -32769.0f << "Ueberlauf";
    QTest::newRow("unendlich") << std::numeric_limits<float>::infinity() << "Ueberlauf";
    QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "Ueberlauf";
  }

  void ganzzahlText() {
    QFETCH(float, wert);
    QFETCH(QString, text);
    QString ist;
    try {
      ist = GanzzahlText(wert);
    } catch (const Fehler& f) {
      QCOMPARE(f.art(), Fehlerart::Ueberlauf);
      ist = QStringLiteral("Ueberlauf");
    }
    QCOMPARE(ist, text);
  }

  void ohneLocaleDeutsch() {
    // A machine with no locale configured reads and writes German numbers.
    QLocale::setDefault(QLocale::c());
    QCOMPARE(TextAlsDouble(QStringLiteral("52,5")), 52.5);
    QCOMPARE(MeterText(1234567.5), QStringLiteral("1234567,500"));
  }

  void englischeLocale() {
    // The user's locale decides; grouping is rejected there too.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(TextAlsDouble(QStringLiteral("52.5")), 52.5);
    QCOMPARE(Ergebnis([] { return TextAlsDouble(QStringLiteral("1,234.5")); }),
             QStringLiteral("Typenkonflikt"));
    QCOMPARE(MeterText(1234567.5), QStringLiteral("1234567.500"));
    QCOMPARE(MeterText(-0.0001), QStringLiteral("0.000"));
  }
};

QTEST_APPLESS_MAIN(TestTextumwandlung)
#include "tst_textumwandlung.moc"
