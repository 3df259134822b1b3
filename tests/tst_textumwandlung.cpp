// The five text conversions on the cases of zahlen.gie: what they accept,
// what they reject and with which error kind, and that the console
// program's file reader and writer answer the same; then without a
// configured locale and in English.
#include "Pruefung.h"
#include "Textumwandlung.h"
#include "Zahlenstrom.h"

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

void Zeilen(const QString& art) {
  QTest::addColumn<QStringList>("zeile");
  for (const QStringList& z : Test::Tabelle("zahlen.gie")) {
    if (z[0] == art) {
      QTest::newRow(qPrintable(z[1])) << z.mid(2);
    }
  }
}

} // namespace

class TestTextumwandlung : public QObject {
  Q_OBJECT

private slots:
  void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
  void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

  void lesen_data() { Zeilen(QStringLiteral("lesen")); }
  void lesen() {
    QFETCH(QStringList, zeile);
    const QString text = Text(zeile[0]);
    const QByteArray utf8 = text.toUtf8();
    const std::string_view datei(utf8.constData(), std::size_t(utf8.size()));
    const Zahlenleser leser;
    QCOMPARE(Ergebnis([&] { return TextAlsSingle(text); }), zeile[1]);
    QCOMPARE(Ergebnis([&] { return leser.Single(datei); }), zeile[1]);
    QCOMPARE(Ergebnis([&] { return TextAlsDouble(text); }), zeile[2]);
    QCOMPARE(Ergebnis([&] { return leser.Double(datei); }), zeile[2]);
    QCOMPARE(Ergebnis([&] { return TextAlsInteger(text); }), zeile[3]);
    QCOMPARE(Ergebnis([&] { return leser.Integer(datei); }), zeile[3]);
  }

  void meterText_data() { Zeilen(QStringLiteral("meter")); }
  void meterText() {
    QFETCH(QStringList, zeile);
    std::string datei;
    Zahlenschreiber().Meter(zeile[0].toDouble(), datei);
    QCOMPARE(MeterText(zeile[0].toDouble()), zeile[1]);
    QCOMPARE(QString::fromStdString(datei), zeile[1]);
  }

  void ganzzahlText_data() { Zeilen(QStringLiteral("ganzzahl")); }
  void ganzzahlText() {
    QFETCH(QStringList, zeile);
    QString text;
    std::string datei;
    const QString ausgang = Test::Ausgang([&] { text = GanzzahlText(zeile[0].toFloat()); });
    QCOMPARE(ausgang == QLatin1String("ok") ? text : ausgang, zeile[1]);
    const QString ausgang2 =
        Test::Ausgang([&] { Zahlenschreiber().Ganzzahl(zeile[0].toFloat(), datei); });
    QCOMPARE(ausgang2 == QLatin1String("ok") ? QString::fromStdString(datei) : ausgang2, zeile[1]);
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
    QCOMPARE(Zahlenleser().Double("52.5"), 52.5);
    QCOMPARE(Ergebnis([] { return Zahlenleser().Double("52,5"); }),
             QStringLiteral("Typen unverträglich"));
    QCOMPARE(Ergebnis([] { return TextAlsDouble(QStringLiteral("1,234.5")); }),
             QStringLiteral("Typen unverträglich"));
    QCOMPARE(MeterText(1234567.5), QStringLiteral("1234567.500"));
    QCOMPARE(MeterText(-0.0001), QStringLiteral("0.000"));
  }
};

QTEST_APPLESS_MAIN(TestTextumwandlung)
#include "tst_textumwandlung.moc"
