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

/// One line of referenz.gie.
struct Fall {
  QString richtung, name;
  QStringList eingabe;
  QString erwartung;   // numbers, "endlich" or an error kind
  QList<double> werte; // the numbers of `erwartung`; geo-gk: R, H, tolerance
  int feld = 0;        // box to blame, 1-based; 0 for none
  QString hinweis;
  QStringList geschrieben;
  QString ebene;       // empty for cases that convert, "feld" for working fields
  QString arbeitsfeld; // a working field to compare instead of the results
  [[nodiscard]] bool Fehlschlag() const { return !ebene.isEmpty() && arbeitsfeld.isEmpty(); }
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
      QStringList teile =
          QString(f.erwartung).remove(QChar(0xB1)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
      if (teile.size() == 4 && teile[1] == QLatin1String("=")) { // field = value ± tolerance
        f.arbeitsfeld = teile.takeFirst();
        f.ebene = QStringLiteral("feld");
        teile.removeFirst();
      }
      for (const QString& zahl : teile) {
        f.werte << Zahl(zahl);
      }
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
