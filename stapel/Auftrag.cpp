#include "Auftrag.h"

#include "Stapel.h"
#include "Textumwandlung.h"

#include <QCommandLineParser>

Auftrag Auswerten(const QStringList& argumente) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Rechnet Punktlisten zwischen geographischen Koordinaten auf dem Bessel-Ellipsoid und "
      "Gauss-Krüger-Koordinaten in 3°-Meridianstreifen um, Zeile für Zeile; mit gk-utm und "
      "utm-gk über den Datumswechsel DHDN/ETRS89 mit dem Gitter BeTA2007 (PROJ).\n\n"
      "geo-gk: [Punkt;]LGrad;LMin;LSek;BGrad;BMin;BSek;Streifen → Rechtswert;Hochwert\n"
      "gk-geo: [Punkt;]Rechtswert;Hochwert → LGrad;LMin;LSek;BGrad;BMin;BSek\n"
      "gk-utm: [Punkt;]Rechtswert;Hochwert → Zone;Ostwert;Nordwert\n"
      "utm-gk: [Punkt;]Zone;Ostwert;Nordwert → Rechtswert;Hochwert"));
  const QCommandLineOption hilfe = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("richtung"),
                               QStringLiteral("geo-gk, gk-geo, gk-utm oder utm-gk"),
                               QStringLiteral("geo-gk|gk-geo|gk-utm|utm-gk"));
  parser.addPositionalArgument(
      QStringLiteral("eingabe"),
      QStringLiteral("Eingabedatei; ohne sie oder mit - die Standardeingabe."),
      QStringLiteral("[EINGABE]"));
  const QCommandLineOption ausgabe(
      {QStringLiteral("o"), QStringLiteral("ausgabe")},
      QStringLiteral("Schreibt in AUSGABE statt auf die Standardausgabe."),
      QStringLiteral("AUSGABE"));
  const QCommandLineOption trenner(
      QStringLiteral("trenner"), QStringLiteral("Feldtrenner: ein Zeichen oder tab (Vorgabe: ;)."),
      QStringLiteral("Z"), QStringLiteral(";"));
  const QCommandLineOption kopfzeile(
      QStringLiteral("kopfzeile"),
      QStringLiteral("Übernimmt die erste Zeile mit den Namen der Ergebnisspalten."));
  const QCommandLineOption zone(
      QStringLiteral("zone"),
      QStringLiteral("gk-utm: UTM-Zone 32 oder 33 für alle Zeilen (Vorgabe: nach der Länge, "
                     "ab 12° Ost 33)."),
      QStringLiteral("32|33"));
  const QCommandLineOption streifen(
      QStringLiteral("streifen"),
      QStringLiteral("utm-gk: Meridianstreifen N (0 bis 120) für alle Zeilen (Vorgabe: der "
                     "nächste Mittelmeridian)."),
      QStringLiteral("N"));
  const QCommandLineOption ostwertMitZone(
      QStringLiteral("ostwert-mit-zone"),
      QStringLiteral("Die Zone steht vor dem Ostwert (32500000,000) statt in einem eigenen Feld."));
  parser.addOptions({ausgabe, trenner, kopfzeile, zone, streifen, ostwertMitZone});

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
    auftrag.richtung = Richtung::GeoGK;
  } else if (positionen[0] == QLatin1String("gk-geo")) {
    auftrag.richtung = Richtung::GKGeo;
  } else if (positionen[0] == QLatin1String("gk-utm")) {
    auftrag.richtung = Richtung::GKUTM;
  } else if (positionen[0] == QLatin1String("utm-gk")) {
    auftrag.richtung = Richtung::UTMGK;
  } else {
    throw Abbruch(QStringLiteral("Unbekannte Richtung „%1“: geo-gk, gk-geo, gk-utm oder utm-gk.")
                      .arg(positionen[0]));
  }
  // An option that does not fit the direction would be ignored: refused.
  const auto nurFuer = [&](const QCommandLineOption& option, bool passt, const char* richtungen) {
    if (parser.isSet(option) && !passt) {
      throw Abbruch(QStringLiteral("--%1 gilt nur für %2.")
                        .arg(option.names().constFirst(), QString::fromUtf8(richtungen)));
    }
  };
  nurFuer(zone, auftrag.richtung == Richtung::GKUTM, "gk-utm");
  nurFuer(streifen, auftrag.richtung == Richtung::UTMGK, "utm-gk");
  nurFuer(ostwertMitZone,
          auftrag.richtung == Richtung::GKUTM || auftrag.richtung == Richtung::UTMGK,
          "gk-utm und utm-gk");
  bool zahl = true;
  if (parser.isSet(zone)) {
    auftrag.datum.zone = parser.value(zone).toInt(&zahl);
    if (!zahl || (auftrag.datum.zone != WestZone && auftrag.datum.zone != OstZone)) {
      throw Abbruch(QStringLiteral("--zone „%1“: 32 oder 33.").arg(parser.value(zone)));
    }
  }
  if (parser.isSet(streifen)) {
    auftrag.datum.streifen = parser.value(streifen).toInt(&zahl);
    if (!zahl || auftrag.datum.streifen < 0 || auftrag.datum.streifen > LetzterStreifen) {
      throw Abbruch(
          QStringLiteral("--streifen „%1“: ein Meridianstreifen von 0 bis 120 (Mittelmeridian "
                         "3° × N).")
              .arg(parser.value(streifen)));
    }
  }
  auftrag.datum.ostwertMitZone = parser.isSet(ostwertMitZone);
  if (positionen.size() == 2 && positionen[1] != QLatin1String("-")) {
    auftrag.eingabe = positionen[1];
  }
  if (parser.value(ausgabe) != QLatin1String("-")) {
    auftrag.ausgabe = parser.value(ausgabe);
  }
  QString zeichen = parser.value(trenner);
  if (zeichen == QLatin1String("tab")) {
    zeichen = QStringLiteral("\t");
  }
  if (zeichen.size() != 1 || zeichen == QLatin1String("\n") || zeichen == QLatin1String("\r")) {
    throw Abbruch(
        QStringLiteral("--trenner „%1“: ein Zeichen oder tab.").arg(parser.value(trenner)));
  }
  if (zeichen == Zahlenlocale().decimalPoint()) {
    throw Abbruch(QStringLiteral("--trenner „%1“ ist das Dezimalzeichen der Zahlen.").arg(zeichen));
  }
  auftrag.trenner = zeichen.toStdString();
  auftrag.kopfzeile = parser.isSet(kopfzeile);
  return auftrag;
}
