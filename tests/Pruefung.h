// What every test shares: the comparison that prints what it saw, the
// conversion state with a recognisable "old" value in every field, and the
// reference cases of referenz.gie.
#pragma once

#include "Voderedezazarire.h"

#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QtTest>

#include <cfenv>
#include <cmath>

/// |ist − soll| ≤ toleranz, printing both values and the tolerance otherwise.
#define VAZ_NAHE(ist, soll, toleranz)                                                              \
  QVERIFY2(std::fabs(double(ist) - double(soll)) <= double(toleranz),                              \
           qPrintable(QStringLiteral("ist %1, soll %2, Toleranz %3")                               \
                          .arg(double(ist), 0, 'g', 17)                                            \
                          .arg(double(soll), 0, 'g', 17)                                           \
                          .arg(double(toleranz))))

namespace Test {

using Voderedezazarire::Umrechnungsdaten;

/// No conversion produces this value by chance: a field holding it was not
/// written.
inline constexpr double Alt = 4711.0;

/// The inputs of each direction, in the order the windows read them.
inline const QStringList GeoEingaben = {"LaengeGrad", "LaengeMin", "LaengeSek", "BreiteGrad",
                                        "BreiteMin",  "BreiteSek", "StreifenNr"};
inline const QStringList GKEingaben = {"Rechtswert", "Hochwert"};

inline void Vorbelegen() {
  auto& u = Umrechnungsdaten;
  u.BreiteGrad = u.BreiteMin = u.BreiteSek = u.LaengeGrad = u.LaengeMin = u.LaengeSek = float(Alt);
  u.StreifenNr = u.StreifenAus = std::int16_t(Alt);
  u.Rechtswert = u.Hochwert = u.CosPhi = u.Eta2 = u.Querradius = u.Phi = Alt;
  u.Meridianbogen = u.TanPhi = u.DeltaL = u.LFaktor = u.RechtsSumme = Alt;
}

/// The fields that no longer hold Alt (NaN counts as written), less `ohne`.
inline QStringList Geschrieben(const QStringList& ohne = {}) {
  const auto& u = Umrechnungsdaten;
  const std::pair<const char*, double> felder[] = {{"LaengeGrad", u.LaengeGrad},
                                                   {"LaengeMin", u.LaengeMin},
                                                   {"LaengeSek", u.LaengeSek},
                                                   {"BreiteGrad", u.BreiteGrad},
                                                   {"BreiteMin", u.BreiteMin},
                                                   {"BreiteSek", u.BreiteSek},
                                                   {"StreifenNr", u.StreifenNr},
                                                   {"Rechtswert", u.Rechtswert},
                                                   {"Hochwert", u.Hochwert},
                                                   {"StreifenAus", u.StreifenAus},
                                                   {"RechtsSumme", u.RechtsSumme},
                                                   {"Phi", u.Phi},
                                                   {"Meridianbogen", u.Meridianbogen},
                                                   {"CosPhi", u.CosPhi},
                                                   {"Eta2", u.Eta2},
                                                   {"Querradius", u.Querradius},
                                                   {"TanPhi", u.TanPhi},
                                                   {"DeltaL", u.DeltaL},
                                                   {"LFaktor", u.LFaktor}};
  QStringList namen;
  for (const auto& [name, wert] : felder) {
    if (!(wert == Alt) && !ohne.contains(QLatin1String(name))) {
      namen << QLatin1String(name);
    }
  }
  namen.sort();
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

/// One line of referenz.gie.
struct Fall {
  QString richtung, name;
  QStringList eingabe;
  QString erwartung;   // numbers, "endlich" or an error kind
  QList<double> werte; // the numbers of `erwartung`; geo-gk: R, H, tolerance
  int feld = 0;        // box to blame, 1-based; 0 for none
  QString hinweis;
  QStringList geschrieben;
  QString ebene; // empty for cases that convert
};

/// The lines of a table in tests/ (`datei`), split into columns; comment
/// and blank lines left out.
inline QList<QStringList> Tabelle(const char* datei) {
  QFile f(QStringLiteral(VAZ_TESTDATEN "/") + QLatin1String(datei));
  if (!f.open(QIODevice::ReadOnly)) {
    qFatal("%s fehlt", datei);
  }
  QList<QStringList> zeilen;
  for (const QString& zeile : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
    QStringList s = zeile.split(QLatin1Char('|'));
    for (QString& spalte : s) { // one blank each side belongs to the separator
      spalte = spalte.mid(spalte.startsWith(QLatin1Char(' ')) ? 1 : 0);
      spalte.chop(spalte.endsWith(QLatin1Char(' ')) ? 1 : 0);
    }
    if (!zeile.startsWith(QLatin1Char('#')) && s.size() > 2) {
      zeilen << s;
    }
  }
  return zeilen;
}

inline QList<Fall> Faelle() {
  QList<Fall> faelle;
  for (const QStringList& s : Tabelle("referenz.gie")) {
    Fall f;
    f.richtung = s[0];
    f.name = s[1];
    f.eingabe = s[2].split(QLatin1Char(';'));
    f.erwartung = s[3];
    if (s.size() >= 8) {
      f.feld = s[4].toInt(); // "-": 0
      f.hinweis = s[5];
      f.geschrieben = s[6].split(QLatin1Char(' '), Qt::SkipEmptyParts);
      f.geschrieben.sort();
      f.ebene = s[7];
    } else if (f.erwartung != QLatin1String("endlich")) {
      for (const QString& zahl :
           QString(f.erwartung).remove(QChar(0xB1)).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        f.werte << Zahl(zahl);
      }
    }
    faelle << f;
  }
  return faelle;
}

/// The cases of one direction at the given levels ("" for those that
/// convert) as the rows of a _data() function.
inline void FaelleAlsZeilen(const QString& richtung, const QStringList& ebenen) {
  QTest::addColumn<Fall>("fall");
  for (const Fall& f : Faelle()) {
    if (f.richtung == richtung && ebenen.contains(f.ebene)) {
      QTest::newRow(qPrintable(f.name)) << f;
    }
  }
}

} // namespace Test

Q_DECLARE_METATYPE(Test::Fall)
