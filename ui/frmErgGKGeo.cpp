#include "frmErgGKGeo.h"

#include "Voderedezazarire.h"
#include "Zahltext.h"

#include <QLabel>
#include <QPushButton>

frmErgGKGeo::frmErgGKGeo(const Voderedezazarire::Umrechnungsdatensatz& daten)
    : Formular(QStringLiteral("Ergebnis für geographische Lagoren"), 5505, 5415), daten_(daten) {
  setObjectName(QStringLiteral("frmErgGKGeo"));
  const QString gradText = QStringLiteral("Grad");
  const QString minutenText = QStringLiteral("Minuten");
  const QString sekundenText = QStringLiteral("Sekunden");

  // Each value is read with the heading of its block and of its column.
  QLabel* laenge = Beschriftung("Label1", QStringLiteral("Geographische Länge"),
                                {1680, 240, 1935, 255}, Farbe::Gruen);
  QLabel* grad = Beschriftung("Label3", gradText, {1320, 840, 495, 255}, Farbe::Gruen);
  QLabel* minuten = Beschriftung("Label4", minutenText, {2520, 840, 735, 255}, Farbe::Gruen);
  QLabel* sekunden = Beschriftung("Label5", sekundenText, {3840, 840, 855, 255}, Farbe::Gruen);
  Label9 = Wertfeld("Label9", {1320, 1440, 735, 255}, Farbe::Rot, {laenge, grad});
  Label10 = Wertfeld("Label10", {2520, 1440, 735, 255}, Farbe::Rot, {laenge, minuten});
  Label11 = Wertfeld("Label11", {3840, 1440, 735, 255}, Farbe::Rot, {laenge, sekunden});
  QLabel* breite = Beschriftung("Label2", QStringLiteral("Geographische Breite"),
                                {1680, 2520, 1935, 255}, Farbe::Gruen);
  grad = Beschriftung("Label6", gradText, {1320, 3120, 495, 255}, Farbe::Gruen);
  minuten = Beschriftung("Label7", minutenText, {2520, 3120, 735, 255}, Farbe::Gruen);
  sekunden = Beschriftung("Label8", sekundenText, {3840, 3120, 855, 255}, Farbe::Gruen);
  Label12 = Wertfeld("Label12", {1320, 3720, 735, 255}, Farbe::Rot, {breite, grad});
  Label13 = Wertfeld("Label13", {2520, 3720, 735, 255}, Farbe::Rot, {breite, minuten});
  Label14 = Wertfeld("Label14", {3840, 3720, 735, 255}, Farbe::Rot, {breite, sekunden});
  Command1 = Knopf("Command1", QStringLiteral("Schließen"), {2280, 4680, 1455, 495});

  Linie("Line1", 3720, 360, 4920, 360);
  Linie("Line2", 1560, 360, 1080, 360);
  Linie("Line3", 1080, 360, 1080, 2040);
  Linie("Line4", 1080, 2640, 1080, 4320);
  Linie("Line5", 1560, 2640, 1080, 2640);
  Linie("Line6", 3720, 2640, 4920, 2640);
  Linie("Line7", 4920, 360, 4920, 2040);
  Linie("Line8", 4920, 2640, 4920, 4320);
  Linie("Line9", 1080, 2040, 4920, 2040);
  Linie("Line10", 1080, 4320, 4920, 4320);

  Command1->setFocus();
  connect(Command1, &QPushButton::clicked, this, &frmErgGKGeo::Command1_Click);
}

void frmErgGKGeo::Form_Load() {
  const auto& u = daten_;
  Label9->setText(GanzzahlText(u.LaengeGrad));
  Label10->setText(GanzzahlText(u.LaengeMin));
  Label11->setText(GanzzahlText(u.LaengeSek));
  Label12->setText(GanzzahlText(u.BreiteGrad));
  Label13->setText(GanzzahlText(u.BreiteMin));
  Label14->setText(GanzzahlText(u.BreiteSek));
}

void frmErgGKGeo::Command1_Click() {
  close();
}
