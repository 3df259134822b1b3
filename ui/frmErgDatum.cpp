#include "frmErgDatum.h"

#include "Bezugssysteme.h"
#include "Zahltext.h"

#include <QLabel>
#include <QPushButton>

#include <string>

frmErgDatum::frmErgDatum(const Datumsergebnis& ergebnis)
    : Formular(QStringLiteral("Ergebnis des Datumswechsels"), 9960, 5160), ergebnis_(ergebnis) {
  setObjectName(QStringLiteral("frmErgDatum"));
  using enum Bezugssystem;
  int nummer = 1;
  const auto label = [&nummer] { return "Label" + std::to_string(nummer++); };
  int linie = 1;
  // An open frame with a gap in its top edge for the heading at `links`.
  const auto rahmen = [&](int x1, int y1, int x2, int y2, int links, int breite) {
    const auto name = [&linie] { return "Line" + std::to_string(linie++); };
    Linie(name().c_str(), links - 120, y1, x1, y1);
    Linie(name().c_str(), links + breite + 120, y1, x2, y1);
    Linie(name().c_str(), x1, y1, x1, y2);
    Linie(name().c_str(), x2, y1, x2, y2);
    Linie(name().c_str(), x1, y2, x2, y2);
  };
  const auto ueberschrift = [&](Bezugssystem s, int links, int oben) {
    return Beschriftung(label().c_str(), Systemtitel(s), {links, oben, 2535, 255}, Farbe::Gruen);
  };

  // Left: the two grid systems, a row per value, the strip and zone first.
  const auto gitter = [&](Bezugssystem s, int oben, const QString& bereich,
                          std::array<QLabel*, 3>& werte) {
    QLabel* kopf = ueberschrift(s, 480, oben);
    rahmen(240, oben + 120, 4440, oben + 1440, 480, 2535);
    const Systembeschreibung& b = Beschreibung(s);
    for (std::size_t i = 0; i < 3; ++i) {
      const int zeile = oben + 360 + 360 * static_cast<int>(i);
      // UTM names its zone as a coordinate; Gauss-Krüger keeps it in the
      // easting's millions.
      const QString text = s == GK ? (i == 0 ? bereich : Koordinatentext(b.koordinaten[i - 1]))
                                   : Koordinatentext(b.koordinaten[i]);
      QLabel* beschriftung =
          Beschriftung(label().c_str(), text, {480, zeile, 1815, 255}, Farbe::Gruen);
      werte[i] =
          Wertfeld(label().c_str(), {2400, zeile, 1815, 255}, Farbe::Rot, {kopf, beschriftung});
    }
  };
  gitter(GK, 240, QStringLiteral("Streifen"), WerteGK);
  gitter(UTM, 1920, {}, WerteUTM);

  // Right: the two geographic systems, a row per coordinate under the
  // column headings; ETRS89 also in decimal degrees.
  const auto geographisch = [&](Bezugssystem s, int oben, std::span<QLabel*> werte) {
    QLabel* kopf = ueberschrift(s, 5040, oben);
    rahmen(4800, oben + 120, 9720, oben + 1440, 5040, 2535);
    const std::size_t spaltenzahl = werte.size() / 2;
    const char* spalten[] = {"Grad", "Minuten", "Sekunden", "Dezimalgrad"};
    const int links[] = {5880, 6480, 7320, 8400}, breiten[] = {495, 735, 975, 1215};
    QLabel* koepfe[4] = {};
    for (std::size_t j = 0; j < spaltenzahl; ++j) {
      koepfe[j] = Beschriftung(label().c_str(), QString::fromUtf8(spalten[j]),
                               {links[j], oben + 360, breiten[j], 255}, Farbe::Gruen);
    }
    for (std::size_t k = 0; k < 2; ++k) {
      const int zeile = oben + 720 + 360 * static_cast<int>(k);
      QLabel* koordinate =
          Beschriftung(label().c_str(), Koordinatentext(Beschreibung(s).koordinaten[k], false),
                       {5040, zeile, 735, 255}, Farbe::Gruen);
      for (std::size_t j = 0; j < spaltenzahl; ++j) {
        werte[spaltenzahl * k + j] = Wertfeld(label().c_str(), {links[j], zeile, breiten[j], 255},
                                              Farbe::Rot, {kopf, koordinate, koepfe[j]});
      }
    }
  };
  geographisch(Etrs, 240, WerteEtrs);
  geographisch(Geo, 1920, WerteGeo);

  // Which datum is which, and how the strip and the zone were chosen.
  Beschriftung(label().c_str(),
               QStringLiteral("DHDN ist das alte Datum (Bessel, Gauss-Krüger); ETRS89 nutzen GNSS "
                              "und Webkarten."),
               {240, 3600, 9480, 255}, Farbe::Blau);
  Wahl = Beschriftung(label().c_str(), QString(), {240, 3960, 9480, 255}, Farbe::Blau);
  Command1 = Knopf("Command1", QStringLiteral("Schließen"), {8280, 4440, 1455, 495});
  Command1->setFocus();
  connect(Command1, &QPushButton::clicked, this, &frmErgDatum::Command1_Click);
}

void frmErgDatum::Form_Load() {
  using enum Bezugssystem;
  const Datumspunkt& gk = ergebnis_.In(GK);
  const Datumspunkt& utm = ergebnis_.In(UTM);
  WerteGK[0]->setText(QString::number(gk.bereich));
  WerteGK[1]->setText(MeterText(gk.ost));
  WerteGK[2]->setText(MeterText(gk.nord));
  WerteUTM[0]->setText(QString::number(utm.bereich));
  WerteUTM[1]->setText(MeterText(utm.ost));
  WerteUTM[2]->setText(MeterText(utm.nord));
  const auto winkel = [](double grad, std::span<QLabel*> werte) {
    const Winkeltext text = GmsText(grad);
    werte[0]->setText(text.grad);
    werte[1]->setText(text.minuten);
    werte[2]->setText(text.sekunden);
    if (werte.size() > 3) {
      werte[3]->setText(GradText(grad));
    }
  };
  const std::span<QLabel*> etrs(WerteEtrs), geo(WerteGeo);
  winkel(ergebnis_.In(Etrs).ost, etrs.subspan(0, 4));
  winkel(ergebnis_.In(Etrs).nord, etrs.subspan(4, 4));
  winkel(ergebnis_.In(Geo).ost, geo.subspan(0, 3));
  winkel(ergebnis_.In(Geo).nord, geo.subspan(3, 3));

  const QString streifen = ergebnis_.von == GK
                               ? QStringLiteral("Streifen %1 aus dem Rechtswert").arg(gk.bereich)
                               : QStringLiteral("Streifen %1: nächster Mittelmeridian (%2° Ost)")
                                     .arg(gk.bereich)
                                     .arg(gk.bereich * GradJeStreifen);
  const QString zone = ergebnis_.von == UTM
                           ? QStringLiteral("Zone %1 wie eingegeben").arg(utm.bereich)
                           : QStringLiteral("Zone %1 nach der ETRS89-Länge (Grenze %2° Ost)")
                                 .arg(utm.bereich)
                                 .arg(Zonengrenze);
  Wahl->setText(streifen + QStringLiteral("; ") + zone + QLatin1Char('.'));
}

void frmErgDatum::Command1_Click() {
  close();
}
