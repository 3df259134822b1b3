#include "frmErgGeoGK.h"

#include "Voderedezazarire.h"
#include "Zahltext.h"

#include <QLabel>
#include <QPushButton>

frmErgGeoGK::frmErgGeoGK(const Voderedezazarire::Umrechnungsdatensatz& daten)
    : Formular(QStringLiteral("Ergebnis für Gauss-Krüger - Lagoren"), 5280, 2775), daten_(daten) {
  setObjectName(QStringLiteral("frmErgGeoGK"));
  QLabel* rechtswert =
      Beschriftung("Label1", QStringLiteral("Rechtswert (X)"), {480, 360, 1335, 255}, Farbe::Rot);
  Label3 = Wertfeld("Label3", {2280, 360, 1815, 255}, Farbe::Rot, {rechtswert});
  QLabel* hochwert =
      Beschriftung("Label2", QStringLiteral("Hochwert (Y)"), {480, 1200, 1095, 255}, Farbe::Rot);
  Label4 = Wertfeld("Label4", {2280, 1200, 1815, 255}, Farbe::Rot, {hochwert});
  Command1 = Knopf("Command1", QStringLiteral("Schließen"), {3480, 1920, 1455, 495}, false);
  Command1->setFocus();
  connect(Command1, &QPushButton::clicked, this, &frmErgGeoGK::Command1_Click);
}

void frmErgGeoGK::Form_Load() {
  const auto& u = daten_;
  Label3->setText(MeterText(u.Rechtswert));
  Label4->setText(MeterText(u.Hochwert));
}

void frmErgGeoGK::Command1_Click() {
  close();
}
