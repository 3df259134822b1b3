// Main window: opens input windows of both directions and of the datum
// change, any number of times.
#pragma once

#include "Formular.h"

class QPushButton;

class frmHaupt : public Formular {
  Q_OBJECT

public:
  frmHaupt();

  QPushButton* Command1; ///< "Gauss-Krüger --> geographische"
  QPushButton* Command2; ///< "Geographische --> Gauss-Krüger"
  QPushButton* Command3; ///< "Schließen"
  QPushButton* Command4; ///< "Datumswechsel ETRS89/UTM …"

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
};
