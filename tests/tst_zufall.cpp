// Randomised inputs: thousands of random texts typed into the input windows,
// and random field values fed straight into the core. After each press
// exactly one result window or exactly one error; a result never shows a
// malformed number.
//
// Seed and count: VAZ_ZUFALL_SEED (default 20261206), VAZ_ZUFALL_ANZAHL
// (presses per direction, default 1500). The seed is printed.
#include "Fensterhilfe.h"
#include "Zustand.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace Test;
using Voderedezazarire::Umrechnungsdaten;

namespace {

quint32 Saat() {
  bool ok = false;
  const quint32 saat = qEnvironmentVariable("VAZ_ZUFALL_SEED").toUInt(&ok);
  return ok ? saat : 20261206u;
}

int Anzahl() {
  bool ok = false;
  const int anzahl = qEnvironmentVariableIntValue("VAZ_ZUFALL_ANZAHL", &ok);
  return ok && anzahl > 0 ? anzahl : 1500;
}

/// Random texts of every shape: plausible values most of the time, so that
/// conversions also succeed, and now and then anything a user might type.
class Texterzeuger {
public:
  explicit Texterzeuger(quint32 saat) : zufall_(saat) {
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
  }

  /// A plausible value in [von, bis], written in one of the usual ways.
  QString Plausibel(double von, double bis) {
    const double wert = von + (bis - von) * zufall_.generateDouble();
    switch (zufall_.bounded(4)) {
    case 0:
      return QString::number(std::trunc(wert), 'f', 0);
    case 1:
      return locale_.toString(wert, 'f', int(zufall_.bounded(7)));
    case 2:
      return locale_.toString(wert, 'e', int(zufall_.bounded(6)));
    default:
      return QStringLiteral(" ") + locale_.toString(wert, 'f', 3) + QStringLiteral(" ");
    }
  }

  /// A plausible whole number in [von, bis], with or without sign or decimals.
  QString PlausibelGanz(int von, int bis) {
    const int wert = int(zufall_.bounded(von, bis + 1));
    static const char* const formen[] = {"%1", "+%1", "%1,0", " %1"};
    return QString::fromLatin1(formen[zufall_.bounded(4)]).arg(wert);
  }

  /// Anything: odd numbers, extreme magnitudes, letters, blanks, nothing.
  QString Beliebig() {
    static const char* const feste[] = {
        "",      " ",     "nan",    "inf",    "-inf",         "NaN",   "1.234",  "1.234,5",
        "1,2,3", "--1",   "+-1",    "e5",     "1e",           "1e+",   ",",      "-",
        "+",     "0x1A",  "1_000",  "½",      "−5",           "٣",     "1e39",   "-1e39",
        "1e-50", "1e400", "-1e400", "1e-400", "3,4028235e38", "32768", "-32769", "2148",
        "10923", "abc",   "5 5"};
    switch (zufall_.bounded(6)) {
    case 0:
      return QString::fromUtf8(feste[zufall_.bounded(int(std::size(feste)))]);
    case 1: { // a double of any magnitude, any sign
      const double mantisse = zufall_.generateDouble() * 10.0;
      const int exponent = int(zufall_.bounded(-330, 330));
      return locale_.toString((zufall_.bounded(2) ? -1 : 1) * mantisse, 'f', 3) +
             QStringLiteral("e") + QString::number(exponent);
    }
    case 2: { // random characters from the number alphabet
      static const QString zeichen = QStringLiteral("0123456789,.e+- E");
      QString text;
      for (int i = int(zufall_.bounded(1, 12)); i > 0; --i) {
        text += zeichen[zufall_.bounded(int(zeichen.size()))];
      }
      return text;
    }
    case 3: // a long integer
      return QString::number(zufall_.generate64() >> zufall_.bounded(64));
    case 4: // a letter word
      return QStringLiteral("Nord");
    default:
      return Plausibel(-1e6, 1e6);
    }
  }

  /// Plausible with probability 1 − `selten`, else anything.
  QString Feld(double von, double bis, double selten) {
    return zufall_.generateDouble() < selten ? Beliebig() : Plausibel(von, bis);
  }
  QString GanzesFeld(int von, int bis, double selten) {
    return zufall_.generateDouble() < selten ? Beliebig() : PlausibelGanz(von, bis);
  }

private:
  QRandomGenerator zufall_;
  QLocale locale_; // the default (German) locale, written without grouping
};

/// What a press leaves: a result window or an error message, never both,
/// never neither, never more.
template <typename Ergebnis> Ergebnis* GenauEinAusgang(QPushButton* berechnen, QString& meldung) {
  const auto vorher = Offen<Ergebnis>();
  const qsizetype meldungenVorher = Meldungen().size();
  Klicken(berechnen);
  const auto nachher = Offen<Ergebnis>();
  const qsizetype neueMeldungen = Meldungen().size() - meldungenVorher;
  if (nachher.size() == vorher.size() + 1 && neueMeldungen == 0) {
    return Neu<Ergebnis>(vorher);
  }
  if (nachher.size() == vorher.size() && neueMeldungen == 1) {
    meldung = Meldungen().last().text.section(QLatin1Char('\n'), 0, 0);
    return nullptr;
  }
  meldung = QStringLiteral("%1 neue Fenster, %2 Meldungen")
                .arg(nachher.size() - vorher.size())
                .arg(neueMeldungen);
  return nullptr;
}

bool IstFehlerart(const QString& meldung) {
  return meldung == QStringLiteral("Typen unverträglich") ||
         meldung == QStringLiteral("Überlauf") || meldung == QStringLiteral("Gleitkommafehler");
}

} // namespace

class TestZufall : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    FensterTestsVorbereiten();
    qInfo("VAZ_ZUFALL_SEED=%u VAZ_ZUFALL_ANZAHL=%d", Saat(), Anzahl());
  }

  void cleanup() { AllesSchliessen(); }

  void geoGKFenster() {
    Texterzeuger erzeuger(Saat());
    const QRegularExpression meter(QStringLiteral("^-?[0-9]+,[0-9]{3}$"));
    auto* eingabe = new frmGeoGK;
    eingabe->show();
    QLineEdit* felder[] = {eingabe->Text1, eingabe->Text2, eingabe->Text3, eingabe->Text4,
                           eingabe->Text5, eingabe->Text6, eingabe->Text7};
    const double von[] = {5, 0, 0, 47, 0, 0};
    const double bis[] = {16, 59, 60, 55, 59, 60};
    int ergebnisse = 0;
    for (int lauf = 0; lauf < Anzahl(); ++lauf) {
      for (int i = 0; i < 6; ++i) {
        Tippen(felder[i], erzeuger.Feld(von[i], bis[i], 0.08));
      }
      Tippen(eingabe->Text7, erzeuger.GanzesFeld(2, 5, 0.08));
      QString meldung;
      auto* ergebnis = GenauEinAusgang<frmErgGeoGK>(eingabe->Command1, meldung);
      if (!ergebnis) {
        QVERIFY2(IstFehlerart(meldung), qPrintable(QString::number(lauf) + ": " + meldung));
        continue;
      }
      ++ergebnisse;
      for (QLabel* wert : {ergebnis->Label3, ergebnis->Label4}) {
        QVERIFY2(meter.match(wert->text()).hasMatch() && wert->text() != "-0,000",
                 qPrintable(QString::number(lauf) + ": " + wert->text()));
      }
      Klicken(ergebnis->Command1);
    }
    qInfo("%d results, %d errors", ergebnisse, Anzahl() - ergebnisse);
    // The mix must exercise both outcomes, or the test proves little.
    QVERIFY(ergebnisse > Anzahl() / 10);
    QVERIFY(ergebnisse < Anzahl());
  }

  void gkGeoFenster() {
    Texterzeuger erzeuger(Saat() + 1);
    const QRegularExpression ganz(QStringLiteral("^-?[0-9]+$"));
    auto* eingabe = new frmGKGeo;
    eingabe->show();
    int ergebnisse = 0;
    for (int lauf = 0; lauf < Anzahl(); ++lauf) {
      Tippen(eingabe->Text1, erzeuger.Feld(2e6, 6e6, 0.15));
      Tippen(eingabe->Text2, erzeuger.Feld(-1e7, 1e7, 0.15));
      QString meldung;
      auto* ergebnis = GenauEinAusgang<frmErgGKGeo>(eingabe->Command1, meldung);
      if (!ergebnis) {
        QVERIFY2(IstFehlerart(meldung), qPrintable(QString::number(lauf) + ": " + meldung));
        continue;
      }
      ++ergebnisse;
      const QLabel* werte[] = {ergebnis->Label9,  ergebnis->Label10, ergebnis->Label11,
                               ergebnis->Label12, ergebnis->Label13, ergebnis->Label14};
      for (int i = 0; i < 6; ++i) {
        const QString text = werte[i]->text();
        QVERIFY2(ganz.match(text).hasMatch() && text != "-0", qPrintable(text));
        if (i % 3 != 0) { // minutes and seconds
          QVERIFY2(std::abs(text.toInt()) < 60, qPrintable(QString::number(lauf) + ": " + text));
        }
      }
      Klicken(ergebnis->Command1);
    }
    qInfo("%d results, %d errors", ergebnisse, Anzahl() - ergebnisse);
    QVERIFY(ergebnisse > Anzahl() / 10);
    QVERIFY(ergebnisse < Anzahl());
  }

  void kernDirekt() {
    // Random finite values, many of them at the float and 16-bit limits:
    // every call ends with finite results or one of the three kinds.
    QRandomGenerator zufall(Saat() + 2);
    const float grenzen[] = {0.0f,
                             1.0f,
                             59.0f,
                             60.0f,
                             90.0f,
                             180.0f,
                             32767.0f,
                             1e20f,
                             std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::min(),
                             std::numeric_limits<float>::denorm_min()};
    auto einFloat = [&] {
      const float basis = zufall.bounded(3) == 0 ? grenzen[zufall.bounded(int(std::size(grenzen)))]
                                                 : float(zufall.generateDouble() * 200.0 - 100.0);
      return zufall.bounded(2) ? -basis : basis;
    };
    auto einDouble = [&] {
      switch (zufall.bounded(4)) {
      case 0:
        return std::ldexp(zufall.generateDouble(), int(zufall.bounded(-1074, 1024))) *
               (zufall.bounded(2) ? -1 : 1);
      case 1:
        return zufall.bounded(2) ? std::numeric_limits<double>::max()
                                 : -std::numeric_limits<double>::max();
      default:
        return zufall.generateDouble() * 2e7 - 1e7;
      }
    };
    int fehler = 0;
    for (int lauf = 0; lauf < 20 * Anzahl(); ++lauf) {
      auto& u = Umrechnungsdaten;
      u.BreiteGrad = einFloat();
      u.BreiteMin = einFloat();
      u.BreiteSek = einFloat();
      u.LaengeGrad = einFloat();
      u.LaengeMin = einFloat();
      u.LaengeSek = einFloat();
      u.StreifenNr = std::int16_t(zufall.bounded(-32768, 32768));
      QString art = Ausfuehren(Voderedezazarire::BerechneGeoGK);
      if (art == "ok") {
        QVERIFY(std::isfinite(u.Rechtswert) && std::isfinite(u.Hochwert));
      } else {
        QVERIFY2(art == "Ueberlauf" || art == "Gleitkommafehler", qPrintable(art));
        ++fehler;
      }

      u.Rechtswert = einDouble();
      u.Hochwert = einDouble();
      art = Ausfuehren(Voderedezazarire::BerechneGKGeo);
      if (art == "ok") {
        for (float wert :
             {u.BreiteGrad, u.BreiteMin, u.BreiteSek, u.LaengeGrad, u.LaengeMin, u.LaengeSek}) {
          QVERIFY(std::isfinite(wert) && wert == std::trunc(wert));
        }
      } else {
        QVERIFY2(art == "Ueberlauf" || art == "Gleitkommafehler", qPrintable(art));
        ++fehler;
      }
    }
    QVERIFY(fehler > 0);
  }
};

QTEST_MAIN(TestZufall)
#include "tst_zufall.moc"
