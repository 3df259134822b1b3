#include "frmHaupt.h"

#include "Fensterdaten.h"
#include "frmDatum.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"

#include <QPushButton>

frmHaupt::frmHaupt() : Formular(QStringLiteral("Vazorodavazivovovar V 1.0"), 4680, 3090) {
  setObjectName(QStringLiteral("frmHaupt"));
  // The buttons keep the platform's default font.
  Command1 = Knopf("Command1", QStringLiteral("Gauss-Krüger --> geographische"),
                   {240, 240, 2775, 495}, false);
  Command2 = Knopf("Command2", QStringLiteral("Geographische --> Gauss-Krüger"),
                   {240, 1080, 2775, 495}, false);
  Command3 = Knopf("Command3", QStringLiteral("Schließen"), {3240, 2400, 1215, 495}, false);
  // The datum change under the two directions of the series.
  Command4 = Knopf("Command4", QStringLiteral("Datumswechsel ETRS89/UTM …"), {240, 1920, 2775, 495},
                   false);

  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command4); // and so before Command3
  Command1->setFocus();

  connect(Command1, &QPushButton::clicked, this, &frmHaupt::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmHaupt::Command2_Click);
  connect(Command3, &QPushButton::clicked, this, &frmHaupt::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &frmHaupt::Command4_Click);
}

void frmHaupt::Command1_Click() {
  FensterOeffnen(Fensterdaten.FensterGKGeo);
}

void frmHaupt::Command2_Click() {
  FensterOeffnen(Fensterdaten.FensterGeoGK);
}

void frmHaupt::Command3_Click() {
  close();
}

void frmHaupt::Command4_Click() {
  FensterOeffnen(Fensterdaten.FensterDatum);
}
