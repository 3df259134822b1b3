#include "frmGeoGK.h"

#include "Eingabefelder.h"
#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Voderedezazarire.h"
#include "frmErgGeoGK.h"

#include <QLineEdit>
#include <QPushButton>

frmGeoGK::frmGeoGK()
    : Formular(QStringLiteral("geographische in Gauss-Krüger - Lagoren"), 6270, 4740) {
  setObjectName(QStringLiteral("frmGeoGK"));
  // The captions are those of the fields the boxes fill.
  const auto& f = RichtungGeoGK.felder;
  auto text = [](const char* beschriftung) { return QString::fromUtf8(beschriftung); };

  Beschriftung("Label1", text(f[0].gruppe), {1320, 240, 2055, 255}, Farbe::Gruen);
  Beschriftung("Label3", text(f[0].beschriftung), {840, 720, 615, 255}, Farbe::Blau);
  Beschriftung("Label4", text(f[1].beschriftung), {1920, 720, 735, 255}, Farbe::Blau);
  Beschriftung("Label5", text(f[2].beschriftung), {3000, 720, 855, 255}, Farbe::Blau);
  Text1 = Textfeld("Text1", {720, 1200, 615, 330}, f[0]);
  Text2 = Textfeld("Text2", {1920, 1200, 615, 330}, f[1]);
  Text3 = Textfeld("Text3", {3120, 1200, 615, 330}, f[2]);
  Beschriftung("Label2", text(f[3].gruppe), {1320, 2280, 1815, 255}, Farbe::Gruen);
  Beschriftung("Label6", text(f[3].beschriftung), {840, 2760, 615, 255}, Farbe::Blau);
  Beschriftung("Label7", text(f[4].beschriftung), {1920, 2760, 735, 255}, Farbe::Blau);
  Beschriftung("Label8", text(f[5].beschriftung), {3000, 2760, 855, 255}, Farbe::Blau);
  Text4 = Textfeld("Text4", {720, 3240, 615, 330}, f[3]);
  Text5 = Textfeld("Text5", {1920, 3240, 615, 330}, f[4]);
  Text6 = Textfeld("Text6", {3120, 3240, 615, 330}, f[5]);
  Beschriftung("Label9", text(f[6].beschriftung), {720, 4200, 1815, 255}, Farbe::Blau);
  Text7 = Textfeld("Text7", {3120, 4200, 615, 330}, f[6]);
  Beschriften({{"Label3", Text1},
               {"Label4", Text2},
               {"Label5", Text3},
               {"Label6", Text4},
               {"Label7", Text5},
               {"Label8", Text6},
               {"Label9", Text7}});
  Command1 = Knopf("Command1", QStringLiteral("Berechnen"), {4680, 360, 1335, 495});
  Command2 = Knopf("Command2", QStringLiteral("Schließen"), {4680, 1320, 1335, 495});

  // Open frames round both blocks, each with a gap for its heading.
  Linie("Line1", 3480, 360, 4080, 360);
  Linie("Line2", 1200, 360, 480, 360);
  Linie("Line3", 480, 1800, 4080, 1800);
  Linie("Line4", 4080, 360, 4080, 1800);
  Linie("Line5", 480, 360, 480, 1800);
  Linie("Line6", 1200, 2400, 480, 2400);
  Linie("Line7", 3240, 2400, 4080, 2400);
  Linie("Line8", 480, 3840, 4080, 3840);
  Linie("Line9", 480, 2400, 480, 3840);
  Linie("Line10", 4080, 2400, 4080, 3840);

  QWidget* vorige = nullptr;
  for (QWidget* naechste : Eingabefelder()) {
    if (vorige) {
      setTabOrder(vorige, naechste);
    }
    vorige = naechste;
  }
  setTabOrder(vorige, Command1);
  setTabOrder(Command1, Command2);
  Text1->setFocus();

  connect(Command1, &QPushButton::clicked, this, &frmGeoGK::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmGeoGK::Command2_Click);
  for (QLineEdit* feld : Eingabefelder()) {
    connect(feld, &QLineEdit::returnPressed, this, &frmGeoGK::Command1_Click);
  }
}

void frmGeoGK::Command1_Click() {
  Ereignis(this, [this](Eingabe& eingabe) {
    auto& u = Voderedezazarire::Umrechnungsdaten;
    eingabe.Umrechnen(RichtungGeoGK, Eingabefelder(), u);
    FensterOeffnen(Fensterdaten.FensterErgGeoGK, u);
  });
}

void frmGeoGK::Command2_Click() {
  close();
}
