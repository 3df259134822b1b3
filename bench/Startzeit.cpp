// Start-up time and peak memory of the program's start-up twin (start/)
// against the floor (grundlinie/): a bare Qt Widgets window of the main
// window's size with the same four captioned buttons.
//
// Both run on the X server named by DISPLAY (scripts/bench starts an Xvfb),
// with the same environment. Each repetition starts one of each, the order
// alternating, so that both sides see the same load on a shared machine.
// Measured per start, from just before the spawn:
//  - until the main window is mapped: the MapNotify of a top-level window,
//    seen here on the root window (without a window manager nothing else
//    maps it);
//  - until the first frame is done, on the child's own clock (the same
//    monotonic clock as here; see Startmeldung.cpp);
//  - the child's peak resident set size (VmHWM) once it has settled after
//    its first frame, so whatever it puts off until then counts too.
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Uhr = std::chrono::steady_clock;

/// How long one start may take before it counts as hung.
constexpr int GrenzeMs = 20000;
/// Set in the type of an event that a client sent rather than the server.
constexpr uint8_t GesendetBit = 0x80;
/// Pairs of starts; the median of each side is reported.
constexpr int Paare = 41;

double Millisekunden(Uhr::duration dauer) {
  return std::chrono::duration<double, std::milli>(dauer).count();
}

/// A connection to the X server that watches its root window for mappings.
class Wurzelbeobachter {
public:
  Wurzelbeobachter() : verbindung_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(verbindung_.get()) != 0) {
      return;
    }
    const xcb_window_t wurzel =
        xcb_setup_roots_iterator(xcb_get_setup(verbindung_.get())).data->root;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::free(xcb_request_check(verbindung_.get(),
                                xcb_change_window_attributes_checked(verbindung_.get(), wurzel,
                                                                     XCB_CW_EVENT_MASK, &maske)));
    bereit_ = true;
  }

  [[nodiscard]] bool Bereit() const { return bereit_; }
  [[nodiscard]] int Deskriptor() const { return xcb_get_file_descriptor(verbindung_.get()); }

  /// Takes every event that has arrived; true if one was the mapping of a
  /// top-level window (menus and tooltips bypass the window manager and
  /// do not count).
  bool Abgebildet() {
    bool abgebildet = false;
    while (xcb_generic_event_t* ereignis = xcb_poll_for_event(verbindung_.get())) {
      if ((ereignis->response_type & ~GesendetBit) == XCB_MAP_NOTIFY) {
        abgebildet = abgebildet ||
                     reinterpret_cast<xcb_map_notify_event_t*>(ereignis)->override_redirect == 0;
      }
      std::free(ereignis);
    }
    return abgebildet;
  }

private:
  struct Trennen {
    void operator()(xcb_connection_t* v) const { xcb_disconnect(v); }
  };
  std::unique_ptr<xcb_connection_t, Trennen> verbindung_;
  bool bereit_ = false;
};

struct Start {
  double abgebildetMs = -1; ///< spawn → main window mapped
  double bildMs = -1;       ///< spawn → first frame done
  double spitzeKB = -1;     ///< VmHWM after settling
};

/// One line of Startmeldung's protocol into `start`; `beginn` is the spawn.
void Auswerten(const std::string& zeile, Uhr::time_point beginn, Start& start) {
  long long bildNs = 0;
  double kb = 0;
  if (std::sscanf(zeile.c_str(), "bereit %lld %lf", &bildNs, &kb) == 2) {
    start.bildMs = Millisekunden(Uhr::time_point(std::chrono::nanoseconds(bildNs)) - beginn);
  } else if (std::sscanf(zeile.c_str(), "ruhe %lf", &kb) == 1) {
    start.spitzeKB = kb;
  }
}

/// Starts `programm` on the xcb platform and follows it until it has
/// reported its settled peak memory and exited.
std::optional<Start> Starten(const char* programm, Wurzelbeobachter& x) {
  std::vector<char*> umgebung;
  for (char** eintrag = environ; *eintrag != nullptr; ++eintrag) {
    if (!std::string_view(*eintrag).starts_with("QT_QPA_PLATFORM=")) {
      umgebung.push_back(*eintrag);
    }
  }
  char plattform[] = "QT_QPA_PLATFORM=xcb";
  umgebung.push_back(plattform);
  umgebung.push_back(nullptr);

  int rohr[2];
  if (pipe2(rohr, O_CLOEXEC) != 0) {
    return std::nullopt;
  }
  posix_spawn_file_actions_t aktionen;
  posix_spawn_file_actions_init(&aktionen);
  posix_spawn_file_actions_adddup2(&aktionen, rohr[1], STDOUT_FILENO);
  // Qt's start-up notes (XDG_RUNTIME_DIR and the like) would flood the report.
  posix_spawn_file_actions_addopen(&aktionen, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char* argumente[] = {const_cast<char*>(programm), nullptr};
  pid_t kind = 0;

  x.Abgebildet(); // what the previous start left behind
  const auto beginn = Uhr::now();
  const int fehler = posix_spawn(&kind, programm, &aktionen, nullptr, argumente, umgebung.data());
  posix_spawn_file_actions_destroy(&aktionen);
  ::close(rohr[1]);
  if (fehler != 0) {
    ::close(rohr[0]);
    return std::nullopt;
  }

  Start start;
  std::string gelesen;
  bool offen = true;
  while (offen) {
    if (start.abgebildetMs < 0 && x.Abgebildet()) {
      start.abgebildetMs = Millisekunden(Uhr::now() - beginn);
    }
    pollfd warten[] = {{x.Deskriptor(), POLLIN, 0}, {rohr[0], POLLIN, 0}};
    if (poll(warten, 2, GrenzeMs) <= 0) {
      kill(kind, SIGKILL);
      break;
    }
    if ((warten[1].revents & (POLLIN | POLLHUP)) != 0) {
      char puffer[256];
      const ssize_t n = ::read(rohr[0], puffer, sizeof puffer);
      offen = n > 0;
      gelesen.append(puffer, n > 0 ? static_cast<std::size_t>(n) : 0);
      for (std::size_t ende; (ende = gelesen.find('\n')) != std::string::npos;) {
        Auswerten(gelesen.substr(0, ende), beginn, start);
        gelesen.erase(0, ende + 1);
      }
    }
  }
  ::close(rohr[0]);
  int status = 0;
  waitpid(kind, &status, 0);
  if (start.abgebildetMs < 0 || start.bildMs < 0 || start.spitzeKB < 0 || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return start;
}

void StartPaar(benchmark::State& state) {
  static int paar = 0;
  // One connection for all pairs: an X server without clients may reset.
  static Wurzelbeobachter x;
  if (!x.Bereit()) {
    state.SkipWithError("no X server in DISPLAY; scripts/bench starts one");
    return;
  }
  for (auto _ : state) {
    std::optional<Start> programm;
    std::optional<Start> grundlinie;
    if (paar++ % 2 == 0) {
      programm = Starten(VAZ_START, x);
      grundlinie = Starten(VAZ_GRUNDLINIE, x);
    } else {
      grundlinie = Starten(VAZ_GRUNDLINIE, x);
      programm = Starten(VAZ_START, x);
    }
    if (!programm || !grundlinie) {
      state.SkipWithError("a start failed; run it by hand with QT_QPA_PLATFORM=xcb to see why");
      break;
    }
    state.SetIterationTime(programm->abgebildetMs / 1000.0);
    state.counters["P_abgebildet_ms"] = programm->abgebildetMs;
    state.counters["G_abgebildet_ms"] = grundlinie->abgebildetMs;
    state.counters["P_bild_ms"] = programm->bildMs;
    state.counters["G_bild_ms"] = grundlinie->bildMs;
    state.counters["P_kB"] = programm->spitzeKB;
    state.counters["G_kB"] = grundlinie->spitzeKB;
    state.counters["V_abgebildet"] = programm->abgebildetMs / grundlinie->abgebildetMs;
    state.counters["V_bild"] = programm->bildMs / grundlinie->bildMs;
  }
}
// One pair per repetition: each start is a fresh process, so the medians are
// those of a typical (warm page cache) start.
BENCHMARK(StartPaar)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(Paare)
    ->ReportAggregatesOnly(true);

} // namespace
