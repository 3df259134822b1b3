#include "Auftrag.h"

#include "Ausgang.h"
#include "Bezugssysteme.h"
#include "Datei.h"
#include "Textumwandlung.h"

#include <QCommandLineParser>

namespace {

/// Whether `c` can stand inside a number with the decimal mark `dezimal`,
/// at its start or within: a separator `c` would cut such a number.
bool InZahlen(QChar c, QChar dezimal) {
  const QLocale locale = Zahlenlocale();
  return (QStringLiteral("0123456789+-eE\u2212") + dezimal + locale.negativeSign() +
          locale.positiveSign() + locale.exponential())
      .contains(c);
}

QString Liste(const QString& trenner) {
  QStringList namen;
  for (const Systembeschreibung& s : Bezugssysteme) {
    namen << QString::fromUtf8(s.kurz);
  }
  return namen.join(trenner);
}

/// The help's list of systems, from the table.
QString Systemhilfe() {
  QString text;
  for (const Systembeschreibung& s : Bezugssysteme) {
    text += QStringLiteral("  %1  %2: %3\n")
                .arg(QString::fromUtf8(s.kurz).leftJustified(4), QString::fromUtf8(s.titel),
                     QString::fromUtf8(s.felder));
  }
  return text;
}

/// The options that only some directions take. An option that does not fit
/// the direction would be ignored: it is refused.
struct Richtungsoptionen {
  QCommandLineOption zone{QStringLiteral("zone"),
                          QStringLiteral("Nach utm: die UTM-Zone 32 oder 33 für alle Zeilen "
                                         "(Vorgabe: nach der ETRS89-Länge, ab 12° Ost 33)."),
                          QStringLiteral("32|33")};
  QCommandLineOption streifen{
      QStringLiteral("streifen"),
      QStringLiteral("Nach gk (außer geo-gk): der Meridianstreifen N (0 bis 120, Mittelmeridian "
                     "3° × N) für alle Zeilen (Vorgabe: der nächste Mittelmeridian)."),
      QStringLiteral("N")};
  QCommandLineOption ostwertMitZone{
      QStringLiteral("ostwert-mit-zone"),
      QStringLiteral("utm: die Zone steht vor dem Ostwert (32500000,000) statt in einem eigenen "
                     "Feld.")};
  QCommandLineOption grad{
      QStringLiteral("grad"),
      QStringLiteral("geo, etrs: Länge und Breite in je einem Feld in Dezimalgrad (9 "
                     "Nachkommastellen) statt Grad;Minuten;Sekunden.")};
  QCommandLineOption breiteZuerst{
      QStringLiteral("breite-zuerst"),
      QStringLiteral("geo, etrs: die Breite vor der Länge, wie GNSS-Empfänger und Webkarten.")};
  QCommandLineOption wieFenster{
      QStringLiteral("wie-fenster"),
      QStringLiteral("geo-gk, gk-geo: genau wie die Fenster rechnen und anzeigen (Reihen, "
                     "ganze Grad, Minuten, Sekunden abgeschnitten).")};

  void Lesen(const QCommandLineParser& parser, Zeilenformat& f) const {
    using enum Bezugssystem;
    const bool utm = f.quelle == UTM || f.ziel == UTM;
    const bool geo = f.quelle == Geo || f.quelle == Etrs || f.ziel == Geo || f.ziel == Etrs;
    const bool fenster = (f.quelle == Geo && f.ziel == GK) || (f.quelle == GK && f.ziel == Geo);
    NurFuer(parser, zone, f.ziel == UTM, "Richtungen nach utm");
    NurFuer(parser, streifen, f.ziel == GK && f.quelle != Geo,
            "Richtungen nach gk außer geo-gk (dort steht der Streifen im Feld)");
    NurFuer(parser, ostwertMitZone, utm, "Richtungen mit utm");
    NurFuer(parser, grad, geo, "Richtungen mit geo oder etrs");
    NurFuer(parser, breiteZuerst, geo, "Richtungen mit geo oder etrs");
    NurFuer(parser, wieFenster, fenster, "geo-gk und gk-geo");
    bool zahl = true;
    if (parser.isSet(zone)) {
      f.zone = parser.value(zone).toInt(&zahl);
      if (!zahl || !ZoneGueltig(f.zone)) {
        throw Abbruch(QStringLiteral("--zone „%1“: 32 oder 33.").arg(parser.value(zone)));
      }
    }
    if (parser.isSet(streifen)) {
      f.streifen = parser.value(streifen).toInt(&zahl);
      if (!zahl || !StreifenGueltig(f.streifen)) {
        throw Abbruch(QStringLiteral("--streifen „%1“: ein Meridianstreifen von 0 bis 120.")
                          .arg(parser.value(streifen)));
      }
    }
    f.ostwertMitZone = parser.isSet(ostwertMitZone);
    f.grad = parser.isSet(grad);
    f.breiteZuerst = parser.isSet(breiteZuerst);
    f.wieFenster = parser.isSet(wieFenster);
    if (f.wieFenster && (f.grad || f.breiteZuerst)) {
      throw Abbruch(QStringLiteral("--wie-fenster liest und schreibt die Felder der Fenster: "
                                   "ohne --grad und --breite-zuerst."));
    }
  }

  static void NurFuer(const QCommandLineParser& parser, const QCommandLineOption& option,
                      bool passt, const char* richtungen) {
    if (parser.isSet(option) && !passt) {
      throw Abbruch(QStringLiteral("--%1 gilt nur für %2.")
                        .arg(option.names().constFirst(), QString::fromUtf8(richtungen)));
    }
  }
};

} // namespace

char Feldtrenner(const QString& wahl, char dezimal) {
  const QString zeichen = wahl == QLatin1String("tab") ? QStringLiteral("\t") : wahl;
  const QChar c = zeichen.isEmpty() ? QChar() : zeichen.front();
  if (zeichen.size() != 1 || (c != u'\t' && (c < u' ' || c > u'~')) || c == u'"' || c == u'#') {
    throw Abbruch(QStringLiteral("Feldtrenner „%1“: ein ASCII-Zeichen außer \" und #, tab oder "
                                 "leer.")
                      .arg(wahl));
  }
  const QChar komma = dezimal != '\0' ? QChar(dezimal) : Zahlenlocale().decimalPoint().front();
  if (c == komma) {
    throw Abbruch(QStringLiteral("Feldtrenner „%1“ ist das Dezimalzeichen der Zahlen. Mit "
                                 "--dezimal %2 das andere nehmen, oder die Tabelle mit ; als "
                                 "Feldtrenner exportieren.")
                      .arg(wahl, c == u',' ? QStringLiteral("punkt") : QStringLiteral("komma")));
  }
  if (InZahlen(c, komma) || (c == u'.' && dezimal == '\0')) {
    throw Abbruch(
        QStringLiteral("Feldtrenner „%1“ kann in Zahlen stehen und sie zerteilen.").arg(wahl));
  }
  return c.toLatin1();
}

Auftrag Auswerten(const QStringList& argumente) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Rechnet Punktlisten zwischen den Koordinatensystemen der deutschen "
                     "Vermessung um, Zeile für Zeile:\n") +
      Systemhilfe() +
      QStringLiteral(
          "Die Felder stehen so in der Zeile (x vor y), ab dem ersten oder dem mit --spalte;\n"
          "weitere Felder (Punktname, Höhe, Bemerkung) werden übernommen, die Ergebnisse ans\n"
          "Zeilenende gehängt. Gerechnet wird exakt (PROJ, transversale Mercator-Abbildung),\n"
          "über den Datumswechsel DHDN–ETRS89 mit dem Gitter BeTA2007.\n\n"
          "Beispiele:\n"
          "  vazorodavazivovovar-stapel etrs-gk --grad --breite-zuerst --dezimal punkt \\\n"
          "      --trenner , --kopfzeile -p gnss.csv -o gk.csv\n"
          "    Name,Latitude,Longitude,Height / 1001,50.174098281,9.016072511,181.640\n"
          "    wird zu 1001,…,181.640,3501222.970,5559772.404\n"
          "  vazorodavazivovovar-stapel gk-utm --trenner leer --dezimal punkt -p punkte.txt\n"
          "    1001    3501222.970   5559772.404   181.640\n"
          "    wird zu 1001    3501222.970   5559772.404   181.640 32 501147.705 5557988.161"));
  const QCommandLineOption hilfe = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  // The list under the usage line names each argument as the usage line does.
  parser.addPositionalArgument(
      QStringLiteral("RICHTUNG"),
      QStringLiteral("QUELLE-ZIEL aus %1, z. B. gk-utm, etrs-gk.").arg(Liste(QStringLiteral(", "))),
      QStringLiteral("RICHTUNG"));
  parser.addPositionalArgument(
      QStringLiteral("EINGABE"),
      QStringLiteral("Eingabedatei; ohne sie oder mit - die Standardeingabe."),
      QStringLiteral("[EINGABE]"));
  const QCommandLineOption ausgabe(
      {QStringLiteral("o"), QStringLiteral("ausgabe")},
      QStringLiteral("Schreibt in AUSGABE statt auf die Standardausgabe."),
      QStringLiteral("AUSGABE"));
  const QCommandLineOption punkt({QStringLiteral("p"), QStringLiteral("punkt")},
                                 QStringLiteral("Das erste Feld jeder Zeile ist ein Punktname "
                                                "(wie --spalte 2)."));
  const QCommandLineOption spalte(
      QStringLiteral("spalte"),
      QStringLiteral("Die Koordinaten beginnen in Feld N (ab 1), mit --kopfzeile auch in der "
                     "Spalte NAME."),
      QStringLiteral("N|NAME"));
  const QCommandLineOption trenner(
      QStringLiteral("trenner"),
      QStringLiteral("Feldtrenner: ein ASCII-Zeichen, tab, oder leer für Leerzeichen und "
                     "Tabulatoren in Spalten (Vorgabe: ;)."),
      QStringLiteral("Z"), QStringLiteral(";"));
  const QCommandLineOption dezimal(
      QStringLiteral("dezimal"),
      QStringLiteral("Dezimalzeichen der Zahlen, gelesen und geschrieben: punkt oder komma "
                     "(Vorgabe: das der Spracheinstellung, sonst Komma)."),
      QStringLiteral("punkt|komma"));
  const QCommandLineOption kopfzeile(
      QStringLiteral("kopfzeile"),
      QStringLiteral("Übernimmt die erste Zeile mit den Namen der Ergebnisspalten."));
  const QCommandLineOption kodierung(
      QStringLiteral("kodierung"),
      QStringLiteral("Kodierung der Eingabe und Ausgabe: utf-8 oder windows-1252 (Vorgabe: "
                     "windows-1252, wenn der Anfang der Eingabe kein UTF-8 ist)."),
      QStringLiteral("K"));
  const Richtungsoptionen optionen;
  parser.addOptions({ausgabe, punkt, spalte, trenner, dezimal, kopfzeile, kodierung, optionen.grad,
                     optionen.breiteZuerst, optionen.zone, optionen.streifen,
                     optionen.ostwertMitZone, optionen.wieFenster});

  if (!parser.parse(argumente)) {
    throw Abbruch(parser.errorText());
  }
  if (parser.isSet(hilfe)) {
    parser.showHelp(AllesUmgerechnet);
  }
  if (parser.isSet(version)) {
    parser.showVersion();
  }
  const QStringList positionen = parser.positionalArguments();
  if (positionen.isEmpty() || positionen.size() > 2) {
    throw Abbruch(QStringLiteral("Erwartet: eine Richtung QUELLE-ZIEL (%1), dann höchstens eine "
                                 "Eingabedatei.")
                      .arg(Liste(QStringLiteral(", "))));
  }
  Auftrag auftrag;
  Zeilenformat& f = auftrag.format;
  const QStringList teile = positionen[0].split(u'-');
  const Systembeschreibung* quelle =
      teile.size() == 2 ? SystemNamens(teile[0].toStdString()) : nullptr;
  const Systembeschreibung* ziel =
      teile.size() == 2 ? SystemNamens(teile[1].toStdString()) : nullptr;
  if (quelle == nullptr || ziel == nullptr || quelle == ziel) {
    throw Abbruch(QStringLiteral("Unbekannte Richtung „%1“: QUELLE-ZIEL aus zwei "
                                 "verschiedenen von %2, z. B. gk-utm.")
                      .arg(positionen[0], Liste(QStringLiteral(", "))));
  }
  f.quelle = quelle->system;
  f.ziel = ziel->system;
  optionen.Lesen(parser, f);
  // An empty name is no file: it would stand for standard input or output.
  if ((positionen.size() == 2 && positionen[1].isEmpty()) ||
      (parser.isSet(ausgabe) && parser.value(ausgabe).isEmpty())) {
    throw Abbruch(QStringLiteral("Ein leerer Dateiname ist keine Datei; - steht für die "
                                 "Standardeingabe oder -ausgabe."));
  }
  if (positionen.size() == 2 && positionen[1] != QLatin1String("-")) {
    auftrag.eingabe = ArgumentBytes(positionen[1]);
  }
  if (parser.value(ausgabe) != QLatin1String("-")) {
    auftrag.ausgabe = ArgumentBytes(parser.value(ausgabe));
  }
  if (parser.isSet(dezimal)) {
    const QString wahl = parser.value(dezimal);
    if (wahl != QLatin1String("punkt") && wahl != QLatin1String("komma")) {
      throw Abbruch(QStringLiteral("--dezimal „%1“: punkt oder komma.").arg(wahl));
    }
    f.dezimal = wahl == QLatin1String("punkt") ? '.' : ',';
  }
  f.trennerGesetzt = parser.isSet(trenner);
  if (parser.value(trenner) == QLatin1String("leer")) {
    f.leer = true;
    f.trenner = Leerraum;
  } else {
    f.trenner = Feldtrenner(parser.value(trenner), f.dezimal);
  }
  auftrag.kopfzeile = parser.isSet(kopfzeile);
  if (parser.isSet(spalte)) {
    if (parser.isSet(punkt)) {
      throw Abbruch(QStringLiteral("--punkt heißt --spalte 2: nur eines von beiden."));
    }
    bool zahl = false;
    const int n = parser.value(spalte).toInt(&zahl);
    if (zahl && n >= 1) {
      f.spalte = static_cast<std::size_t>(n - 1);
    } else if (!zahl && auftrag.kopfzeile && !parser.value(spalte).isEmpty()) {
      f.spaltenname = parser.value(spalte);
    } else {
      throw Abbruch(QStringLiteral("--spalte „%1“: eine Feldnummer ab 1, mit --kopfzeile auch ein "
                                   "Spaltenname.")
                        .arg(parser.value(spalte)));
    }
  } else if (parser.isSet(punkt)) {
    f.spalte = 1;
  }
  const QString name = parser.value(kodierung).toLower();
  if (name == QLatin1String("utf-8")) {
    auftrag.kodierung = Kodierung::Utf8;
  } else if (name == QLatin1String("windows-1252")) {
    auftrag.kodierung = Kodierung::Windows1252;
  } else if (parser.isSet(kodierung)) {
    throw Abbruch(
        QStringLiteral("--kodierung „%1“: utf-8 oder windows-1252.").arg(parser.value(kodierung)));
  }
  return auftrag;
}
