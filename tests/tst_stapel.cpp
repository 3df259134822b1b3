// The console program as a user runs it. Its number reader and writer are
// checked with the text conversions (tst_textumwandlung).
#include <QtTest>

#include <random>
#include <sys/resource.h>

namespace {

/// Runs the program with a limit on the size of the files it writes (0: none);
/// `prozess` then holds its output.
void Starten(QProcess& prozess, const QStringList& argumente, const QByteArray& eingabe,
             int dateigrenze = 0) {
  prozess.setChildProcessModifier([dateigrenze] {
    const rlimit grenze{rlim_t(dateigrenze), rlim_t(dateigrenze)};
    if (dateigrenze > 0)
      setrlimit(RLIMIT_FSIZE, &grenze);
  });
  prozess.start(VAZ_STAPEL, argumente);
  prozess.write(eingabe);
  prozess.closeWriteChannel();
  QVERIFY(prozess.waitForFinished(-1) && prozess.exitStatus() == QProcess::NormalExit);
}

} // namespace

class TestStapel : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { qputenv("LC_ALL", "C"); } // the program's: no locale, German rules
  // Named points there and back. Half seconds come back as the whole second
  // below them: the shown values are truncated, the series are far finer.
  void rundreise() {
    std::mt19937 zufall(20261206);
    const auto z = [&](unsigned bis) { return static_cast<unsigned>(zufall() % bis); };
    QStringList geo;
    for (unsigned i = 0; i < 200; ++i) {
      const unsigned s = 2 + z(3), lg = 3 * s - 1 + z(2), lm = z(60), ls = z(60), bg = 47 + z(8),
                     bm = z(60), bs = z(60); // strip s, at most 2° from its meridian
      geo << QString::asprintf("P%u;%u;%u;%u,5;%u;%u;%u,5;%u", i, lg, lm, ls, bg, bm, bs, s);
    }
    QTemporaryDir ordner;
    QFile datei(ordner.filePath("geo")), aus(ordner.filePath("gk"));
    QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(geo.join('\n').toUtf8()) > 0);
    datei.close();
    QProcess hin, zurueck;
    Starten(hin, {"geo-gk", "-p", datei.fileName(), "-o", aus.fileName()}, {});
    QVERIFY(hin.exitCode() == 0 && aus.open(QIODevice::ReadOnly));
    QStringList gk; // point name, Rechtswert, Hochwert
    for (const QString& zeile : QString(aus.readAll()).trimmed().split('\n'))
      gk << zeile.section(';', 0, 0) + ';' + zeile.section(';', 8);
    Starten(zurueck, {"gk-geo", "--punkt"}, gk.join('\n').toUtf8());
    QStringList zeilen = QString(zurueck.readAllStandardOutput()).trimmed().split('\n');
    for (qsizetype i = 0; i < zeilen.size(); ++i) { // name and whole seconds back, no strip
      zeilen[i] = zeilen[i].section(';', 0, 0) + ';' + zeilen[i].section(';', 3);
      geo[i] = geo[i].section(';', 0, 6).remove(",5");
    }
    QCOMPARE(zeilen, geo);
  }

  // Runs with "-o" onto an older file "alt" in the directory %d.
  void lauf_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<int>("dateigrenze"); // bytes, 0 for none
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QByteArray>("ausgabe"); // what "alt" then holds
    QTest::newRow("Fehler mittendrin")
        << QStringList{"gk-geo", "-p", "-"}
        << QByteArray("A;3500000;5540279,543\n1;2\nB;x;1\n# A\n\nC;3500000;1e100\r\nD;4e10;0\n"
                      "E;3500000;0")
        << 0 << 1 << "2 von 6 Zeilen umgerechnet, 1 Kommentarzeile übernommen"
        << QByteArray("A;3500000;5540279,543;9;0;0;50;0;0\n1;2;Typen unverträglich: 2 Felder "
                      "statt mindestens 3\nB;x;1;Typen unverträglich: Feld 2 (Rechtswert (X) [m])"
                      "\n# A\n\nC;3500000;1e100;Gleitkommafehler\r\nD;4e10;0;Überlauf: Feld 2 "
                      "(Rechtswert (X) [m])\nE;3500000;0;9;0;0;0;0;0\n");
    QTest::newRow("Kopfzeile") << QStringList{"geo-gk", "--kopfzeile", "--trenner", "tab"}
                               << QByteArray("L\n9\t0\t0\t50\t0\t0\t3") << 0 << 0 << "1 von 1"
                               << QByteArray("L\tRechtswert\tHochwert\n9\t0\t0\t50\t0\t0\t3\t"
                                             "3500000,000\t5540279,543\n");
    const QByteArray alt("alt\n"), viel = QByteArray("9;0;0;50;0;0;3\n").repeated(20000);
    QTest::newRow("Richtung") << QStringList{"gk-gk"} << viel << 0 << 2 << "gk-gk" << alt;
    QTest::newRow("Eingabe fehlt")
        << QStringList{"geo-gk", "%d/x"} << viel << 0 << 2 << "%d/x" << alt;
    QTest::newRow("Ausgabe ohne Ordner")
        << QStringList{"geo-gk", "-o", "%d/x/aus"} << viel << 0 << 2 << "%d/x/aus" << alt;
    QTest::newRow("Ausgabe voll") << QStringList{"geo-gk"} << viel << 4096 << 2 << "%d/alt" << alt;
  }
  void lauf() {
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    QTemporaryDir ordner;
    QFile alt(ordner.filePath("alt"));
    QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt\n") == 4);
    alt.close();
    argumente.replaceInStrings("%d", ordner.path());
    if (!argumente.contains("-o"))
      argumente << "-o" << alt.fileName();
    QFETCH(QByteArray, eingabe);
    QFETCH(int, dateigrenze);
    QProcess lauf;
    Starten(lauf, argumente, eingabe, dateigrenze);
    QTEST(lauf.exitCode(), "code");
    const QString text = lauf.readAllStandardError();
    QVERIFY2(text.contains(meldung.replace("%d", ordner.path())), qPrintable(text));
    QVERIFY(alt.open(QIODevice::ReadOnly));
    QTEST(alt.readAll(), "ausgabe");
    QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {"alt"});
  }
};

QTEST_GUILESS_MAIN(TestStapel)
#include "tst_stapel.moc"
