// Benchmarks of the program, each reported as the median of its repetitions,
// one file per kind:
//  - Einzelrechnung.cpp: one call of BerechneGeoGK and of BerechneGKGeo,
//  - KlickBisErgebnis.cpp: click on "Berechnen" until the result window is
//    up with its values, in both directions (goal: well within a 16 ms frame),
//  - Startzeit.cpp: start-up until the main window is mapped and until its
//    first frame, and peak memory, of the program against a bare Qt window
//    with the same four buttons (goal: at most 1.1 and 1.05 times that).
// This file: main() and the closing markdown table of the medians, with the
// rows of the benchmarks that ran. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise; the start-up twins run on the X server in
// DISPLAY.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr double StartZiel = 1.1;     ///< start-up, program / floor
constexpr double SpeicherZiel = 1.05; ///< peak memory, program / floor
constexpr double BildMs = 16.0;       ///< one frame at 60 Hz

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

  /// Prints the markdown table of what was measured.
  void Tabelle() const {
    if (mediane_.empty()) {
      return;
    }
    std::printf("\n| Measurement (median) | Program | Floor | Ratio | Goal | Met |\n"
                "|---|---:|---:|---:|---|---|\n");
    for (const char* name : {"BerechneGeoGK", "BerechneGKGeo"}) {
      if (const Run* lauf = Median(name)) {
        std::printf("| %s, one call | %.0f ns | | | | |\n", name, lauf->GetAdjustedRealTime());
      }
    }
    const auto klick = [&](const char* was, const char* name) {
      if (const Run* lauf = Median(name)) {
        const double ms = lauf->GetAdjustedRealTime();
        std::printf("| Click → result, %s | %.2f ms | | | < %.0f ms | %s |\n", was, ms, BildMs,
                    Ja(ms < BildMs));
      }
    };
    klick("geographic → GK", "KlickGeoGK");
    klick("GK → geographic", "KlickGKGeo");
    if (const Run* start = Median("StartPaar")) {
      Vergleich("Start-up, exec → window mapped", *start, "abgebildet_ms", "ms", "%.1f", StartZiel);
      Vergleich("Start-up, exec → first frame", *start, "bild_ms", "ms", "%.1f", 0.0);
      Vergleich("Peak memory (VmHWM)", *start, "kB", "kB", "%.0f", SpeicherZiel);
      std::printf("\nMedians of the per-pair ratios: window mapped %.2f, first frame %.2f\n",
                  Zaehler(*start, "V_abgebildet"), Zaehler(*start, "V_bild"));
    }
  }

private:
  static const char* Ja(bool erfuellt) { return erfuellt ? "yes" : "**no**"; }

  /// A row of program against floor from the counters P_`zaehler` and
  /// G_`zaehler`; a goal of 0 leaves the goal open.
  static void Vergleich(const char* was, const Run& lauf, const std::string& zaehler,
                        const char* einheit, const char* format, double ziel) {
    const double wert = Zaehler(lauf, "P_" + zaehler);
    const double basis = Zaehler(lauf, "G_" + zaehler);
    const double verhaeltnis = wert / basis;
    std::printf("| %s | ", was);
    std::printf(format, wert);
    std::printf(" %s | ", einheit);
    std::printf(format, basis);
    std::printf(" %s | %.2f | ", einheit, verhaeltnis);
    if (ziel > 0) {
      std::printf("≤ %.2f | %s |\n", ziel, Ja(verhaeltnis <= ziel));
    } else {
      std::printf("| |\n");
    }
  }

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

  Zusammenfassung bericht;
  benchmark::RunSpecifiedBenchmarks(&bericht);
  benchmark::Shutdown();
  bericht.Tabelle();
  return bericht.Fehlgeschlagen() ? 1 : 0;
}
