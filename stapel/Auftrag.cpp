#include "Auftrag.h"

#include "Stapel.h"
#include "Textumwandlung.h"

#include <QCommandLineParser>

Auftrag Auswerten(const QStringList& argumente) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Rechnet Punktlisten zwischen geographischen Koordinaten auf dem Bessel-Ellipsoid und "
      "Gauss-Krüger-Koordinaten in 3°-Meridianstreifen um, Zeile für Zeile."));
  const QCommandLineOption hilfe = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  // The list under the usage line names each argument as the usage line does.
  parser.addPositionalArgument(
      QStringLiteral("geo-gk|gk-geo"),
      QStringLiteral("Geographisch nach Gauss-Krüger (geo-gk) oder zurück (gk-geo)."),
      QStringLiteral("geo-gk|gk-geo"));
  parser.addPositionalArgument(
      QStringLiteral("EINGABE"),
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
  parser.addOptions({ausgabe, trenner, kopfzeile});

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
    throw Abbruch(
        QStringLiteral("Erwartet: geo-gk oder gk-geo, dann höchstens eine Eingabedatei."));
  }
  Auftrag auftrag;
  if (positionen[0] == QLatin1String("geo-gk")) {
    auftrag.richtung = Richtung::GeoGK;
  } else if (positionen[0] == QLatin1String("gk-geo")) {
    auftrag.richtung = Richtung::GKGeo;
  } else {
    throw Abbruch(
        QStringLiteral("Unbekannte Richtung „%1“: geo-gk oder gk-geo.").arg(positionen[0]));
  }
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
