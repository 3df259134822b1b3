// The window slots of the conversion state: the most recently created window
// of each kind. They live on the window side, since the computation knows no
// windows; QPointer empties a slot when its window is destroyed, so a slot
// never dangles.
#pragma once

#include <QPointer>

#include <memory>

class frmGeoGK;
class frmGKGeo;
class frmErgGeoGK;
class frmErgGKGeo;
class frmDatum;
class frmErgDatum;

struct Fensterdatensatz {
  QPointer<frmGeoGK> FensterGeoGK;
  QPointer<frmGKGeo> FensterGKGeo;
  QPointer<frmErgGeoGK> FensterErgGeoGK;
  QPointer<frmErgGKGeo> FensterErgGKGeo;
  QPointer<frmDatum> FensterDatum;
  QPointer<frmErgDatum> FensterErgDatum;
};

extern Fensterdatensatz Fensterdaten;

/// Opens a new window of its kind, a dialog of the one it is opened from:
/// creates it from `argumente` (a result window, from the record it shows),
/// records it in its slot, loads its values where it has any, and shows it.
/// A load that fails (a value beyond 16 bits) must not leave a half-filled
/// window that looks like a result: it is destroyed unshown and the slot
/// empties itself.
template <typename Fenster, typename... Argumente>
Fenster* FensterOeffnen(QPointer<Fenster>& slot, Argumente&... argumente) {
  auto fenster = std::make_unique<Fenster>(argumente...);
  fenster->AlsDialog();
  slot = fenster.get();
  if constexpr (requires { fenster->Form_Load(); }) {
    fenster->Form_Load();
  }
  Fenster* offen = fenster.release();
  offen->show();
  return offen;
}
