// The console program as a user runs it. Its number reader and writer are
// checked with the text conversions (tst_textumwandlung).
#include "Bezugssysteme.h"
#include "Pruefung.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

/// Runs the program with a limit on the size of the files it writes (0: none;
/// -1: standard output closed); `prozess` then holds its output.
void Starten(QProcess& prozess, const QStringList& argumente, const QByteArray& eingabe,
             int dateigrenze = 0) {
  prozess.setChildProcessModifier([dateigrenze] {
    const rlimit grenze{rlim_t(dateigrenze), rlim_t(dateigrenze)};
    if (dateigrenze > 0)
      setrlimit(RLIMIT_FSIZE, &grenze);
    if (dateigrenze < 0)
      close(STDOUT_FILENO);
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
    Starten(hin, {"geo-gk", "--wie-fenster", "-p", datei.fileName(), "-o", aus.fileName()}, {});
    QVERIFY(hin.exitCode() == 0 && aus.open(QIODevice::ReadOnly));
    QStringList gk; // point name, Rechtswert, Hochwert
    for (const QString& zeile : QString(aus.readAll()).trimmed().split('\n'))
      gk << zeile.section(';', 0, 0) + ';' + zeile.section(';', 8);
    Starten(zurueck, {"gk-geo", "--wie-fenster", "--punkt"}, gk.join('\n').toUtf8());
    QStringList zeilen = QString(zurueck.readAllStandardOutput()).trimmed().split('\n');
    for (qsizetype i = 0; i < zeilen.size(); ++i) { // name and whole seconds back, no strip
      zeilen[i] = zeilen[i].section(';', 0, 0) + ';' + zeilen[i].section(';', 3);
      geo[i] = geo[i].section(';', 0, 6).remove(",5");
    }
    QCOMPARE(zeilen, geo);
  }

  // The datum change. Results from PROJ's EPSG operations, "DHDN to ETRS89
  // (8)" with BeTA2007: `echo "H R" | cs2cs -f %.3f EPSG:31467 EPSG:25832`
  // (strip 3; 31468 strip 4; 25833 zone 33) and back with the codes swapped.
  // Without the grid, A would be 500000,000;5538630,704 (148 m away); cs2cs
  // has a result for "Nord" too, by a coarser method.
  void datum_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<QByteArray>("ausgabe");
    QTest::addColumn<QString>("meldung");
    const QByteArray a("A;3500000;5540279,543"), zurueck("A;32499925,108;5538503,057");
    QTest::newRow("Zone aus der Länge")
        << QStringList{"gk-utm", "-p"}
        << a + "\nO;4502000;5540000\nNord;3500000;6300000\nW;4498000;5540000"
        << a + ";32;499925,108;5538503,057\nO;4502000;5540000;33;286892,132;5542463,486\nNord;"
               "3500000;6300000;Außerhalb des Gitters BeTA2007: keine Umrechnung\nW;4498000;"
               "5540000;32;712895,666;5542454,992\n"
        << "3 von 4 Zeilen";
    QTest::newRow("--zone") // without -p: a point name gets the hint and converts later
        << QStringList{"gk-utm", "--zone", "32"} << "4502000;5540000\n" + a
        << "4502000;5540000;32;716893,106;5542615,443\n" + a +
               ";Typen unverträglich: Feld 1 (Rechtswert) – ein Punktname? Dann mit "
               "--punkt\n"
        << "1 von 2";
    QTest::newRow("Streifen aus der Länge")
        << QStringList{"utm-gk", "-p"}
        << QByteArray("a;32;604000;5540000\nb;32;612000;5540000\nc;31;1;1")
        << QByteArray(
               "a;32;604000;5540000;3604116,301;5541777,662\nb;32;612000;5540000;4397075,762;"
               "5541593,242\nc;31;1;1;Zone 31 statt 32 oder 33: Feld 2 (Zone)\n")
        << "2 von 3";
    QTest::newRow("--streifen") // 9° E lies 215 km from strip 2, 10.5° E 327 km, 14.6° E 615 km
        << QStringList{"utm-gk", "-p", "--streifen", "2"}
        << QByteArray("a;32;500000;5540000\nb;32;612000;5540000\nc;33;470000;5540000")
        << QByteArray("a;32;500000;5540000;2715058,831;5546094,248\nb;32;612000;5540000;"
                      "Rechtswert außerhalb des Streifens 2: 327 km vom Mittelmeridian, nächster "
                      "Streifen 4\nc;33;470000;5540000;Rechtswert außerhalb des Streifens 2: 615 "
                      "km vom Mittelmeridian, nächster Streifen 5\n")
        << "1 von 3";
    QTest::newRow("--ostwert-mit-zone hin")
        << QStringList{"gk-utm", "-p", "--ostwert-mit-zone", "--kopfzeile"} << "P;R;H\n" + a
        << "P;R;H;Ostwert;Nordwert\n" + a + ";32499925,108;5538503,057\n"
        << "1 von 1";
    QTest::newRow("--ostwert-mit-zone zurück")
        << QStringList{"utm-gk", "-p", "--ostwert-mit-zone"} << zurueck + "\nF;31499925,108;1"
        << zurueck + ";3500000,000;5540279,543\nF;31499925,108;1;Zone 31 statt 32 oder 33: Feld 2 "
                     "(Ostwert)\n"
        << "1 von 2";
    QTest::newRow("ohne Gitter") << QStringList{"gk-utm", "-p", "-o", "%d/aus"} << a << QByteArray()
                                 << "Gitter BETA2007.gsb (BeTA2007) für den Datumswechsel fehlt";
    QTest::newRow("Gitter beschädigt") << QStringList{"gk-utm", "-p", "-o", "%d/aus"} << a
                                       << QByteArray() << "für den Datumswechsel ist unlesbar";
  }
  void datum() {
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    QTemporaryDir leer;
    QProcess lauf;
    if (argumente.contains("%d/aus")) { // PROJ finds no grid in an empty folder
      auto umgebung = QProcessEnvironment::systemEnvironment();
      umgebung.insert("PROJ_DATA", leer.path());
      lauf.setProcessEnvironment(umgebung);
      argumente.replaceInStrings("%d", leer.path());
    }
    if (meldung.contains("unlesbar")) { // the grid cut short, beside PROJ's database
      QFile gitter(VAZ_PROJ_DATEN "/BETA2007.gsb"), kurz(leer.filePath("BETA2007.gsb"));
      QVERIFY(QFile::copy(VAZ_PROJ_DATEN "/proj.db", leer.filePath("proj.db")) &&
              gitter.open(QIODevice::ReadOnly) && kurz.open(QIODevice::WriteOnly) &&
              kurz.write(gitter.read(2000)) == 2000);
    }
    QFETCH(QByteArray, eingabe);
    Starten(lauf, argumente, eingabe);
    QTEST(lauf.readAllStandardOutput(), "ausgabe");
    const QString text = lauf.readAllStandardError();
    QVERIFY2(text.contains(meldung) && text.count('\n') == 1 && // no line of PROJ's own
                 (!argumente.contains("-o") || text.contains("proj-data")),
             qPrintable(text));
    QCOMPARE(lauf.exitCode(), text.startsWith("1 von 1") ? 0 : argumente.contains("-o") ? 2 : 1);
    QVERIFY(QDir(leer.path()).entryList({"aus*"}).isEmpty());
  }
  // Random points of strips 3 and 4, up to 70 km from their meridian (the
  // strip stays the nearest), to UTM and back: both ways round to the
  // millimetre.
  void datumRundreise() {
    std::mt19937 zufall(Test::Saat());
    const auto z = [&](unsigned bis) { return static_cast<double>(zufall() % bis); };
    QList<double> werte;
    QByteArray gk;
    for (int i = 0; i < Test::Anzahl(); ++i) {
      const double r = (3 + z(2)) * 1e6 + 430000 + z(140000000) / 1000;
      const double h = 5260000 + z(830000000) / 1000;
      werte << r << h;
      gk += QString::asprintf("P%d;%.3f;%.3f\n", i, r, h).replace('.', ',').toUtf8();
    }
    QProcess hin, zurueck;
    Starten(hin, {"gk-utm", "-p"}, gk);
    QByteArray utm; // point, zone, Ostwert, Nordwert
    for (const QString& zeile : QString(hin.readAllStandardOutput()).trimmed().split('\n'))
      utm += (zeile.section(';', 0, 0) + ';' + zeile.section(';', 3) + '\n').toUtf8();
    Starten(zurueck, {"utm-gk", "-p"}, utm);
    const QStringList zeilen = QString(zurueck.readAllStandardOutput()).trimmed().split('\n');
    QCOMPARE(zeilen.size() * 2, werte.size());
    for (qsizetype i = 0; i < zeilen.size(); ++i) // 1 mm, and the decimals' binary error
      for (int j = 0; j < 2; ++j)
        VAZ_NAHE(zeilen[i].section(';', 4 + j, 4 + j).replace(',', '.').toDouble(),
                 werte[2 * i + j], 0.001 + 1e-6);
  }

  // Names as bytes, as on a USB stick with Latin-1 names: neither decoded nor
  // replaced on their way to the file system, and shown readably.
  void bytenamen() {
    QTemporaryDir ordner;
    const QByteArray pfad = QFile::encodeName(ordner.path());
    const auto weg = qScopeGuard([&] { // QTemporaryDir cannot remove names it cannot decode
      unlink(pfad + "/M\xFCller.csv"), unlink(pfad + "/A\xFC");
    });
    const int ein = open(pfad + "/M\xFCller.csv", O_CREAT | O_WRONLY, 0600);
    QVERIFY(ein >= 0 && write(ein, "9;0;0;50;0;0;3\n", 15) == 15 && close(ein) == 0);
    QProcess lauf; // QProcess would pass its arguments as UTF-8
    lauf.setWorkingDirectory(ordner.path());
    lauf.start("sh", {"-c",
                      "\"$0\" geo-gk \"$(printf 'M\\374ller.csv')\" -o \"$(printf 'A\\374')\" && "
                      "\"$0\" geo-gk \"$(printf 'N\\374\\nX')\"",
                      VAZ_STAPEL});
    QVERIFY(lauf.waitForFinished(-1) && lauf.exitCode() == 2);
    QVERIFY(lauf.readAllStandardError().contains("„N\\xFC\\x0AX“ lässt sich nicht öffnen"));
    char aus[64] = {};
    const int f = open(pfad + "/A\xFC", O_RDONLY);
    QVERIFY(f >= 0 && read(f, aus, sizeof aus) > 15 && close(f) == 0);
    QVERIFY(QByteArray(aus).startsWith("9;0;0;50;0;0;3;3500000,000;"));
  }

  // A folder the user may not write, with a file in it that he may: the
  // message names the folder and the way around it. Root writes anywhere,
  // so its run is nobody's.
  void ordnerSchreibgeschuetzt() {
    constexpr uid_t Niemand = 65534;
    QTemporaryDir ordner;
    QFile alt(ordner.filePath("alt"));
    const QByteArray pfad = QFile::encodeName(ordner.path());
    const bool root = geteuid() == 0;
    QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt\n") == 4 && alt.flush() &&
            chmod(pfad, root ? 0755 : 0555) == 0 &&
            (!root || fchown(alt.handle(), Niemand, 0) == 0));
    const auto zurueck = qScopeGuard([&] { chmod(pfad, 0700); });
    QProcess lauf;
    lauf.setChildProcessModifier([root] { root&& setuid(Niemand); });
    lauf.start(VAZ_STAPEL, {"geo-gk", "-o", alt.fileName()});
    if (!lauf.waitForStarted())
      QSKIP("nobody kann das Programm nicht ausführen");
    lauf.closeWriteChannel();
    QVERIFY(lauf.waitForFinished() && lauf.exitCode() == 2);
    const QString text = lauf.readAllStandardError();
    QVERIFY2(text.contains("im Verzeichnis „" + ordner.path() + "“ lässt sich keine Datei") &&
                 text.contains("„> " + alt.fileName() + "“"),
             qPrintable(text));
  }

  // Where the file system has no unnamed temporary files, the temporary file
  // is gone after a signal, and the program ends by it; without one, it
  // takes the place of the older file. -SIGHUP: ignored, as under nohup.
  void signalAufraeumen() {
    for (const int nummer : {SIGINT, SIGTERM, SIGHUP, 0, -SIGHUP}) {
      QTemporaryDir ordner;
      QProcess lauf;
      auto umgebung = QProcessEnvironment::systemEnvironment();
      umgebung.insert("LD_PRELOAD", VAZ_OHNE_TMPFILE);
      umgebung.insert("ASAN_OPTIONS", umgebung.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
      lauf.setProcessEnvironment(umgebung);
      lauf.setChildProcessModifier([nummer] { // whatever the test's own caller ignores
        for (const int s : {SIGINT, SIGTERM, SIGHUP})
          std::signal(s, s == -nummer ? SIG_IGN : SIG_DFL);
      });
      lauf.start(VAZ_STAPEL, {"geo-gk", "-o", ordner.filePath("aus")});
      lauf.write("9;0;0;50;0;0;3\n");
      QDir dir(ordner.path());
      QTRY_COMPARE(dir.entryList({"aus.??????"}, QDir::Files | QDir::Hidden).size(), 1);
      if (nummer != 0)
        kill(pid_t(lauf.processId()), std::abs(nummer));
      if (nummer <= 0)
        lauf.closeWriteChannel();
      const int ende = std::max(nummer, 0);
      QVERIFY(lauf.waitForFinished());
      QCOMPARE(lauf.exitStatus(), ende ? QProcess::CrashExit : QProcess::NormalExit);
      QCOMPARE(lauf.exitCode(), ende);
      QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden),
               ende ? QStringList() : QStringList{"aus"});
    }
  }

  // Every direction reads the reference points of bezugssysteme.gie and
  // gives the others' values to 1 mm (1 mm is 9e-9° of latitude); the
  // points outside the grid fail across the datum. Angles as decimal
  // degrees, numbers with a decimal point.
  void bezugssysteme_data() {
    QTest::addColumn<QString>("quelle");
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<QString>("art");
    for (const Systembeschreibung& q : Bezugssysteme) // every direction of the table
      for (const Systembeschreibung& z : Bezugssysteme)
        for (const char* art : {"punkt", "erzwungen"})
          if (q.system != z.system)
            QTest::addRow("%s-%s %s", q.kurz, z.kurz, art) << q.kurz << z.kurz << QString(art);
  }
  void bezugssysteme() {
    QFETCH(QString, quelle);
    QFETCH(QString, ziel);
    QFETCH(QString, art);
    const QStringList systeme{"streifen", "geo", "gk", "etrs", "utm"}; // columns 3 to 7
    QStringList argumente{quelle + '-' + ziel, "-p", "--dezimal", "punkt"};
    if (quelle.contains(QRegularExpression("geo|etrs")) ||
        ziel.contains(QRegularExpression("geo|etrs")))
      argumente << "--grad";
    if (art == "erzwungen" && ziel == "gk" && quelle != "geo")
      argumente << "--streifen"
                << "4";
    if (art == "erzwungen" && ziel == "utm")
      argumente << "--zone"
                << "32";
    QByteArray eingabe;
    QList<QStringList> zeilen;
    const auto werte = [&](const QStringList& z, const QString& system) {
      return z[systeme.indexOf(system) + 2].split(' ');
    };
    for (const QStringList& z :
         Test::Tabelle("bezugssysteme.gie", {{"punkt", 7}, {"erzwungen", 7}, {"ausserhalb", 7}})) {
      if ((z[0] == "erzwungen") != (art == "erzwungen"))
        continue;
      const QStringList bereich = werte(z, "streifen");
      QStringList felder = werte(z, quelle);
      if (quelle == "utm")
        felder.prepend(bereich[1]);
      if (quelle == "geo" && ziel == "gk")
        felder << bereich[0];
      eingabe += (z[1] + ';' + felder.join(';') + '\n').toUtf8();
      zeilen << z;
    }
    QProcess lauf;
    Starten(lauf, argumente, eingabe);
    const QStringList aus = QString(lauf.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(aus.size(), zeilen.size());
    const bool datum = (quelle == "gk" || quelle == "geo") != (ziel == "gk" || ziel == "geo");
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
      const QStringList ist = aus[i].split(';');
      if (zeilen[i][0] == "ausserhalb" && datum) {
        QVERIFY2(ist.last().startsWith("Außerhalb des Gitters BeTA2007"), qPrintable(aus[i]));
        continue;
      }
      QStringList soll = werte(zeilen[i], ziel);
      if (ziel == "utm")
        soll.prepend(werte(zeilen[i], "streifen")[1]);
      const double toleranz = ziel == "geo" || ziel == "etrs" ? 9e-9 : 0.001;
      QVERIFY2(ist.size() >= soll.size(), qPrintable(aus[i]));
      for (qsizetype k = 0; k < soll.size(); ++k)
        VAZ_NAHE(ist[ist.size() - soll.size() + k].toDouble(), soll[k].toDouble(), toleranz);
    }
  }

  // --wie-fenster gives what the windows show: the windows' reference rows
  // of referenz.gie, or the 300 km rule where the Rechtswert lies farther
  // from the central meridian of the strip the series take.
  void wieFenster_data() {
    QTest::addColumn<QString>("richtung");
    QTest::newRow("geo-gk") << "geo-gk";
    QTest::newRow("gk-geo") << "gk-geo";
  }
  void wieFenster() {
    QFETCH(QString, richtung);
    QList<Test::Fall> faelle;
    QByteArray eingabe;
    for (const Test::Fall& f : Test::Faelle())
      if (f.art == "ergebnis" && f.richtung == richtung) {
        faelle << f;
        eingabe += (f.eingabe.join(';') + '\n').toUtf8();
      }
    QProcess lauf;
    Starten(lauf, {richtung, "--wie-fenster"}, eingabe);
    const QStringList zeilen =
        QString(lauf.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), faelle.size());
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
      const Test::Fall& f = faelle[i];
      const QStringList ist = zeilen[i].split(';').mid(f.eingabe.size());
      const bool hin = richtung == "geo-gk";
      const double rechtswert = hin ? f.werte[0] : Test::Zahl(f.eingabe[0]);
      const double streifen = hin ? Test::Zahl(f.eingabe[6]) : std::trunc(rechtswert / 1e6);
      if (std::fabs(rechtswert - streifen * 1e6 - 500000) > 300000) {
        QVERIFY2(ist.join(';').contains("außerhalb des Streifens"), qPrintable(zeilen[i]));
        continue;
      }
      QCOMPARE(ist.size(), f.werte.size());
      for (qsizetype k = 0; k < ist.size(); ++k) // three decimals of metres, whole numbers
        VAZ_NAHE(Test::Zahl(ist[k]), f.werte[k], hin ? 0.0005 + f.toleranz : 0.0);
    }
  }

  // Runs with "-o" onto an older file "alt" in the directory %d.

  // LibreOffice Calc's exports of one sheet in UTF-8 and in Windows-1252: the
  // same output, in the input's encoding, names with ; and "" intact.
  void tabellen() {
    QString texte[2];
    for (const int i : {0, 1}) {
      QProcess lauf;
      const QString datei = VAZ_TESTDATEN "/tabellen/calc-semikolon-%1.csv";
      Starten(lauf,
              {"gk-geo", "--wie-fenster", "-p", "--kopfzeile", datei.arg(i ? "cp1252" : "utf8")},
              {});
      // "#Bolzen 7" is a point in the sheet: a line not converted.
      QVERIFY(lauf.exitCode() == 1 &&
              lauf.readAllStandardError().endsWith(
                  "49 von 50 Zeilen umgerechnet, 1 Kommentarzeile übernommen; nicht umgerechnet, "
                  "weil sie mit # beginnen: Zeile 45\n"));
      texte[i] = QStringDecoder(i ? "windows-1252" : "utf-8")(lauf.readAllStandardOutput());
    }
    QVERIFY(texte[0].contains("\n\"Mast; alt\";3504405,099;5611793,729;191,14;\"laut "
                              "\"\"Feldbuch\"\" 12\";9;3;44;50;38;34\n"));
    QCOMPARE(texte[1], texte[0]);
  }

  // A GNSS export and a surveying program's file as they stand: the GNSS
  // points (ETRS89 from cs2cs) come back as the spreadsheet's Gauss-Krüger
  // points, and those of the surveying file go to the GNSS points, to 1 mm.
  void dateienWieSieKommen() {
    const auto lesen = [](const QByteArray& text, char trenner, int x) {
      QMap<QString, QPair<double, double>> punkte; // name: x, y
      for (QString zeile : QString(text).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = zeile.remove('\r').simplified().split(QChar(trenner));
        bool zahl = false;
        if (f.size() > x + 1 && (f[x].toDouble(&zahl), zahl))
          punkte[f[0]] = {f[x].toDouble(), f[x + 1].toDouble()};
      }
      return punkte;
    };
    QFile calc(VAZ_TESTDATEN "/tabellen/calc-semikolon-utf8.csv"),
        datei(VAZ_TESTDATEN "/tabellen/gnss-etrs89-grad.csv");
    QVERIFY(calc.open(QIODevice::ReadOnly) && datei.open(QIODevice::ReadOnly));
    QProcess gnss, vermessung;
    Starten(gnss,
            {"etrs-gk", "--grad", "--breite-zuerst", "--dezimal", "punkt", "--trenner", ",",
             "--kopfzeile", "-p", datei.fileName()},
            {});
    Starten(vermessung,
            {"gk-etrs", "--grad", "--breite-zuerst", "--dezimal", "punkt", "--trenner", "leer",
             "-p", VAZ_TESTDATEN "/tabellen/vermessung-leerzeichen-punkt.txt"},
            {});
    QVERIFY(gnss.exitCode() == 0 && vermessung.exitCode() == 0);
    const QByteArray etrs = vermessung.readAllStandardOutput();
    QCOMPARE(etrs.count("\r\n"), etrs.count('\n'));
    const auto soll = lesen(calc.readAll().replace(',', '.'), ';', 1);
    const auto gk = lesen(gnss.readAllStandardOutput(), ',', 4);
    const auto geo = lesen(datei.readAll(), ',', 1), ist = lesen(etrs, ' ', 4);
    QCOMPARE(gk.size(), 38);
    QCOMPARE(ist.keys(), geo.keys());
    for (const QString& name : gk.keys()) {
      QVERIFY(soll.contains(name) && ist.contains(name));
      VAZ_NAHE(gk[name].first, soll[name].first, 0.001 + 1e-6);
      VAZ_NAHE(gk[name].second, soll[name].second, 0.001 + 1e-6);
      VAZ_NAHE(ist[name].first, geo[name].first, 9e-9);
      VAZ_NAHE(ist[name].second, geo[name].second, 9e-9);
    }
  }

  // Progress goes to a terminal that is not the output's, and is cleared
  // before the summary; on the output's own terminal there is none.
  void fortschritt() {
    QTemporaryFile datei;
    QVERIFY(datei.open() && datei.write("9;0;0;50;0;0;3\n") > 0 && datei.flush());
    for (const bool aufsTerminal : {true, false}) {
      const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
      QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
      QProcess lauf;
      lauf.setChildProcessModifier([name = QByteArray(ptsname(terminal)), aufsTerminal] {
        const int t = open(name.constData(), O_RDWR);
        dup2(t, STDERR_FILENO);
        if (aufsTerminal)
          dup2(t, STDOUT_FILENO);
      });
      lauf.start(VAZ_STAPEL, {"geo-gk", datei.fileName()});
      QVERIFY(lauf.waitForFinished(-1) && lauf.exitCode() == 0);
      char gelesen[4096];
      const auto n = read(terminal, gelesen, sizeof gelesen);
      QVERIFY(close(terminal) == 0 && n > 0);
      QCOMPARE(QByteArray(gelesen, n).replace("\r\n", "\n"),
               QByteArray(aufsTerminal ? "9;0;0;50;0;0;3;3500000,000;5540279,542\n"
                                       : "\r100 %\r      \r") +
                   "1 von 1 Zeilen umgerechnet\n");
    }
  }

  // Runs with "-o" onto an older file "alt" in the directory %d; a first
  // argument "LC_ALL=…" sets the locale, "-o /dev/stdout" appends to "alt".
  void lauf_data() {
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<int>("dateigrenze"); // bytes, 0 for none, -1: standard output closed
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("meldungen");  // each part between | on standard error
    QTest::addColumn<QByteArray>("ausgabe"); // what "alt" then holds
    const auto zeile = [](const char* name, const QStringList& argumente, const QByteArray& eingabe,
                          int dateigrenze, int code, const char* meldungen,
                          const QByteArray& ausgabe) {
      QTest::newRow(name) << argumente << eingabe << dateigrenze << code << QString(meldungen)
                          << ausgabe;
    };
    zeile(
        "Fehler mittendrin", {"gk-geo", "--wie-fenster", "-p", "-", "--kodierung", "windows-1252"},
        "A;3500000;5540279,543\n1;2\nB;x;1\n#A;3500000;0\n\nC;3500000;1e100\r\nD;4e10;0\nF;3500000;"
        "1e8\nE;3500000;0",
        0, 1,
        "2 von 8 Zeilen umgerechnet, 1 Kommentarzeile übernommen; nicht umgerechnet, weil sie mit "
        "# beginnen: Zeile 4|Zeile 4 beginnt mit #",
        "A;3500000;5540279,543;9;0;0;50;0;0\n1;2;Typen unvertr\xE4glich: 2 Felder statt mindestens"
        " 3\nB;x;1;Typen unvertr\xE4glich: Feld 2 (Rechtswert (X) [m])\n#A;3500000;0\n\nC;3500000;"
        "1e100;Gleitkommafehler\r\nD;4e10;0;\334berlauf: Feld 2 (Rechtswert (X) [m])\nF;3500000;"
        "1e8;\334berlauf: Ergebnis Geographische Breite \x96 Grad\nE;3500000;0;9;0;0;0;0;0\n");
    zeile("Kopfzeile", {"geo-gk", "--kopfzeile", "--trenner", "tab"}, "L\n9\t0\t0\t50\t0\t0\t3\tH",
          0, 0, "1 von 1",
          "L\tRechtswert\tHochwert\n9\t0\t0\t50\t0\t0\t3\tH\t3500000,000\t5540279,542\n");
    zeile("feste Stellen", {"gk-geo", "--kopfzeile"},
          "R;H;Höhe\n3500000;5540279,543;12,5\nP;3500000;5540279,543\nQ;x;1\n1,\"2,5\"\n", 0, 1,
          "1 von 4",
          "R;H;Höhe;LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek\n3500000;"
          "5540279,543;12,5;9;0;0,00000;50;0;0,00003\nP;3500000;5540279,543;Typen unverträglich: "
          "Feld 1 "
          "(Rechtswert) – ein Punktname? Dann mit --punkt\nQ;x;1;Typen unverträglich: Feld 1"
          " (Rechtswert)\n1,\"2,5\";Typen unverträglich: 1 Feld statt mindestens 2 – mit , "
          "getrennt? Dann mit Semikolon als Feldtrenner exportieren\n");
    zeile(
        "Anführungszeichen, Windows-1252", {"gk-geo", "--wie-fenster", "-p"},
        "\"M\xFC; \"\"alt\"\";x\";3536022,765;\"5559555,519\"\r\n\"Zeile\nzwei\";x;1\n#;\"x\n#B;"
        "3500000;0",
        0, 1, "1 von 3 Zeilen umgerechnet, 2 Kommentarzeilen|Zeile 5 beginnt mit #",
        "\"M\xFC; \"\"alt\"\";x\";3536022,765;\"5559555,519\";9;30;15;50;10;19\r\n\"Zeile\nzwei\";"
        "x;1;Typen unvertr\xE4glich: Feld 2 (Rechtswert (X) [m])\n#;\"x\n#B;3500000;0\n");
    zeile("BOM", {"gk-geo", "-p"},
          "\xEF\xBB\xBFP;3500000;5540279,543\nQ;\xEF\xBB\xBF"
          "3500000;1",
          0, 1, "1 von 2",
          "\xEF\xBB\xBFP;3500000;5540279,543;9;0;0,00000;50;0;0,00003\nQ;\xEF\xBB\xBF"
          "3500000;1;Typen "
          "unverträglich: Feld 2 (Rechtswert)\n");
    zeile("Minuszeichen nach /dev/stdout",
          {"LC_ALL=sv_SE.UTF-8", "geo-gk", "--wie-fenster", "-o", "/dev/stdout"},
          "−9;0;0;50;0;0;−3\n-9;0;0;50;0;0;-3", 0, 0, "2 von 2",
          "alt\n−9;0;0;50;0;0;−3;−2500000,000;5540279,543\n-9;0;0;50;0;0;-3;−2500000,000;5540279,"
          "543\n");
    zeile("Minuszeichen in Windows-1252",
          {"LC_ALL=sv_SE.UTF-8", "geo-gk", "--wie-fenster", "--kodierung", "windows-1252"},
          "-9;0;0;50;0;0;-3", 0, 0, "1 von 1", "-9;0;0;50;0;0;-3;-2500000,000;5540279,543\n");
    zeile("Meldung mit Trenner", {"gk-geo", "--trenner", " "}, "P 1", 0, 1, "0 von 1",
          "P 1 \"Typen unverträglich: Feld 1 (Rechtswert)\"\n");
    // Files as they come. Coordinates from cs2cs (EPSG:31467, 25832, 4258,
    // 4314), as in bezugssysteme.gie.
    zeile("Leerzeichen, Dezimalpunkt", {"gk-utm", "--trenner", "leer", "--dezimal", "punkt", "-p"},
          "  1001    3501222.970   5559772.404   181.640\r\n1002\t3501222.970\t5600000.000  \r\n"
          "  \r\n",
          0, 0, "2 von 2",
          "  1001    3501222.970   5559772.404   181.640 32 501147.705 5557988.161\r\n1002\t"
          "3501222.970\t5600000.000   32 501147.977 5598199.772\r\n  \r\n");
    zeile("--spalte NAME", {"gk-utm", "--kopfzeile", "--spalte", "R"},
          "Nr;Code;R;H;Höhe\n1;x;3501222,970;5559772,404;1\n;;;;\n", 0, 0, "1 von 1",
          "Nr;Code;R;H;Höhe;Zone;Ostwert;Nordwert\n1;x;3501222,970;5559772,404;1;32;501147,705;"
          "5557988,161\n;;;;\n");
    zeile("--spalte 5 liest gk-utm -p", {"utm-gk", "--spalte", "5"},
          "1001;3501222,97;5559772,404;181,64;32;501147,705;5557988,161", 0, 0, "1 von 1",
          "1001;3501222,97;5559772,404;181,64;32;501147,705;5557988,161;3501222,970;5559772,404\n");
    zeile("GNSS, Breite zuerst",
          {"etrs-gk", "--grad", "--breite-zuerst", "--dezimal", "punkt", "--trenner", ",", "-p"},
          "1001,50.174098281,9.016072511,181.640", 0, 0, "1 von 1",
          "1001,50.174098281,9.016072511,181.640,3501222.970,5559772.404\n");
    zeile("Breite zuerst, Sekunden", {"gk-etrs", "--grad", "--breite-zuerst", "--kopfzeile"},
          "R;H\n3501222,97;5559772,404", 0, 0, "1 von 1",
          "R;H;Breite;Laenge\n3501222,97;5559772,404;50,174098281;9,016072511\n");
    zeile("Sekunden gelesen", {"etrs-gk", "-p"}, "1001;9;0;57,86104;50;10;26,753812", 0, 0,
          "1 von 1", "1001;9;0;57,86104;50;10;26,753812;3501222,970;5559772,404\n");
    // invproj -f %.10f +proj=tmerc +lon_0=0 +x_0=500000 +k=1 +ellps=bessel
    zeile("westlich, jeder Teil negativ", {"gk-geo"}, "400000;5540279,543", 0, 0, "1 von 1",
          "400000;5540279,543;-1;-23;-41,04241;49;59;29,82050\n");
    zeile(
        "Dezimalkomma bei --dezimal punkt", {"gk-geo", "--dezimal", "punkt"},
        "3501222,97;5559772,404", 0, 1, "0 von 1",
        "3501222,97;5559772,404;Typen unverträglich: Feld 1 (Rechtswert) – Dezimalkomma? Dann mit "
        "--dezimal komma\n");
    zeile("Sekunden runden in die Minute", {"gk-geo", "-p"},
          "a;3500000;5542133,151759\nb;3500000;5650132,218", 0, 0, "2 von 2",
          "a;3500000;5542133,151759;9;0;0,00000;50;1;0,00000\nb;3500000;5650132,218;9;0;0,00000;"
          "50;59;15,55332\n");
    zeile("300 km", {"gk-geo"},
          "1001;3501222,97;5559772,404\nC;1001;3501222,97;5559772,404\n1001;3501222.97;5559772.404",
          0, 1, "0 von 3",
          "1001;3501222,97;5559772,404;Rechtswert außerhalb des Streifens 0: 499 km vom "
          "Mittelmeridian – ein Punktname? Dann mit --punkt\nC;1001;3501222,97;5559772,404;Typen "
          "unverträglich: Feld 1 (Rechtswert) – die Koordinaten ab Feld 3? Dann mit --spalte 3\n"
          "1001;3501222.97;5559772.404;Typen unverträglich: Feld 2 (Hochwert) – Dezimalpunkt? "
          "Dann mit --dezimal punkt\n");
    zeile("300 km wie die Fenster", {"gk-geo", "--wie-fenster"}, "1001;3501222,97;5559772,404", 0,
          1, "0 von 1",
          "1001;3501222,97;5559772,404;Rechtswert außerhalb des Streifens 0: 499 km vom "
          "Mittelmeridian – ein Punktname? Dann mit --punkt\n");
    zeile("300 km vom Streifen im Feld", {"geo-gk"}, "9;0;0;50;0;0;5\n9;0;0;50,9876537;0;0;3", 0, 1,
          "1 von 2",
          "9;0;0;50;0;0;5;Rechtswert außerhalb des Streifens 5: 430 km vom Mittelmeridian, "
          "nächster Streifen 3\n9;0;0;50,9876537;0;0;3;3500000,000;5650132,218\n");
    zeile("nur CR", {"gk-utm", "-p"},
          "P1;3500000;5540279,543;1\rP2;4502000;5540000;2\rP3;3600000;5600000;3\r", 0, 0, "3 von 3",
          "P1;3500000;5540279,543;1;32;499925,108;5538503,057\rP2;4502000;5540000;2;33;286892,132;"
          "5542463,486\rP3;3600000;5600000;3;32;599885,551;5598199,177\r");
    zeile("sep=", {"gk-utm", "--kopfzeile", "-p"}, "sep=|\nP|R|H\nA|3500000|5540279,543", 0, 0,
          "1 von 1",
          "sep=|\nP|R|H|Zone|Ostwert|Nordwert\nA|3500000|5540279,543|32|499925,108|5538503,057\n");
    zeile(
        "UTM: Zone im Ostwert, Breitenband", {"utm-gk"},
        "32;32499925,108;5538503,057\n32499925,108;5538503,057\n32U;499925,108;5538503,057\n"
        "32T;499925,108;5538503,057",
        0, 1, "1 von 4",
        "32;32499925,108;5538503,057;Ostwert außerhalb der Zone 32: Feld 2 (Ostwert) – die Zone "
        "vor "
        "dem Ostwert? Dann mit --ostwert-mit-zone\n32499925,108;5538503,057;Typen unverträglich: 2 "
        "Felder statt mindestens 3 – die Zone vor dem Ostwert? Dann mit --ostwert-mit-zone\n32U;"
        "499925,108;5538503,057;3500000,000;5540279,543\n32T;499925,108;5538503,057;Breitenband T "
        "passt nicht zum Punkt, er liegt in 32U\n");
    const QByteArray alt("alt\n"), viel = QByteArray("9;0;0;50;0;0;3\n").repeated(20000);
    zeile("Zeile zu lang", {"gk-geo"},
          QByteArray(65535, 'a') + '\n' + QByteArray(1048577, 'a') + '\n', 0, 2,
          "Zeile 2: eine Zeile ist länger", alt);
    zeile("Trenner in Zahlen", {"geo-gk", "--trenner", "-"}, viel, 0, 2, "„-“ kann in Zahlen", alt);
    zeile("UTF-16", {"geo-gk"},
          QByteArray("\xFF\xFE"
                     "9\0;\0",
                     6) +
              viel,
          0, 2, "ist UTF-16 kodiert", alt);
    zeile("später kein UTF-8", {"geo-gk"}, "Ä;0\n" + viel + "\xC4;0\n", 0, 2,
          "Zeile 20002 ist kein UTF-8", alt);
    zeile("offenes Anführungszeichen", {"geo-gk"}, viel + "\"P;0\n1\n", 0, 2,
          "Zeile 20001: ein Anführungszeichen", alt);
    zeile("Standardausgabe zu", {"geo-gk"}, viel, -1, 2, "Standardausgabe (Deskriptor 1) ist ge",
          alt);
    zeile("sep= gegen --trenner", {"gk-geo", "--trenner", "tab"}, "sep=;\n" + viel, 0, 2,
          "anderen Feldtrenner als --trenner", alt);
    zeile("Trenner Punkt", {"gk-geo", "--dezimal", "punkt", "--trenner", "."}, viel, 0, 2,
          "Dezimalzeichen", alt);
    zeile("--wie-fenster nur für die Fenster", {"gk-utm", "--wie-fenster"}, viel, 0, 2,
          "--wie-fenster gilt nur", alt);
    zeile("Richtung", {"gk-gk"}, viel, 0, 2, "gk-gk", alt);
    zeile("Eingabe fehlt", {"geo-gk", "%d/x"}, viel, 0, 2, "%d/x", alt);
    zeile("Ausgabe ohne Ordner", {"geo-gk", "-o", "%d/x/aus"}, viel, 0, 2, "%d/x/aus", alt);
    zeile("Ausgabe voll", {"geo-gk"}, viel, 4096, 2,
          "„%d/alt“ lässt sich nicht schreiben: Datei zu groß", alt);
    zeile("Ausgabe leer", {"geo-gk", "-o", ""}, viel, 0, 2, "leerer Dateiname", alt);
    zeile("Eingabe ist Ausgabe", {"geo-gk", "%d/alt", "-o", "/dev/stdout"}, {}, 4096, 2,
          "„%d/alt“ und Ausgabe „/dev/stdout“ sind dieselbe Datei", alt);
  }
  void lauf() {
    QFETCH(QStringList, argumente);
    QTemporaryDir ordner;
    QFile alt(ordner.filePath("alt"));
    QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt\n") == 4);
    alt.close();
    argumente.replaceInStrings("%d", ordner.path());
    QProcess lauf;
    if (argumente[0].startsWith("LC_ALL=")) {
      QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
      umgebung.insert("LC_ALL", argumente.takeFirst().mid(7));
      lauf.setProcessEnvironment(umgebung);
    }
    if (argumente.contains("/dev/stdout"))
      lauf.setStandardOutputFile(alt.fileName(), QIODevice::Append);
    if (!argumente.contains("-o"))
      argumente << "-o" << alt.fileName();
    QFETCH(QByteArray, eingabe);
    QFETCH(int, dateigrenze);
    Starten(lauf, argumente, eingabe, dateigrenze);
    QTEST(lauf.exitCode(), "code");
    const QString text = lauf.readAllStandardError();
    QFETCH(QString, meldungen);
    for (const QString& meldung : meldungen.replace("%d", ordner.path()).split('|'))
      QVERIFY2(text.contains(meldung), qPrintable(text));
    QVERIFY(alt.open(QIODevice::ReadOnly));
    QTEST(alt.readAll(), "ausgabe");
    QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {"alt"});
  }
};

QTEST_GUILESS_MAIN(TestStapel)
#include "tst_stapel.moc"
