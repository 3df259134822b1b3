// What every test shares: the comparison that prints what it saw, the
// conversion state with a recognisable "old" value in every field, and the
// reference cases of referenz.gie.
#pragma once

#include "Eingabefelder.h"
#include "Voderedezazarire.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QStringList>
#include <QtTest>

#include <cfenv>
#include <cmath>

/// |ist − soll| ≤ toleranz, printing both values and the tolerance otherwise.
#define VAZ_NAHE(ist, soll, toleranz)                                                              \
  QVERIFY2(std::fabs(double(ist) - double(soll)) <= double(toleranz),                              \
           qPrintable(QString::asprintf("ist %.17g, soll %.17g, Toleranz %g", double(ist),         \
                                        double(soll), double(toleranz))))

namespace Test {

using Voderedezazarire::Umrechnungsdatensatz;

/// Seed and count of the randomised tests: VAZ_ZUFALL_SEED (default
/// 20261206) and VAZ_ZUFALL_ANZAHL (default 150).
inline quint32 Saat() {
  bool ok = false;
  const quint32 saat = qEnvironmentVariable("VAZ_ZUFALL_SEED").toUInt(&ok);
  return ok ? saat : 20261206u;
}
inline int Anzahl() {
  const int anzahl = qEnvironmentVariableIntValue("VAZ_ZUFALL_ANZAHL");
  return anzahl > 0 ? anzahl : 150;
}

/// No conversion produces this value by chance: a field holding it was not
/// written.
inline constexpr double Alt = 4711.0;

/// Writes Alt into every field of `u`.
inline void Vorbelegen(Umrechnungsdatensatz& u) {
  u.BreiteGrad = u.BreiteMin = u.BreiteSek = u.LaengeGrad = u.LaengeMin = u.LaengeSek = float(Alt);
  u.StreifenNr = u.StreifenAus = std::int16_t(Alt);
  u.Rechtswert = u.Hochwert = u.CosPhi = u.Eta2 = u.Querradius = u.Phi = Alt;
  u.Meridianbogen = u.TanPhi = u.DeltaL = u.LFaktor = u.RechtsSumme = Alt;
}

/// Every field of `u` by name.
inline QMap<QString, double> Felder(const Umrechnungsdatensatz& u) {
#define VAZ_FELD(f)                                                                                \
  { QStringLiteral(#f), double(u.f) }
  return {
      VAZ_FELD(LaengeGrad),    VAZ_FELD(LaengeMin),   VAZ_FELD(LaengeSek),   VAZ_FELD(BreiteGrad),
      VAZ_FELD(BreiteMin),     VAZ_FELD(BreiteSek),   VAZ_FELD(StreifenNr),  VAZ_FELD(Rechtswert),
      VAZ_FELD(Hochwert),      VAZ_FELD(StreifenAus), VAZ_FELD(RechtsSumme), VAZ_FELD(Phi),
      VAZ_FELD(Meridianbogen), VAZ_FELD(CosPhi),      VAZ_FELD(Eta2),        VAZ_FELD(Querradius),
      VAZ_FELD(TanPhi),        VAZ_FELD(DeltaL),      VAZ_FELD(LFaktor)};
#undef VAZ_FELD
}

/// The names of the record members that the fields of `richtung` fill, in
/// the order they are read.
inline QStringList Eingaben(const Umrechnungsrichtung& richtung) {
  Umrechnungsdatensatz u{};
  double nummer = 0.0;
  QMap<double, QString> namen;
  FelderLesen(richtung, u, [&](std::size_t, auto& ziel) {
    ziel = static_cast<std::remove_reference_t<decltype(ziel)>>(++nummer);
  });
  for (const auto& [name, wert] : Felder(u).asKeyValueRange()) {
    namen.insert(wert, name);
  }
  namen.remove(0.0);
  return namen.values();
}

/// The fields of `u` that no longer hold Alt (NaN counts as written), less
/// `ohne`, sorted by name.
inline QStringList Geschrieben(const Umrechnungsdatensatz& u, const QStringList& ohne = {}) {
  QStringList namen;
  for (const auto& [name, wert] : Felder(u).asKeyValueRange()) {
    if (!(wert == Alt) && !ohne.contains(name)) {
      namen << name;
    }
  }
  return namen;
}

/// "ok", or the German name of the error kind the call raised.
template <typename F> QString Ausgang(F&& aufruf) {
  try {
    aufruf();
    return QStringLiteral("ok");
  } catch (const Voderedezazarire::Fehler& f) {
    return QString::fromUtf8(Voderedezazarire::Fehlername(f.art()));
  }
}

/// German numbers as the reference table writes them ("inf" included).
inline double Zahl(const QString& text) {
  bool ok = false;
  const double wert = QLocale(QLocale::German).toDouble(text, &ok);
  return ok ? wert : qQNaN();
}

/// One row of referenz.gie.
struct Fall {
  QString art; // the row's keyword: ergebnis, endlich, arbeitsfeld, fehler, datum
  QString richtung, name;
  QStringList eingabe;
  QList<double> werte; // ergebnis: the results; arbeitsfeld: the field's value
  double toleranz = 0.0;
  QString arbeitsfeld;
  QString erwartung; // fehler: the error kind
  int feld = 0;      // fehler: box to blame, 1-based; 0 for none
  QString hinweis;
  QStringList geschrieben;
  QString ebene; // "" for rows that convert, "feld" for arbeitsfeld, "datum" for datum
  [[nodiscard]] bool Fehlschlag() const { return art == QLatin1String("fehler"); }
};

/// The rows of a table in tests/ (`datei`), split into columns; comment and
/// blank lines left out. Each row starts with a keyword (its first word; a
/// second one may name the locale) that `spalten` knows, and has exactly
/// that many columns: any other row stops the test, naming file and line.
inline QList<QStringList> Tabelle(const char* datei, const QMap<QString, int>& spalten) {
  QFile f(QStringLiteral(VAZ_TESTDATEN "/") + QLatin1String(datei));
  if (!f.open(QIODevice::ReadOnly)) {
    qFatal("%s fehlt", datei);
  }
  QList<QStringList> zeilen;
  int nummer = 0;
  for (const QString& zeile : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
    ++nummer;
    if (zeile.startsWith(QLatin1Char('#')) || zeile.trimmed().isEmpty()) {
      continue;
    }
    QStringList s = zeile.split(QLatin1Char('|'));
    for (QString& spalte : s) { // one blank each side belongs to the separator
      spalte = spalte.mid(spalte.startsWith(QLatin1Char(' ')) ? 1 : 0);
      spalte.chop(spalte.endsWith(QLatin1Char(' ')) ? 1 : 0);
    }
    const int soll = spalten.value(s[0].section(QLatin1Char(' '), 0, 0), -1);
    if (s.size() != soll) {
      qFatal("%s:%d: %s", datei, nummer,
             soll < 0 ? "unbekanntes Schlüsselwort"
                      : qPrintable(QStringLiteral("%1 Spalten statt %2").arg(s.size()).arg(soll)));
    }
    zeilen << s;
  }
  return zeilen;
}

/// Numbers separated by blanks, German as the tables write them.
inline QList<double> Zahlen(const QString& text) {
  QList<double> werte;
  for (const QString& zahl : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    werte << Zahl(zahl);
  }
  return werte;
}

inline QList<Fall> Faelle() {
  QList<Fall> faelle;
  const QMap<QString, int> spalten = {
      {"ergebnis", 6}, {"endlich", 4}, {"arbeitsfeld", 7}, {"fehler", 9}, {"datum", 6}};
  for (const QStringList& s : Tabelle("referenz.gie", spalten)) {
    Fall f;
    f.art = s[0];
    f.richtung = s[1];
    f.name = s[2];
    f.eingabe = s[3].split(QLatin1Char(';'));
    if (f.art == QLatin1String("ergebnis") || f.art == QLatin1String("datum")) {
      f.werte = Zahlen(s[4]);
      f.toleranz = Zahl(s[5]);
      f.ebene = f.art == QLatin1String("datum") ? f.art : QString();
    } else if (f.art == QLatin1String("arbeitsfeld")) {
      f.arbeitsfeld = s[4];
      f.werte = Zahlen(s[5]);
      f.toleranz = Zahl(s[6]);
      f.ebene = QStringLiteral("feld");
    } else if (f.Fehlschlag()) {
      f.erwartung = s[4];
      f.feld = s[5].toInt(); // "-": 0
      f.hinweis = s[6];
      f.geschrieben = s[7].split(QLatin1Char(' '), Qt::SkipEmptyParts);
      f.geschrieben.sort();
      f.ebene = s[8];
    }
    faelle << f;
  }
  return faelle;
}

/// The cases at the given levels ("" for those that convert, "feld" for
/// those that compare a working field) of one direction, or of both, as the
/// rows of a _data() function.
inline void FaelleAlsZeilen(const QStringList& ebenen, const QString& richtung = {}) {
  QTest::addColumn<Fall>("fall");
  for (const Fall& f : Faelle()) {
    if ((richtung.isEmpty() || f.richtung == richtung) && ebenen.contains(f.ebene)) {
      QTest::newRow(qPrintable(f.richtung + QLatin1Char(' ') + f.name)) << f;
    }
  }
}

} // namespace Test

Q_DECLARE_METATYPE(Test::Fall)
