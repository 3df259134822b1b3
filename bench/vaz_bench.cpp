// Benchmarks of the program, each reported as the median of its repetitions:
//  - one call of BerechneGeoGK and of BerechneGKGeo,
//  - click on "Berechnen" until the result window is up with its values,
//    in both directions (goal: well within one 16 ms frame),
//  - start-up to the first frame and peak memory of the program against a
//    bare Qt "Hello world!" window (goal: at most 1.2 times the baseline each).
// Ends with a markdown table of these figures. Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise; the start-up twins always
// run offscreen.
#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "Voderedezazarire.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QtTest>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::duration dauer) {
  return std::chrono::duration<double>(dauer).count();
}

// --- One conversion ---------------------------------------------------------

void BerechneGeoGK(benchmark::State& state) {
  auto& u = Voderedezazarire::Umrechnungsdaten;
  u = {};
  u.BreiteGrad = 52.0f;
  u.BreiteMin = 30.0f;
  u.LaengeGrad = 13.0f;
  u.LaengeMin = 24.0f;
  u.StreifenNr = 4;
  for (auto _ : state) {
    Voderedezazarire::BerechneGeoGK();
    benchmark::DoNotOptimize(u);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BerechneGeoGK)->Repetitions(5)->ReportAggregatesOnly(true);

void BerechneGKGeo(benchmark::State& state) {
  auto& u = Voderedezazarire::Umrechnungsdaten;
  u = {};
  u.Rechtswert = 4595060.254295;
  u.Hochwert = 5819301.806683;
  for (auto _ : state) {
    Voderedezazarire::BerechneGKGeo();
    benchmark::DoNotOptimize(u);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BerechneGKGeo)->Repetitions(5)->ReportAggregatesOnly(true);

// --- Click to result ----------------------------------------------------------

/// The last message the program reported; a message box would block.
QString letzteMeldung;

/// Times a click on the input window's "Berechnen" until the new result
/// window is visible and `wertfeld` shows a value. processEvents() delivers
/// the new window's expose, so the span includes its first paint. Closing
/// the result window and deleting it are not timed.
template <typename Eingabefenster, typename Ergebnisfenster>
void KlickBisErgebnis(benchmark::State& state, Eingabefenster* eingabe,
                      QPointer<Ergebnisfenster>& ergebnis, QLabel* Ergebnisfenster::*wertfeld) {
  eingabe->show();
  QApplication::processEvents();
  for (auto _ : state) {
    letzteMeldung.clear();
    const auto beginn = Uhr::now();
    QTest::mouseClick(eingabe->Command1, Qt::LeftButton);
    QApplication::processEvents();
    const bool fertig =
        ergebnis && ergebnis->isVisible() && !(ergebnis.data()->*wertfeld)->text().isEmpty();
    state.SetIterationTime(Sekunden(Uhr::now() - beginn));
    if (!fertig) {
      state.SkipWithError(letzteMeldung.isEmpty() ? "no result window" : qPrintable(letzteMeldung));
      break;
    }
    ergebnis->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  eingabe->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void KlickGeoGK(benchmark::State& state) {
  auto* fenster = new frmGeoGK;
  const char* werte[] = {"9", "0", "0", "50", "0", "0", "3"};
  QLineEdit* felder[] = {fenster->Text1, fenster->Text2, fenster->Text3, fenster->Text4,
                         fenster->Text5, fenster->Text6, fenster->Text7};
  for (std::size_t i = 0; i < std::size(felder); ++i) {
    felder[i]->setText(QString::fromLatin1(werte[i]));
  }
  KlickBisErgebnis(state, fenster, Fensterdaten.FensterErgGeoGK, &frmErgGeoGK::Label3);
}
BENCHMARK(KlickGeoGK)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void KlickGKGeo(benchmark::State& state) {
  auto* fenster = new frmGKGeo;
  fenster->Text1->setText(QStringLiteral("4595060,254295"));
  fenster->Text2->setText(QStringLiteral("5819301,806683"));
  KlickBisErgebnis(state, fenster, Fensterdaten.FensterErgGKGeo, &frmErgGKGeo::Label9);
}
BENCHMARK(KlickGKGeo)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// --- Start-up and peak memory -------------------------------------------------

struct Startmessung {
  double sekunden; ///< spawn → "bereit" line, seen from here
  double innenMs;  ///< top of main → first frame, seen by the child
  double spitzeKB; ///< the child's VmHWM at its first frame
};

/// Spawns a start-up twin on the offscreen platform and times it from the
/// spawn to its "bereit" line (see Startmeldung.cpp). This covers exec,
/// dynamic loading and static initialisation, which the child cannot see.
std::optional<Startmessung> Starten(const char* programm) {
  std::vector<char*> umgebung;
  for (char** eintrag = environ; *eintrag != nullptr; ++eintrag) {
    if (!std::string_view(*eintrag).starts_with("QT_QPA_PLATFORM=")) {
      umgebung.push_back(*eintrag);
    }
  }
  char plattform[] = "QT_QPA_PLATFORM=offscreen";
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

  const auto beginn = Uhr::now();
  const int fehler = posix_spawn(&kind, programm, &aktionen, nullptr, argumente, umgebung.data());
  posix_spawn_file_actions_destroy(&aktionen);
  ::close(rohr[1]);
  if (fehler != 0) {
    ::close(rohr[0]);
    return std::nullopt;
  }
  FILE* ausgabe = fdopen(rohr[0], "r");
  char zeile[128] = {};
  const bool gelesen = ausgabe != nullptr && std::fgets(zeile, sizeof zeile, ausgabe) != nullptr;
  const auto ende = Uhr::now();

  int status = 0;
  waitpid(kind, &status, 0);
  if (ausgabe != nullptr) {
    std::fclose(ausgabe);
  }
  Startmessung messung{Sekunden(ende - beginn), 0.0, 0.0};
  if (!gelesen || std::sscanf(zeile, "bereit %lf %lf", &messung.innenMs, &messung.spitzeKB) != 2 ||
      !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  return messung;
}

void Start(benchmark::State& state, const char* programm) {
  for (auto _ : state) {
    const auto messung = Starten(programm);
    if (!messung) {
      state.SkipWithError("no 'bereit' line; start it by hand to see why");
      break;
    }
    state.SetIterationTime(messung->sekunden);
    state.counters["innen_ms"] = messung->innenMs;
    state.counters["VmHWM_kB"] = messung->spitzeKB;
  }
}
// One start per repetition: each is a fresh process, so the median of the
// repetitions is the typical (warm page cache) start.
BENCHMARK_CAPTURE(Start, Programm, VAZ_START)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Start, Grundlinie, VAZ_GRUNDLINIE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(25)
    ->ReportAggregatesOnly(true);

// --- Summary -------------------------------------------------------------------

/// The console report, remembering each benchmark's median for the table.
class Zusammenfassung : public benchmark::ConsoleReporter {
public:
  Zusammenfassung() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& laeufe) override {
    ConsoleReporter::ReportRuns(laeufe);
    for (const Run& lauf : laeufe) {
      fehlgeschlagen_ = fehlgeschlagen_ || lauf.error_occurred;
      if (lauf.run_type == Run::RT_Aggregate && lauf.aggregate_name == "median" &&
          !lauf.error_occurred) {
        mediane_[lauf.run_name.function_name] = lauf;
      }
    }
  }

  [[nodiscard]] bool Fehlgeschlagen() const { return fehlgeschlagen_; }

  /// Prints the markdown table, when all its figures were measured.
  void Tabelle() const {
    const Run* geoGK = Median("BerechneGeoGK");
    const Run* gkGeo = Median("BerechneGKGeo");
    const Run* klickGeoGK = Median("KlickGeoGK");
    const Run* klickGKGeo = Median("KlickGKGeo");
    const Run* programm = Median("Start/Programm");
    const Run* grundlinie = Median("Start/Grundlinie");
    if (!geoGK || !gkGeo || !klickGeoGK || !klickGKGeo || !programm || !grundlinie) {
      std::printf("\n(no table: not every benchmark ran)\n");
      return;
    }
    const auto ja = [](bool erfuellt) { return erfuellt ? "yes" : "**no**"; };
    const auto klick = [&](const char* was, const Run* lauf) {
      const double ms = lauf->GetAdjustedRealTime();
      std::printf("| Click → result, %s | %.2f ms | | | < 16 ms | %s |\n", was, ms, ja(ms < 16.0));
    };
    const auto vergleich = [&](const char* was, double wert, double basis, const char* einheit,
                               const char* format, bool mitZiel) {
      const double verhaeltnis = wert / basis;
      std::printf("| %s | ", was);
      std::printf(format, wert);
      std::printf(" %s | ", einheit);
      std::printf(format, basis);
      std::printf(" %s | %.2f | %s | %s |\n", einheit, verhaeltnis, mitZiel ? "≤ 1.2" : "",
                  mitZiel ? ja(verhaeltnis <= 1.2) : "");
    };

    std::printf("\n| Measurement (median) | Program | Baseline | Ratio | Goal | Met |\n"
                "|---|---:|---:|---:|---|---|\n");
    std::printf("| BerechneGeoGK, one call | %.0f ns | | | | |\n", geoGK->GetAdjustedRealTime());
    std::printf("| BerechneGKGeo, one call | %.0f ns | | | | |\n", gkGeo->GetAdjustedRealTime());
    klick("geographic → GK", klickGeoGK);
    klick("GK → geographic", klickGKGeo);
    vergleich("Start-up, spawn → first frame", programm->GetAdjustedRealTime(),
              grundlinie->GetAdjustedRealTime(), "ms", "%.1f", true);
    // The part after main, as the child sees it: without exec and dynamic
    // loading, which both programs share.
    vergleich("of which main → first frame", Zaehler(*programm, "innen_ms"),
              Zaehler(*grundlinie, "innen_ms"), "ms", "%.1f", false);
    vergleich("Peak memory (VmHWM)", Zaehler(*programm, "VmHWM_kB"),
              Zaehler(*grundlinie, "VmHWM_kB"), "kB", "%.0f", true);
  }

private:
  const Run* Median(const std::string& name) const {
    const auto gefunden = mediane_.find(name);
    return gefunden == mediane_.end() ? nullptr : &gefunden->second;
  }

  static double Zaehler(const Run& lauf, const std::string& name) {
    const auto gefunden = lauf.counters.find(name);
    return gefunden == lauf.counters.end() ? 0.0 : gefunden->second.value;
  }

  std::map<std::string, Run> mediane_;
  bool fehlgeschlagen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vazorodavazivovovar"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  MelderSetzen([](QWidget*, const QString& titel, const QString& text) {
    letzteMeldung = titel + QStringLiteral(": ") + text;
  });

  Zusammenfassung bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  benchmark::Shutdown();
  bericht.Tabelle();
  return bericht.Fehlgeschlagen() ? 1 : 0;
}
