#include "frmGeoGK.h"

#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Voderedezazarire.h"
#include "frmErgGeoGK.h"

#include <QLineEdit>
#include <QPushButton>

frmGeoGK::frmGeoGK()
    : Formular(QStringLiteral("geographische in Gauss-Krüger - Lagoren"), 6270, 4740) {
  setObjectName(QStringLiteral("frmGeoGK"));
  const QString laenge = QStringLiteral("Geographische Länge");
  const QString breite = QStringLiteral("Geographische Breite");
  const QString grad = QStringLiteral("Grad");
  const QString minuten = QStringLiteral("Minuten");
  const QString sekunden = QStringLiteral("Sekunden");
  const QString streifen = QStringLiteral("Meridianstreifen - Nr.");

  Beschriftung("Label1", laenge, {1320, 240, 2055, 255}, Farbe::Gruen);
  Beschriftung("Label3", grad, {840, 720, 615, 255}, Farbe::Blau);
  Beschriftung("Label4", minuten, {1920, 720, 735, 255}, Farbe::Blau);
  Beschriftung("Label5", sekunden, {3000, 720, 855, 255}, Farbe::Blau);
  Text1 = Textfeld("Text1", {720, 1200, 615, 330}, {laenge, grad});
  Text2 = Textfeld("Text2", {1920, 1200, 615, 330}, {laenge, minuten});
  Text3 = Textfeld("Text3", {3120, 1200, 615, 330}, {laenge, sekunden});
  Beschriftung("Label2", breite, {1320, 2280, 1815, 255}, Farbe::Gruen);
  Beschriftung("Label6", grad, {840, 2760, 615, 255}, Farbe::Blau);
  Beschriftung("Label7", minuten, {1920, 2760, 735, 255}, Farbe::Blau);
  Beschriftung("Label8", sekunden, {3000, 2760, 855, 255}, Farbe::Blau);
  Text4 = Textfeld("Text4", {720, 3240, 615, 330}, {breite, grad});
  Text5 = Textfeld("Text5", {1920, 3240, 615, 330}, {breite, minuten});
  Text6 = Textfeld("Text6", {3120, 3240, 615, 330}, {breite, sekunden});
  Beschriftung("Label9", streifen, {720, 4200, 1815, 255}, Farbe::Blau);
  Text7 = Textfeld("Text7", {3120, 4200, 615, 330}, {streifen});
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
    u.LaengeGrad = eingabe.Single(Text1);
    u.LaengeMin = eingabe.Single(Text2);
    u.LaengeSek = eingabe.Single(Text3);
    u.BreiteGrad = eingabe.Single(Text4);
    u.BreiteMin = eingabe.Single(Text5);
    u.BreiteSek = eingabe.Single(Text6);
    u.StreifenNr = eingabe.Integer(Text7);
    // Both integer products take the strip: an overflow there is the strip's.
    eingabe.Berechnen(Voderedezazarire::BerechneGeoGK, Text7);

    FensterOeffnen(Fensterdaten.FensterErgGeoGK);
  });
}

void frmGeoGK::Command2_Click() {
  close();
}
