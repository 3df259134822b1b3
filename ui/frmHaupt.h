// Main window: opens input windows of both directions, any number of times.
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

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
};
