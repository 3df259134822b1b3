#include "Datumswechsel.h"

#include <dlfcn.h>
#include <proj.h>
#include <unistd.h>

#include <cmath>
#include <numbers>

namespace {

/// PROJ's functions, loaded when the first datum change is made: a program
/// run that never changes the datum does not carry PROJ and the libraries it
/// pulls in (sqlite, curl, TLS), about 9 MB of resident memory.
struct ProjFunktionen {
  decltype(&proj_context_create) context_create;
  decltype(&proj_context_destroy) context_destroy;
  decltype(&proj_context_set_enable_network) context_set_enable_network;
  decltype(&proj_context_set_search_paths) context_set_search_paths;
  decltype(&proj_log_level) log_level;
  decltype(&proj_log_func) log_func;
  decltype(&proj_info) info;
  decltype(&proj_create) create;
  decltype(&proj_destroy) destroy;
  decltype(&proj_trans_generic) trans_generic;
};

[[noreturn]] void NichtLadbar(const char* grund) {
  throw Datumsabbruch(Datumsabbruch::Art::ProjFehlt, std::string("PROJ (") + VAZ_PROJ_BIBLIOTHEK +
                                                         ") lässt sich nicht laden: " + grund +
                                                         ". Es gehört zum Debian-Paket libproj25.");
}

template <class Funktion> void Laden(void* bibliothek, const char* name, Funktion& funktion) {
  funktion = reinterpret_cast<Funktion>(dlsym(bibliothek, name));
  if (funktion == nullptr) {
    NichtLadbar(name);
  }
}

void Schweigen(void*, int, const char*) {}

/// The grid's path in the first directory of PROJ's search path (joined by
/// ':') that holds it; "" in none.
std::string Gitterpfad(const std::string& suchpfad) {
  std::size_t anfang = 0;
  while (anfang <= suchpfad.size()) {
    std::size_t ende = suchpfad.find(':', anfang);
    ende = ende == std::string::npos ? suchpfad.size() : ende;
    const std::string pfad = suchpfad.substr(anfang, ende - anfang) + '/' + GitterDatei;
    if (ende > anfang && ::access(pfad.c_str(), R_OK) == 0) {
      return pfad;
    }
    anfang = ende + 1;
  }
  return {};
}

/// Loads PROJ once; it stays loaded until the program ends. PROJ's own log
/// lines never reach the user: every failure is reported as a message of
/// this program.
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
    Laden(bibliothek, "proj_context_set_search_paths", f.context_set_search_paths);
    Laden(bibliothek, "proj_log_level", f.log_level);
    Laden(bibliothek, "proj_log_func", f.log_func);
    Laden(bibliothek, "proj_info", f.info);
    Laden(bibliothek, "proj_create", f.create);
    Laden(bibliothek, "proj_destroy", f.destroy);
    Laden(bibliothek, "proj_trans_generic", f.trans_generic);
    f.log_level(nullptr, PJ_LOG_NONE); // the default context, which PROJ uses internally
    f.log_func(nullptr, nullptr, Schweigen);
    return f;
  }();
  return funktionen;
}

constexpr double GradJeRadiant = 180.0 / std::numbers::pi;

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

template <class Tun> void Gute(std::span<Datumspunkt> punkte, Tun tun) {
  for (Datumspunkt& p : punkte) {
    if (p.fehler == Datumsfehler::Keiner) {
      tun(p);
    }
  }
}

/// A Gauss-Krüger coordinate: its strip must be one, and it must lie within
/// GkHoechstabstand of the strip's central meridian.
void GKPruefen(Datumspunkt& p) {
  if (!StreifenGueltig(p.bereich)) {
    p.fehler = Datumsfehler::Bereich;
    return;
  }
  p.abstand = Meridianabstand(p.ost, p.bereich);
  if (!(std::fabs(p.abstand) <= GkHoechstabstand)) {
    p.fehler = Datumsfehler::FernVomMeridian;
  }
}

/// A UTM coordinate: a zone of Germany, and an easting inside its 1,000 km.
void UTMPruefen(Datumspunkt& p) {
  if (!ZoneGueltig(p.bereich)) {
    p.fehler = Datumsfehler::Bereich;
  } else if (!(p.ost >= 0.0 && p.ost < MeterJeMillion)) {
    p.fehler = Datumsfehler::AusserhalbBereich;
  }
}

bool Geographisch(Bezugssystem s) {
  return s == Bezugssystem::Geo || s == Bezugssystem::Etrs;
}

} // namespace

void Datumswechsel::Loescher::operator()(PJ* p) const {
  Proj().destroy(p);
}

Datumswechsel::Datumswechsel()
    : kontext_(Proj().context_create(), [](PJ_CONTEXT* k) { Proj().context_destroy(k); }) {
  Proj().context_set_enable_network(kontext_.get(), 0);
  Proj().log_level(kontext_.get(), PJ_LOG_NONE);
  Proj().log_func(kontext_.get(), nullptr, Schweigen);
  const std::string datei = std::string(GitterDatei) + " (BeTA2007)";
  const std::string suche = std::string(", gesucht in ") + Proj().info().searchpath +
                            ". Es gehört zum Debian-Paket proj-data (apt install proj-data).";
  // Every object here is a PROJ string, so PROJ's database proj.db answers
  // nothing, yet PROJ opens it for each one it finds: some 3 MB resident.
  // The grid is opened by its path, and the context's search path is the
  // grid file itself, where no proj.db can be.
  const std::string pfad = Gitterpfad(Proj().info().searchpath);
  if (!pfad.empty()) {
    const char* const nur[] = {pfad.c_str()};
    Proj().context_set_search_paths(kontext_.get(), 1, nur);
    gitter_.reset(Erzeugen("+proj=hgridshift +grids=" + pfad));
  }
  if (!gitter_) {
    throw Datumsabbruch(Datumsabbruch::Art::GitterFehlt,
                        "Das Gitter " + datei + " für den Datumswechsel fehlt" + suche);
  }
  // A damaged file can open and still shift nothing: try a point in the
  // middle of Germany, which moves by about 100 m, never by a kilometre.
  constexpr double Probelaenge = 10.0, Probebreite = 51.0; // [°]
  constexpr double Hoechstens = 1000.0 / 6.4e6;            // 1 km on the earth [rad]
  Datumspunkt probe{Probelaenge / GradJeRadiant, Probebreite / GradJeRadiant};
  const Datumspunkt vorher = probe;
  ::Umrechnen(gitter_.get(), PJ_FWD, std::span(&probe, 1), Datumsfehler::AusserhalbGitter);
  const double verschiebung = std::hypot(probe.ost - vorher.ost, probe.nord - vorher.nord);
  if (probe.fehler != Datumsfehler::Keiner || !(verschiebung > 0.0) ||
      !(verschiebung < Hoechstens)) {
    throw Datumsabbruch(Datumsabbruch::Art::GitterUnlesbar,
                        "Das Gitter " + datei + " für den Datumswechsel ist unlesbar" + suche);
  }
}

Datumswechsel::~Datumswechsel() = default;

PJ* Datumswechsel::Erzeugen(const std::string& definition) const {
  return Proj().create(kontext_.get(), definition.c_str());
}

// The exact transverse Mercator (Poder/Engsager), pinned: a proj.ini may
// choose another default.
PJ* Datumswechsel::Streifen(int nummer) {
  if (!StreifenGueltig(nummer)) {
    return nullptr;
  }
  Objekt& objekt = streifen_[nummer];
  if (!objekt) {
    objekt.reset(Erzeugen("+proj=tmerc +algo=poder_engsager +lat_0=0 +lon_0=" +
                          std::to_string(nummer * GradJeStreifen) + " +k=1 +x_0=" +
                          std::to_string(static_cast<long>(nummer * MeterJeMillion + Falschost)) +
                          " +y_0=0 +ellps=bessel"));
  }
  return objekt.get();
}

PJ* Datumswechsel::Zone(int nummer) {
  if (!ZoneGueltig(nummer)) {
    return nullptr;
  }
  Objekt& objekt = zonen_[nummer];
  if (!objekt) {
    objekt.reset(Erzeugen("+proj=utm +algo=poder_engsager +zone=" + std::to_string(nummer) +
                          " +ellps=GRS80"));
  }
  return objekt.get();
}

void Datumswechsel::Umrechnen(std::span<Datumspunkt> punkte, Bezugssystem von, Bezugssystem nach,
                              int ziel) {
  if (von == Bezugssystem::GK) {
    Gute(punkte, [](Datumspunkt& p) {
      p.naechster = Waehlen;
      GKPruefen(p);
    });
  } else if (von == Bezugssystem::UTM) {
    Gute(punkte, UTMPruefen);
  } else { // the chain carries angles in radians
    Gute(punkte, [](Datumspunkt& p) {
      p.ost /= GradJeRadiant;
      p.nord /= GradJeRadiant;
    });
  }
  for (auto s = von; s != nach;) {
    const bool hin = s < nach;
    Schritt(punkte, s, hin, ziel);
    s = static_cast<Bezugssystem>(static_cast<int>(s) + (hin ? 1 : -1));
  }
  if (nach == Bezugssystem::GK) {
    Gute(punkte, [](Datumspunkt& p) {
      const int naechster = p.naechster;
      GKPruefen(p);
      p.naechster = naechster;
    });
  } else if (nach == Bezugssystem::UTM) {
    Gute(punkte, UTMPruefen);
  } else if (Geographisch(nach)) {
    Gute(punkte, [](Datumspunkt& p) {
      p.ost *= GradJeRadiant;
      p.nord *= GradJeRadiant;
    });
  }
}

/// One step along the chain from `von`, toward UTM (`hin`) or back.
void Datumswechsel::Schritt(std::span<Datumspunkt> punkte, Bezugssystem von, bool hin, int ziel) {
  using enum Bezugssystem;
  const auto projektion = [&](auto objekt, PJ_DIRECTION richtung) {
    InLaeufen(punkte, [&](int nummer, std::span<Datumspunkt> lauf) {
      ::Umrechnen((this->*objekt)(nummer), richtung, lauf, Datumsfehler::Abbildung);
    });
  };
  const auto gitter = [&](PJ_DIRECTION richtung) {
    InLaeufen(punkte, [&](int, std::span<Datumspunkt> lauf) {
      ::Umrechnen(gitter_.get(), richtung, lauf, Datumsfehler::AusserhalbGitter);
    });
  };
  switch (hin ? von : static_cast<Bezugssystem>(static_cast<int>(von) - 1)) {
  case GK: // Gauss-Krüger ↔ DHDN
    if (hin) {
      projektion(&Datumswechsel::Streifen, PJ_INV);
    } else {
      Gute(punkte, [ziel](Datumspunkt& p) { // DHDN longitude [rad]
        p.naechster = NaechsterStreifen(p.ost * GradJeRadiant);
        p.bereich = ziel == Waehlen ? p.naechster : ziel == ImPunkt ? p.bereich : ziel;
        if (!StreifenGueltig(p.bereich)) {
          p.fehler = Datumsfehler::Bereich;
        }
      });
      projektion(&Datumswechsel::Streifen, PJ_FWD);
    }
    break;
  case Geo: // DHDN ↔ ETRS89
    gitter(hin ? PJ_FWD : PJ_INV);
    break;
  case Etrs: // ETRS89 ↔ UTM
    if (hin) {
      Gute(punkte, [ziel](Datumspunkt& p) { // ETRS89 longitude [rad]
        p.bereich = ziel != Waehlen                       ? ziel
                    : p.ost * GradJeRadiant < Zonengrenze ? WestZone
                                                          : OstZone;
        if (!ZoneGueltig(p.bereich)) {
          p.fehler = Datumsfehler::Bereich;
        }
      });
      projektion(&Datumswechsel::Zone, PJ_FWD);
    } else {
      projektion(&Datumswechsel::Zone, PJ_INV);
    }
    break;
  case UTM:
    break;
  }
}
