#include "Auftrag.h"

#include "Stapel.h"
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

} // namespace

Auftrag Auswerten(const QStringList& argumente) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Rechnet Punktlisten zwischen geographischen Koordinaten auf dem Bessel-Ellipsoid\n"
      "und Gauss-Krüger-Koordinaten in 3°-Meridianstreifen um, Zeile für Zeile.\n\n"
      "Die Koordinaten stehen am Zeilenanfang, mit --punkt hinter einem Punktnamen:\n"
      "  geo-gk: LaengeGrad;LaengeMin;LaengeSek;BreiteGrad;BreiteMin;BreiteSek;Streifen\n"
      "  gk-geo: Rechtswert;Hochwert\n"
      "Weitere Felder (Höhe, Bemerkung) werden übernommen, die Ergebnisse ans\n"
      "Zeilenende gehängt. Felder in Anführungszeichen dürfen den Feldtrenner und\n"
      "Zeilenumbrüche enthalten."));
  const QCommandLineOption hilfe = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("richtung"), QStringLiteral("geo-gk oder gk-geo"),
                               QStringLiteral("geo-gk|gk-geo"));
  parser.addPositionalArgument(
      QStringLiteral("eingabe"),
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
  parser.addOptions({ausgabe, punkt, trenner, kopfzeile, kodierung});

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
    auftrag.format.richtung = Richtung::GeoGK;
  } else if (positionen[0] == QLatin1String("gk-geo")) {
    auftrag.format.richtung = Richtung::GKGeo;
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
