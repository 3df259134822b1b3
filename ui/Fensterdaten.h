// The window slots of the conversion state: the most recently created window
// of each kind. They live on the window side, since the computation knows no
// windows; QPointer empties a slot when its window is destroyed, so a slot
// never dangles.
#pragma once

#include <QPointer>

class frmGeoGK;
class frmGKGeo;
class frmErgGeoGK;
class frmErgGKGeo;

struct Fensterdatensatz {
  QPointer<frmGeoGK> FensterGeoGK;
  QPointer<frmGKGeo> FensterGKGeo;
  QPointer<frmErgGeoGK> FensterErgGeoGK;
  QPointer<frmErgGKGeo> FensterErgGKGeo;
};

extern Fensterdatensatz Fensterdaten;
