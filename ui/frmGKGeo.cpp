#include "frmGKGeo.h"

#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Voderedezazarire.h"
#include "frmErgGKGeo.h"

#include <QLineEdit>
#include <QPushButton>

frmGKGeo::frmGKGeo()
    : Formular(QStringLiteral("Gauss-Krüger in geographische Lagoren"), 5730, 2655) {
  setObjectName(QStringLiteral("frmGKGeo"));
  const QString rechtswert = QStringLiteral("Rechtswert (X) [m]");
  const QString hochwert = QStringLiteral("Hochwert (Y) [m]");
  Beschriftung("Label1", rechtswert, {840, 240, 1695, 255}, Farbe::Blau);
  Text1 = Textfeld("Text1", {3000, 240, 1815, 330}, {rechtswert});
  Beschriftung("Label2", hochwert, {840, 1080, 1695, 255}, Farbe::Blau);
  Text2 = Textfeld("Text2", {3000, 1080, 1815, 330}, {hochwert});
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
    u.Rechtswert = eingabe.Double(Text1);
    u.Hochwert = eingabe.Double(Text2);
    // The strip is the easting's millions: an overflow there is the easting's.
    eingabe.Berechnen(Voderedezazarire::BerechneGKGeo, Text1);

    FensterOeffnen(Fensterdaten.FensterErgGKGeo);
  });
}

void frmGKGeo::Command2_Click() {
  close();
}
