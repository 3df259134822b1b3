#include "Auftrag.h"

#include "Ausgang.h"
#include "Datei.h"
#include "Textumwandlung.h"

#include <QCommandLineParser>

namespace {

/// Whether `c` can stand inside a number the windows read, at its start or
/// within: a separator `c` would cut such a number into other numbers.
bool InZahlen(QChar c) {
  const QLocale locale = Zahlenlocale();
  return (QStringLiteral("0123456789+-eE\u2212") + locale.decimalPoint() + locale.groupSeparator() +
          locale.negativeSign() + locale.positiveSign() + locale.exponential())
      .contains(c);
}

char Trenner(const QString& wahl) {
  const QString zeichen = wahl == QLatin1String("tab") ? QStringLiteral("\t") : wahl;
  const QChar c = zeichen.isEmpty() ? QChar() : zeichen.front();
  if (zeichen.size() != 1 || (c != u'\t' && (c < u' ' || c > u'~')) || c == u'"' || c == u'#') {
    throw Abbruch(
        QStringLiteral("--trenner „%1“: ein ASCII-Zeichen außer \" und #, oder tab.").arg(wahl));
  }
  if (c == Zahlenlocale().decimalPoint()) {
    throw Abbruch(QStringLiteral("--trenner „%1“ ist das Dezimalzeichen der Zahlen. Die Tabelle "
                                 "mit ; als Feldtrenner exportieren, der Vorgabe.")
                      .arg(wahl));
  }
  if (InZahlen(c)) {
    throw Abbruch(
        QStringLiteral("--trenner „%1“ kann in Zahlen stehen und sie zerteilen.").arg(wahl));
  }
  return c.toLatin1();
}

/// The options of the datum directions. An option that does not fit the
/// direction would be ignored: it is refused.
struct Datumsoptionen {
  QCommandLineOption zone{QStringLiteral("zone"),
                          QStringLiteral("gk-utm: die UTM-Zone 32 oder 33 für alle Zeilen "
                                         "(Vorgabe: nach der ETRS89-Länge, ab 12° Ost 33)."),
                          QStringLiteral("32|33")};
  QCommandLineOption streifen{
      QStringLiteral("streifen"),
      QStringLiteral("utm-gk: der Meridianstreifen N (0 bis 120, Mittelmeridian 3° × N) für alle "
                     "Zeilen (Vorgabe: der nächste Mittelmeridian)."),
      QStringLiteral("N")};
  QCommandLineOption ostwertMitZone{
      QStringLiteral("ostwert-mit-zone"),
      QStringLiteral("gk-utm, utm-gk: die Zone steht vor dem Ostwert (32500000,000) statt in "
                     "einem eigenen Feld.")};

  void Lesen(const QCommandLineParser& parser, Zeilenformat& format) const {
    const bool gkutm = format.richtung == Richtung::GKUTM;
    const bool utmgk = format.richtung == Richtung::UTMGK;
    NurFuer(parser, zone, gkutm, "gk-utm");
    NurFuer(parser, streifen, utmgk, "utm-gk");
    NurFuer(parser, ostwertMitZone, gkutm || utmgk, "gk-utm und utm-gk");
    bool zahl = true;
    if (parser.isSet(zone)) {
      format.zone = parser.value(zone).toInt(&zahl);
      if (!zahl || (format.zone != WestZone && format.zone != OstZone)) {
        throw Abbruch(QStringLiteral("--zone „%1“: 32 oder 33.").arg(parser.value(zone)));
      }
    }
    if (parser.isSet(streifen)) {
      format.streifen = parser.value(streifen).toInt(&zahl);
      if (!zahl || format.streifen < 0 || format.streifen > LetzterStreifen) {
        throw Abbruch(QStringLiteral("--streifen „%1“: ein Meridianstreifen von 0 bis 120.")
                          .arg(parser.value(streifen)));
      }
    }
    format.ostwertMitZone = parser.isSet(ostwertMitZone);
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

Auftrag Auswerten(const QStringList& argumente) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Rechnet Punktlisten zwischen geographischen Koordinaten auf dem Bessel-Ellipsoid\n"
      "und Gauss-Krüger-Koordinaten in 3°-Meridianstreifen um, Zeile für Zeile.\n\n"
      "Die Koordinaten stehen am Zeilenanfang, mit --punkt hinter einem Punktnamen:\n"
      "  geo-gk: LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek;Streifen\n"
      "  gk-geo: Rechtswert;Hochwert\n"
      "  gk-utm: Rechtswert;Hochwert, dahinter Zone;Ostwert;Nordwert\n"
      "  utm-gk: Zone;Ostwert;Nordwert, dahinter Rechtswert;Hochwert\n"
      "gk-utm und utm-gk wechseln das Datum (DHDN nach ETRS89 und zurück) mit dem\n"
      "Gitter BeTA2007 über PROJ.\n"
      "Weitere Felder (Höhe, Bemerkung) werden übernommen, die Ergebnisse ans\n"
      "Zeilenende gehängt. Felder in Anführungszeichen dürfen den Feldtrenner und\n"
      "Zeilenumbrüche enthalten."));
  const QCommandLineOption hilfe = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  // The list under the usage line names each argument as the usage line does.
  parser.addPositionalArgument(
      QStringLiteral("RICHTUNG"),
      QStringLiteral("geo-gk: geographisch nach Gauss-Krüger, gk-geo: zurück; gk-utm: "
                     "Gauss-Krüger nach ETRS89/UTM, utm-gk: zurück."),
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
                                 QStringLiteral("Das erste Feld jeder Zeile ist ein Punktname."));
  const QCommandLineOption trenner(
      QStringLiteral("trenner"),
      QStringLiteral("Feldtrenner: ein ASCII-Zeichen oder tab (Vorgabe: ;)."), QStringLiteral("Z"),
      QStringLiteral(";"));
  const QCommandLineOption kopfzeile(
      QStringLiteral("kopfzeile"),
      QStringLiteral("Übernimmt die erste Zeile mit den Namen der Ergebnisspalten."));
  const QCommandLineOption kodierung(
      QStringLiteral("kodierung"),
      QStringLiteral("Kodierung der Eingabe und Ausgabe: utf-8 oder windows-1252 (Vorgabe: "
                     "windows-1252, wenn der Anfang der Eingabe kein UTF-8 ist)."),
      QStringLiteral("K"));
  const Datumsoptionen datum;
  parser.addOptions({ausgabe, punkt, trenner, kopfzeile, kodierung, datum.zone, datum.streifen,
                     datum.ostwertMitZone});

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
    throw Abbruch(QStringLiteral(
        "Erwartet: geo-gk, gk-geo, gk-utm oder utm-gk, dann höchstens eine Eingabedatei."));
  }
  Auftrag auftrag;
  if (positionen[0] == QLatin1String("geo-gk")) {
    auftrag.format.richtung = Richtung::GeoGK;
  } else if (positionen[0] == QLatin1String("gk-geo")) {
    auftrag.format.richtung = Richtung::GKGeo;
  } else if (positionen[0] == QLatin1String("gk-utm")) {
    auftrag.format.richtung = Richtung::GKUTM;
  } else if (positionen[0] == QLatin1String("utm-gk")) {
    auftrag.format.richtung = Richtung::UTMGK;
  } else {
    throw Abbruch(QStringLiteral("Unbekannte Richtung „%1“: geo-gk, gk-geo, gk-utm oder utm-gk.")
                      .arg(positionen[0]));
  }
  datum.Lesen(parser, auftrag.format);
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
  auftrag.format.trenner = Trenner(parser.value(trenner));
  auftrag.format.punkt = parser.isSet(punkt);
  auftrag.kopfzeile = parser.isSet(kopfzeile);
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
