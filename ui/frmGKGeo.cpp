#include "frmGKGeo.h"

#include "Eingabefelder.h"
#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Voderedezazarire.h"
#include "frmErgGKGeo.h"

#include <QLineEdit>
#include <QPushButton>

frmGKGeo::frmGKGeo()
    : Formular(QStringLiteral("Gauss-Krüger in geographische Lagoren"), 5730, 2655) {
  setObjectName(QStringLiteral("frmGKGeo"));
  // The captions are those of the fields the boxes fill.
  const auto& f = RichtungGKGeo.felder;
  Beschriftung("Label1", QString::fromUtf8(f[0].beschriftung), {840, 240, 1695, 255}, Farbe::Blau);
  Text1 = Textfeld("Text1", {3000, 240, 1815, 330}, f[0]);
  Beschriftung("Label2", QString::fromUtf8(f[1].beschriftung), {840, 1080, 1695, 255}, Farbe::Blau);
  Text2 = Textfeld("Text2", {3000, 1080, 1815, 330}, f[1]);
  Beschriften({{"Label1", Text1}, {"Label2", Text2}});
  Command1 = Knopf("Command1", QStringLiteral("Berechnen"), {3600, 1800, 1455, 495});
  Command2 = Knopf("Command2", QStringLiteral("Schließen"), {960, 1800, 1455, 495});

  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Text1);
  setTabOrder(Text1, Text2);
  Command1->setFocus();

  connect(Command1, &QPushButton::clicked, this, &frmGKGeo::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmGKGeo::Command2_Click);
  for (QLineEdit* feld : Eingabefelder()) {
    connect(feld, &QLineEdit::returnPressed, this, &frmGKGeo::Command1_Click);
  }
}

void frmGKGeo::Command1_Click() {
  Ereignis(this, [this](Eingabe& eingabe) {
    auto& u = Voderedezazarire::Umrechnungsdaten;
    eingabe.Umrechnen(RichtungGKGeo, Eingabefelder(), u);
    FensterOeffnen(Fensterdaten.FensterErgGKGeo, u);
  });
}

void frmGKGeo::Command2_Click() {
  close();
}
