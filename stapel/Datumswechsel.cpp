#include "Datumswechsel.h"

#include "Auftrag.h"

#include <dlfcn.h>
#include <proj.h>

#include <cmath>
#include <string>

namespace {

/// PROJ's functions, loaded when a datum direction first needs them: geo-gk
/// and gk-geo run without PROJ and the libraries it pulls in (sqlite, curl,
/// TLS), about 9 MB of resident memory.
struct ProjFunktionen {
  decltype(&proj_context_create) context_create;
  decltype(&proj_context_destroy) context_destroy;
  decltype(&proj_context_set_enable_network) context_set_enable_network;
  decltype(&proj_log_level) log_level;
  decltype(&proj_info) info;
  decltype(&proj_create) create;
  decltype(&proj_destroy) destroy;
  decltype(&proj_trans_generic) trans_generic;
  decltype(&proj_todeg) todeg;
};

[[noreturn]] void NichtLadbar(const char* grund) {
  throw Abbruch(QStringLiteral("PROJ (%1) lässt sich nicht laden: %2. Es gehört zum "
                               "Debian-Paket libproj25.")
                    .arg(QString::fromUtf8(VAZ_PROJ_BIBLIOTHEK), QString::fromLocal8Bit(grund)));
}

template <class Funktion> void Laden(void* bibliothek, const char* name, Funktion& funktion) {
  funktion = reinterpret_cast<Funktion>(dlsym(bibliothek, name));
  if (funktion == nullptr) {
    NichtLadbar(name);
  }
}

/// Loads PROJ once; it stays loaded until the program ends.
const ProjFunktionen& Proj() {
  static const ProjFunktionen funktionen = [] {
    void* bibliothek = dlopen(VAZ_PROJ_BIBLIOTHEK, RTLD_NOW | RTLD_LOCAL);
    if (bibliothek == nullptr) {
      NichtLadbar(dlerror());
    }
    ProjFunktionen f{};
    Laden(bibliothek, "proj_context_create", f.context_create);
    Laden(bibliothek, "proj_context_destroy", f.context_destroy);
    Laden(bibliothek, "proj_context_set_enable_network", f.context_set_enable_network);
    Laden(bibliothek, "proj_log_level", f.log_level);
    Laden(bibliothek, "proj_info", f.info);
    Laden(bibliothek, "proj_create", f.create);
    Laden(bibliothek, "proj_destroy", f.destroy);
    Laden(bibliothek, "proj_trans_generic", f.trans_generic);
    Laden(bibliothek, "proj_todeg", f.todeg);
    return f;
  }();
  return funktionen;
}

constexpr double Falschost = 500000.0; // false easting of the central meridian [m]
constexpr int GradJeStreifen = 3;      // central meridian of strip N: 3° × N

/// Converts the points in place; a point PROJ cannot convert comes back as
/// HUGE_VAL and fails with `fehler`.
void Umrechnen(PJ* objekt, PJ_DIRECTION richtung, std::span<Datumspunkt> lauf,
               Datumsfehler fehler) {
  constexpr std::size_t Schritt = sizeof(Datumspunkt);
  if (objekt != nullptr) {
    Proj().trans_generic(objekt, richtung, &lauf.front().ost, Schritt, lauf.size(),
                         &lauf.front().nord, Schritt, lauf.size(), nullptr, 0, 0, nullptr, 0, 0);
  }
  for (Datumspunkt& p : lauf) {
    if (objekt == nullptr || !std::isfinite(p.ost) || !std::isfinite(p.nord)) {
      p.fehler = fehler;
    }
  }
}

/// Calls `schritt(bereich, lauf)` on each run of consecutive points that have
/// not failed and share their strip or zone: in a point list that is
/// usually the whole block.
template <class Schritt> void InLaeufen(std::span<Datumspunkt> punkte, Schritt schritt) {
  std::size_t anfang = 0;
  while (anfang < punkte.size()) {
    if (punkte[anfang].fehler != Datumsfehler::Keiner) {
      ++anfang;
      continue;
    }
    std::size_t ende = anfang + 1;
    while (ende < punkte.size() && punkte[ende].fehler == Datumsfehler::Keiner &&
           punkte[ende].bereich == punkte[anfang].bereich) {
      ++ende;
    }
    schritt(punkte[anfang].bereich, punkte.subspan(anfang, ende - anfang));
    anfang = ende;
  }
}

/// A result's easting must keep its strip or zone in its millions.
void BereichPruefen(std::span<Datumspunkt> punkte, bool mitMillionen) {
  for (Datumspunkt& p : punkte) {
    const double null = mitMillionen ? p.bereich * MeterJeMillion : 0.0;
    if (p.fehler == Datumsfehler::Keiner && !(p.ost >= null && p.ost < null + MeterJeMillion)) {
      p.fehler = Datumsfehler::AusserhalbBereich;
    }
  }
}

} // namespace

void Datumswechsel::Loescher::operator()(PJ* p) const {
  Proj().destroy(p);
}

Datumswechsel::Datumswechsel()
    : kontext_(Proj().context_create(), [](PJ_CONTEXT* k) { Proj().context_destroy(k); }) {
  Proj().context_set_enable_network(kontext_.get(), 0);
  Proj().log_level(kontext_.get(), PJ_LOG_NONE); // each line's failure is reported in the line
  gitter_.reset(Erzeugen((std::string("+proj=hgridshift +grids=") + GitterDatei).c_str()));
  if (!gitter_) {
    throw Abbruch(
        QStringLiteral("Das Gitter %1 (BeTA2007) für den Datumswechsel fehlt oder ist "
                       "unlesbar, gesucht in %2. Es gehört zum Debian-Paket proj-data "
                       "(apt install proj-data).")
            .arg(QString::fromUtf8(GitterDatei), QString::fromLocal8Bit(Proj().info().searchpath)));
  }
}

Datumswechsel::~Datumswechsel() = default;

PJ* Datumswechsel::Erzeugen(const char* definition) const {
  return Proj().create(kontext_.get(), definition);
}

// The exact transverse Mercator (Poder/Engsager), pinned: a proj.ini may
// choose another default.
PJ* Datumswechsel::Streifen(int nummer) {
  if (nummer < 0 || nummer > LetzterStreifen) {
    return nullptr;
  }
  Objekt& objekt = streifen_[nummer];
  if (!objekt) {
    const std::string definition =
        "+proj=tmerc +algo=poder_engsager +lat_0=0 +lon_0=" +
        std::to_string(nummer * GradJeStreifen) +
        " +k=1 +x_0=" + std::to_string(static_cast<long>(nummer * MeterJeMillion + Falschost)) +
        " +y_0=0 +ellps=bessel";
    objekt.reset(Erzeugen(definition.c_str()));
  }
  return objekt.get();
}

PJ* Datumswechsel::Zone(int nummer) {
  Objekt& objekt = zonen_[nummer];
  if (!objekt) {
    const std::string definition =
        "+proj=utm +algo=poder_engsager +zone=" + std::to_string(nummer) + " +ellps=GRS80";
    objekt.reset(Erzeugen(definition.c_str()));
  }
  return objekt.get();
}

void Datumswechsel::GKNachUTM(std::span<Datumspunkt> punkte, int zone) {
  InLaeufen(punkte, [this](int streifen, std::span<Datumspunkt> lauf) {
    Umrechnen(Streifen(streifen), PJ_INV, lauf, Datumsfehler::Abbildung);
  });
  InLaeufen(punkte, [this](int, std::span<Datumspunkt> lauf) {
    Umrechnen(gitter_.get(), PJ_FWD, lauf, Datumsfehler::AusserhalbGitter);
  });
  for (Datumspunkt& p : punkte) { // ETRS89 longitude [rad]
    if (p.fehler == Datumsfehler::Keiner) {
      p.bereich = zone != Waehlen ? zone : Proj().todeg(p.ost) < Zonengrenze ? WestZone : OstZone;
    }
  }
  InLaeufen(punkte, [this](int nummer, std::span<Datumspunkt> lauf) {
    Umrechnen(Zone(nummer), PJ_FWD, lauf, Datumsfehler::Abbildung);
  });
  BereichPruefen(punkte, false);
}

void Datumswechsel::UTMNachGK(std::span<Datumspunkt> punkte, int streifen) {
  InLaeufen(punkte, [this](int nummer, std::span<Datumspunkt> lauf) {
    Umrechnen(Zone(nummer), PJ_INV, lauf, Datumsfehler::Abbildung);
  });
  InLaeufen(punkte, [this](int, std::span<Datumspunkt> lauf) {
    Umrechnen(gitter_.get(), PJ_INV, lauf, Datumsfehler::AusserhalbGitter);
  });
  for (Datumspunkt& p : punkte) { // DHDN longitude [rad]
    if (p.fehler == Datumsfehler::Keiner) {
      p.bereich = streifen != Waehlen
                      ? streifen
                      : static_cast<int>(std::lround(Proj().todeg(p.ost) / GradJeStreifen));
    }
  }
  InLaeufen(punkte, [this](int nummer, std::span<Datumspunkt> lauf) {
    Umrechnen(Streifen(nummer), PJ_FWD, lauf, Datumsfehler::Abbildung);
  });
  BereichPruefen(punkte, true);
}
