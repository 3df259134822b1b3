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

/// A text of konsole.gie as bytes: \n, \r, \t, \\ and \xHH escaped,
/// ⟨n×text⟩ n times the text.
QByteArray Bytes(QStringView text) {
  QByteArray bytes;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'⟨') {
      const qsizetype mal = text.indexOf(u'×', i), ende = text.indexOf(u'⟩', mal);
      bytes += Bytes(text.sliced(mal + 1, ende - mal - 1))
                   .repeated(text.sliced(i + 1, mal - i - 1).toInt());
      i = ende;
    } else if (text[i] == u'\\' && text.sliced(i + 1).startsWith(u'x')) {
      bytes += char(text.sliced(i + 2, 2).toInt(nullptr, 16));
      i += 3;
    } else if (text[i] == u'\\') {
      const char16_t c = text[++i].unicode();
      bytes += c == u'n' ? '\n' : c == u'r' ? '\r' : c == u't' ? '\t' : char(c);
    } else {
      bytes += text.sliced(i, 1).toUtf8();
    }
  }
  return bytes;
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

  // The runs of konsole.gie.
  void konsole_data() {
    QTest::addColumn<QStringList>("zeile");
    for (const QStringList& z : Test::Tabelle("konsole.gie", {{"konsole", 8}}))
      QTest::newRow(qPrintable(z[1])) << z;
  }
  void konsole() {
    QFETCH(QStringList, zeile);
    QTemporaryDir ordner, gitter;
    QTemporaryFile datei;
    QFile alt(ordner.filePath("alt"));
    QVERIFY(datei.open() && alt.open(QIODevice::WriteOnly) && alt.write("alt\n") == 4);
    alt.close();
    QByteArray eingabe = Bytes(zeile[3]);
    QStringList argumente;
    for (const QString& a : zeile[2].split(' '))
      argumente << QString::fromUtf8(a == "''" ? QByteArray() : Bytes(a))
                       .replace("%d", ordner.path())
                       .replace("%e", datei.fileName())
                       .replace("%g", gitter.path())
                       .replace("%f", gitter.path())
                       .replace("%t", VAZ_OHNE_TMPFILE);
    if (zeile[2].contains("%e")) {
      QVERIFY(datei.write(eingabe) == eingabe.size() && datei.flush());
      eingabe.clear();
    }
    if (zeile[2].contains("%g")) { // the grid cut short, beside PROJ's database
      QFile ganz(VAZ_PROJ_DATEN "/BETA2007.gsb"), kurz(gitter.filePath("BETA2007.gsb"));
      QVERIFY(QFile::copy(VAZ_PROJ_DATEN "/proj.db", gitter.filePath("proj.db")) &&
              ganz.open(QIODevice::ReadOnly) && kurz.open(QIODevice::WriteOnly) &&
              kurz.write(ganz.read(2000)) == 2000);
    }
    if (zeile[2].contains("%f")) { // the whole grid, but every shift 4000″: over a kilometre
      constexpr qsizetype Kopf = 22 * 16, Ende = 16; // NTv2 headers; the END record
      QFile ganz(VAZ_PROJ_DATEN "/BETA2007.gsb"), falsch(gitter.filePath("BETA2007.gsb"));
      QVERIFY(ganz.open(QIODevice::ReadOnly) && falsch.open(QIODevice::WriteOnly));
      QByteArray daten = ganz.readAll();
      for (qsizetype i = Kopf; i + Ende < daten.size(); i += 4)
        qToLittleEndian(4000.0f, daten.data() + i);
      QVERIFY(QFile::copy(VAZ_PROJ_DATEN "/proj.db", gitter.filePath("proj.db")) &&
              falsch.write(daten) == daten.size());
    }
    QProcess lauf;
    auto umgebung = QProcessEnvironment::systemEnvironment();
    static const QRegularExpression zuweisung("^[A-Z_]+=");
    while (zuweisung.match(argumente[0]).hasMatch()) {
      const QString a = argumente.takeFirst();
      umgebung.insert(a.section('=', 0, 0), a.section('=', 1));
    }
    umgebung.insert("ASAN_OPTIONS", umgebung.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    lauf.setProcessEnvironment(umgebung);
    lauf.setWorkingDirectory(ordner.path());
    lauf.setStandardOutputFile(alt.fileName(), QIODevice::Append);
    if (!argumente.contains("-o"))
      argumente << "-o" << alt.fileName();
    Starten(lauf, argumente, eingabe,
            zeile[5] == "-"    ? 0
            : zeile[5] == "zu" ? -1
                               : zeile[5].toInt());
    const QString text = lauf.readAllStandardError();
    QCOMPARE(lauf.exitCode(), zeile[4].toInt());
    const QStringList ist = text.split('\n'),
                      soll = QString(Bytes(zeile[6])).replace("%d", ordner.path()).split('\n');
    QVERIFY2(ist.size() == soll.size() + 1 && ist.last().isEmpty(), qPrintable(text));
    for (qsizetype i = 0; i < soll.size(); ++i) {
      qsizetype bei = 0;
      for (const QString& stueck : soll[i].split(u'…'))
        QVERIFY2((bei = ist[i].indexOf(stueck, bei)) >= 0, qPrintable(text));
    }
    QVERIFY(alt.open(QIODevice::ReadOnly));
    QCOMPARE(alt.readAll(), Bytes(zeile[7]));
    QCOMPARE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), {"alt"});
  }
};

QTEST_GUILESS_MAIN(TestStapel)
#include "tst_stapel.moc"
