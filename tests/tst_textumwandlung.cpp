// The five text conversions on the cases of zahlen.gie, in German, in
// English and without a configured locale: what they accept, what they
// reject and with which error kind, and that the console program's file
// reader and writer answer the same.
#include "Pruefung.h"
#include "Textumwandlung.h"
#include "Zahlenstrom.h"
#include "Zahltext.h"

#include <QRegularExpression>

namespace {

/// The value read, with 17 significant digits ("-0" for minus zero), or the
/// error kind.
template <typename F> QString Ergebnis(F&& umwandlung) {
  QString wert;
  const QString ausgang = Test::Ausgang([&] {
    const double zahl = double(umwandlung());
    wert = zahl == 0 && std::signbit(zahl) ? QStringLiteral("-0") : QString::number(zahl, 'g', 17);
  });
  return ausgang == QLatin1String("ok") ? wert : ausgang;
}

/// A text of the table: ⟨n×c⟩ is n times c, \0 a NUL character.
QString Text(QString text) {
  static const QRegularExpression wiederholung(QStringLiteral("⟨(\\d+)×(.)⟩"));
  for (auto m = wiederholung.match(text); m.hasMatch(); m = wiederholung.match(text)) {
    text.replace(m.capturedStart(), m.capturedLength(),
                 QString(m.captured(1).toInt(), m.captured(2)[0]));
  }
  return text.replace(QStringLiteral("\\0"), QString(QChar(0)));
}

/// The rows of zahlen.gie whose kind starts with `art`, in the locale the
/// kind names ("lesen en": English; "lesen C": none configured; else German).
void Zeilen(const QStringList& arten) {
  QTest::addColumn<QStringList>("zeile");
  const QMap<QString, int> spalten = {
      {"lesen", 6}, {"meter", 4}, {"ganzzahl", 4}, {"grad", 4}, {"gms", 4}};
  for (const QStringList& z : Test::Tabelle("zahlen.gie", spalten)) {
    if (arten.contains(z[0].section(QLatin1Char(' '), 0, 0))) {
      QTest::newRow(qPrintable(z[0] + QLatin1Char(' ') + z[1])) << z;
    }
  }
}

void Sprache(const QString& art) {
  QLocale::setDefault(
      art.endsWith(QLatin1String(" en"))  ? QLocale(QLocale::English, QLocale::UnitedStates)
      : art.endsWith(QLatin1String(" C")) ? QLocale::c()
                                          : QLocale(QLocale::German, QLocale::Germany));
}

} // namespace

class TestTextumwandlung : public QObject {
  Q_OBJECT

private slots:
  void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

  void lesen_data() { Zeilen({"lesen"}); }
  void lesen() {
    QFETCH(QStringList, zeile); // kind, name, text, single, double, integer
    Sprache(zeile[0]);
    const QString text = Text(zeile[2]);
    const QByteArray utf8 = text.toUtf8();
    const std::string_view datei(utf8.constData(), std::size_t(utf8.size()));
    const Zahlenleser leser;
    QCOMPARE(Ergebnis([&] { return TextAlsSingle(text); }), zeile[3]);
    QCOMPARE(Ergebnis([&] { return leser.Single(datei); }), zeile[3]);
    QCOMPARE(Ergebnis([&] { return TextAlsDouble(text); }), zeile[4]);
    QCOMPARE(Ergebnis([&] { return leser.Double(datei); }), zeile[4]);
    QCOMPARE(Ergebnis([&] { return TextAlsInteger(text); }), zeile[5]);
    QCOMPARE(Ergebnis([&] { return leser.Integer(datei); }), zeile[5]);
  }

  void schreiben_data() { Zeilen({"meter", "ganzzahl", "grad", "gms"}); }
  void schreiben() {
    QFETCH(QStringList, zeile); // kind, name, value, text
    Sprache(zeile[0]);
    if (!zeile[0].startsWith(QLatin1String("meter")) &&
        !zeile[0].startsWith(QLatin1String("ganz"))) {
      const Winkeltext gms = GmsText(zeile[2].toDouble());
      QCOMPARE(zeile[0].startsWith(QLatin1String("grad"))
                   ? GradText(zeile[2].toDouble())
                   : gms.grad + ' ' + gms.minuten + ' ' + gms.sekunden,
               zeile[3]);
      return;
    }
    const bool meter = zeile[0].startsWith(QLatin1String("meter"));
    const double wert = zeile[2].toDouble();
    const Zahlenschreiber schreiber;
    QString text;
    std::string datei;
    const QString qt =
        Test::Ausgang([&] { text = meter ? MeterText(wert) : GanzzahlText(float(wert)); });
    const QString strom = Test::Ausgang(
        [&] { meter ? schreiber.Meter(wert, datei) : schreiber.Ganzzahl(float(wert), datei); });
    QCOMPARE(qt == QLatin1String("ok") ? text : qt, zeile[3]);
    QCOMPARE(strom == QLatin1String("ok") ? QString::fromStdString(datei) : strom, zeile[3]);
  }
};

QTEST_APPLESS_MAIN(TestTextumwandlung)
#include "tst_textumwandlung.moc"
