#include "frmDatum.h"

#include "Bezugssysteme.h"
#include "Eingabe.h"
#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Textumwandlung.h"
#include "Winkel.h"
#include "frmErgDatum.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <string>

using Voderedezazarire::Fehler;
using Voderedezazarire::Fehlerart;

namespace {

/// BeTA2007 covers these latitudes [°]; a point outside the grid north or
/// south of them is blamed on its northing, any other on its easting.
constexpr double GitterSued = 47.0;
constexpr double GitterNord = 55.3;

/// The one datum change of the window program, made at the first
/// conversion: PROJ and the grid are loaded then, never at start. A failure
/// is not kept: the next press tries again. It is never destroyed: at exit
/// PROJ's own statics may already be gone.
Datumswechsel& Wechsel() {
  static Datumswechsel* wechsel = nullptr;
  if (wechsel == nullptr) {
    try {
      wechsel = new Datumswechsel;
    } catch (const Datumsabbruch& abbruch) {
      throw Fehler(Fehlerart::OhneDatum, abbruch.what());
    }
  }
  return *wechsel;
}

/// Why `punkt` was not converted, as the error the user reads.
Fehler Datumsfehlermeldung(const Datumspunkt& punkt, Bezugssystem von) {
  switch (punkt.fehler) {
  case Datumsfehler::AusserhalbGitter:
    return Fehler(Fehlerart::AusserhalbGitter);
  case Datumsfehler::FernVomMeridian:
    return Fehler(Fehlerart::Bereich,
                  "Der Rechtswert liegt " +
                      std::to_string(std::lround(std::fabs(punkt.abstand) / 1000.0)) +
                      " km vom Mittelmeridian des Streifens " + std::to_string(punkt.bereich) +
                      "; Gauss-Krüger gilt bis " +
                      std::to_string(std::lround(GkHoechstabstand / 1000.0)) + " km.");
  case Datumsfehler::AusserhalbBereich:
    return Fehler(Fehlerart::Bereich, "Der Ostwert liegt außerhalb der Zone " +
                                          std::to_string(punkt.bereich) +
                                          " (0 bis 1000000 m, ohne die Zone davor).");
  case Datumsfehler::Bereich:
    return von == Bezugssystem::GK
               ? Fehler(Fehlerart::Bereich, "Der Rechtswert nennt keinen Meridianstreifen von 0 "
                                            "bis " +
                                                std::to_string(LetzterStreifen) + ".")
               : Fehler(Fehlerart::Bereich, "Der Punkt liegt in keinem Streifen von 0 bis " +
                                                std::to_string(LetzterStreifen) + ".");
  case Datumsfehler::Abbildung:
  case Datumsfehler::Keiner:
    break;
  }
  return Fehler(Fehlerart::Bereich, "Die Koordinaten ergeben keine geographische Lage.");
}

} // namespace

frmDatum::frmDatum() : Formular(QStringLiteral("Datumswechsel ETRS89/UTM"), 6270, 4320) {
  setObjectName(QStringLiteral("frmDatum"));
  using enum Bezugssystem;

  // The choice of the input system, framed, with its heading in the gap.
  const QString wahl = QStringLiteral("Eingabe in");
  Beschriftung("Label1", wahl, {720, 240, 1095, 255}, Farbe::Gruen);
  QGroupBox* gruppe = Auswahl("Frame1", wahl, {600, 480, 3600, 1200});
  Option1 = Wahlknopf(gruppe, "Option1", Systemtitel(GK), {720, 540, 3375, 300});
  Option2 = Wahlknopf(gruppe, "Option2", Systemtitel(UTM), {720, 900, 3375, 300});
  Option3 = Wahlknopf(gruppe, "Option3", Systemtitel(Etrs), {720, 1260, 3375, 300});
  Option1->setChecked(true);
  Linie("Line1", 600, 360, 480, 360);
  Linie("Line2", 1920, 360, 4320, 360);
  Linie("Line3", 480, 360, 480, 1800);
  Linie("Line4", 4320, 360, 4320, 1800);
  Linie("Line5", 480, 1800, 4320, 1800);

  // The input block: its heading is the chosen system's title.
  ueberschrift_ = Beschriftung("Label2", Systemtitel(GK), {720, 2040, 2535, 255}, Farbe::Gruen);
  Linie("Line6", 600, 2160, 480, 2160);
  Linie("Line7", 3360, 2160, 4320, 2160);
  Linie("Line8", 480, 2160, 480, 4080);
  Linie("Line9", 4320, 2160, 4320, 4080);
  Linie("Line10", 480, 4080, 4320, 4080);

  // Gauss-Krüger and UTM: one row per coordinate.
  int label = 3;
  const auto name = [&label] { return "Label" + std::to_string(label++); };
  const auto zeilen = [&](Bezugssystem s, std::span<QLineEdit*> felder, const char* namen[]) {
    const Systembeschreibung& b = Beschreibung(s);
    auto& block = bloecke_[s == GK ? 0 : 1];
    for (std::size_t i = 0; i < felder.size(); ++i) {
      const int oben = 2520 + 540 * static_cast<int>(i) - (felder.size() == 2 ? 0 : 60);
      const QString text = Koordinatentext(b.koordinaten[i]);
      QLabel* beschriftung =
          Beschriftung(name().c_str(), text, {720, oben + 60, 1575, 255}, Farbe::Blau);
      const int breite = b.koordinaten[i].einheit[0] ? 1815 : 615;
      felder[i] = Textfeld(namen[i], {2400, oben, breite, 330}, Systemtitel(s), text);
      beschriftung->setBuddy(felder[i]);
      block << beschriftung << felder[i];
    }
  };
  const char* gkNamen[] = {"Text1", "Text2"};
  const char* utmNamen[] = {"Text3", "Text4", "Text5"};
  zeilen(GK, gk_, gkNamen);
  zeilen(UTM, utm_, utmNamen);

  // Geographic: per coordinate a row of degrees, minutes, seconds under
  // their column headings, as in the series' input window.
  const Systembeschreibung& etrs = Beschreibung(Etrs);
  const char* spalten[] = {"Grad", "Minuten", "Sekunden"};
  const char* etrsNamen[] = {"Text6", "Text7", "Text8", "Text9", "Text10", "Text11"};
  const int links[] = {1440, 2280, 3120}, breiten[] = {735, 735, 975};
  for (std::size_t k = 0; k < 2; ++k) {
    const int oben = 2400 + 780 * static_cast<int>(k);
    const QString koordinate = Koordinatentext(etrs.koordinaten[k], false);
    bloecke_[2] << Beschriftung(name().c_str(), koordinate, {720, oben + 360, 675, 255},
                                Farbe::Blau);
    for (std::size_t j = 0; j < 3; ++j) {
      const QString spalte = QString::fromUtf8(spalten[j]);
      QLabel* kopf =
          Beschriftung(name().c_str(), spalte, {links[j], oben, breiten[j], 255}, Farbe::Blau);
      QLineEdit*& feld = etrs_[3 * k + j];
      feld = Textfeld(etrsNamen[3 * k + j], {links[j], oben + 300, breiten[j], 330},
                      Systemtitel(Etrs) + QStringLiteral(" – ") + koordinate, spalte);
      kopf->setBuddy(feld);
      bloecke_[2] << kopf << feld;
    }
  }
  Text1 = gk_[0];
  Text2 = gk_[1];
  Text3 = utm_[0];
  Text4 = utm_[1];
  Text5 = utm_[2];
  Text6 = etrs_[0];
  Text7 = etrs_[1];
  Text8 = etrs_[2];
  Text9 = etrs_[3];
  Text10 = etrs_[4];
  Text11 = etrs_[5];

  Command1 = Knopf("Command1", QStringLiteral("Berechnen"), {4680, 360, 1335, 495});
  Command2 = Knopf("Command2", QStringLiteral("Schließen"), {4680, 1320, 1335, 495});

  // The choice, the boxes in reading order (hidden ones are passed over),
  // then the buttons.
  QWidget* vorige = Option3;
  setTabOrder(Option1, Option2);
  setTabOrder(Option2, Option3);
  for (const auto& felder : {std::span<QLineEdit* const>(gk_), std::span<QLineEdit* const>(utm_),
                             std::span<QLineEdit* const>(etrs_)}) {
    for (QLineEdit* feld : felder) {
      setTabOrder(vorige, feld);
      vorige = feld;
      connect(feld, &QLineEdit::returnPressed, this, &frmDatum::Command1_Click);
    }
  }
  setTabOrder(vorige, Command1);
  setTabOrder(Command1, Command2);

  for (QRadioButton* option : {Option1, Option2, Option3}) {
    connect(option, &QRadioButton::toggled, this, [this](bool an) {
      if (an) {
        Option_Click();
      }
    });
  }
  connect(Command1, &QPushButton::clicked, this, &frmDatum::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmDatum::Command2_Click);
  Option_Click();
  Text1->setFocus();
}

Bezugssystem frmDatum::Eingabesystem() const {
  return Option2->isChecked()   ? Bezugssystem::UTM
         : Option3->isChecked() ? Bezugssystem::Etrs
                                : Bezugssystem::GK;
}

std::span<QLineEdit* const> frmDatum::Eingabefelder() const {
  switch (Eingabesystem()) {
  case Bezugssystem::UTM:
    return utm_;
  case Bezugssystem::Etrs:
    return etrs_;
  default:
    return gk_;
  }
}

void frmDatum::Option_Click() {
  const Bezugssystem s = Eingabesystem();
  const std::size_t gewaehlt = s == Bezugssystem::GK ? 0 : s == Bezugssystem::UTM ? 1 : 2;
  // Hide first, so that the focus does not wander through the old boxes.
  for (std::size_t i = 0; i < bloecke_.size(); ++i) {
    if (i != gewaehlt) {
      for (QWidget* w : bloecke_[i]) {
        w->hide();
      }
    }
  }
  for (QWidget* w : bloecke_[gewaehlt]) {
    w->show();
  }
  ueberschrift_->setText(Systemtitel(s));
}

Datumsergebnis frmDatum::Umrechnen(Eingabe& eingabe) const {
  using enum Bezugssystem;
  const auto zahl = [&eingabe](QLineEdit* feld) {
    eingabe.Beim(feld);
    return TextAlsDouble(feld->text());
  };
  Datumsergebnis ergebnis;
  ergebnis.von = Eingabesystem();
  Datumspunkt punkt;
  QLineEdit* ostFeld = nullptr;
  QLineEdit* nordFeld = nullptr;
  switch (ergebnis.von) {
  case GK:
    punkt.ost = zahl(ostFeld = Text1);
    punkt.nord = zahl(nordFeld = Text2);
    punkt.bereich = StreifenVon(punkt.ost);
    break;
  case UTM: {
    // The zone in its box, or in front of an 8-digit easting, or both alike.
    const bool zoneGetippt = !Text3->text().trimmed().isEmpty();
    int zone = 0;
    if (zoneGetippt) {
      eingabe.Beim(Text3, true);
      zone = TextAlsInteger(Text3->text());
    }
    punkt.ost = zahl(ostFeld = Text4);
    if (punkt.ost >= MeterJeMillion) {
      const double vorn = std::floor(punkt.ost / MeterJeMillion);
      if (zoneGetippt && vorn != zone) {
        throw Fehler(Fehlerart::Bereich, "Vor dem Ostwert steht die Zone " +
                                             std::to_string(std::llround(vorn)) +
                                             ", im Feld Zone " + std::to_string(zone) + ".");
      }
      punkt.ost -= vorn * MeterJeMillion;
      zone = vorn == OstZone ? OstZone : vorn == WestZone ? WestZone : 0;
    } else if (!zoneGetippt) {
      eingabe.Beim(Text3, true);
      zone = TextAlsInteger(Text3->text()); // empty: the type mismatch of an empty box
    } else {
      eingabe.Beim(Text3, true);
    }
    if (!ZoneGueltig(zone)) {
      throw Fehler(Fehlerart::Bereich, "Die Zone muss " + std::to_string(WestZone) + " oder " +
                                           std::to_string(OstZone) + " sein (Deutschland).");
    }
    punkt.bereich = zone;
    punkt.nord = zahl(nordFeld = Text5);
    break;
  }
  default: { // decimals in every box; the parts are added as they are signed
    double teile[6];
    for (std::size_t i = 0; i < etrs_.size(); ++i) { // in reading order
      teile[i] = zahl(etrs_[i]);
    }
    punkt.ost = GradAusTeilen(teile[0], teile[1], teile[2]);
    punkt.nord = GradAusTeilen(teile[3], teile[4], teile[5]);
    ostFeld = Text6;
    nordFeld = Text9;
    break;
  }
  }

  Datumswechsel& wechsel = Wechsel();
  eingabe.Beim(ostFeld);
  double breite = ergebnis.von == Etrs ? punkt.nord : qQNaN();
  for (const Bezugssystem nach : {GK, Geo, Etrs, UTM}) {
    Datumspunkt& p = ergebnis.punkte[static_cast<std::size_t>(nach)];
    p = punkt;
    wechsel.Umrechnen(std::span(&p, 1), ergebnis.von, nach, Waehlen);
    if (p.fehler == Datumsfehler::Keiner && (nach == Geo || nach == Etrs) && std::isnan(breite)) {
      breite = p.nord;
    }
  }
  for (const Datumspunkt& p : ergebnis.punkte) {
    if (p.fehler != Datumsfehler::Keiner) {
      // Off the grid to the north or south: the northing is to blame.
      if (p.fehler == Datumsfehler::AusserhalbGitter &&
          !(breite >= GitterSued && breite <= GitterNord)) {
        eingabe.Beim(nordFeld);
      }
      throw Datumsfehlermeldung(p, ergebnis.von);
    }
  }
  eingabe.Beim(nullptr);
  return ergebnis;
}

void frmDatum::Command1_Click() {
  Ereignis(this, [this](Eingabe& eingabe) {
    const Datumsergebnis ergebnis = Umrechnen(eingabe);
    FensterOeffnen(Fensterdaten.FensterErgDatum, ergebnis);
  });
}

void frmDatum::Command2_Click() {
  close();
}
