// Benchmarks of a click on "Berechnen" until the result window is up with its
// values, in both directions (goal: well within one 16 ms frame). They run in
// vaz_bench's own QApplication, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include "Fehleranzeige.h"
#include "Fensterdaten.h"
#include "frmErgGKGeo.h"
#include "frmErgGeoGK.h"
#include "frmGKGeo.h"
#include "frmGeoGK.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <chrono>

namespace {

using Uhr = std::chrono::steady_clock;

/// The last message the program reported; a message box would block.
QString letzteMeldung;

/// Times a click on the input window's "Berechnen" until the new result
/// window is visible and `wertfeld` shows a value. processEvents() delivers
/// the new window's expose, so the span includes its first paint. Closing
/// the result window and deleting it are not timed.
template <typename Eingabefenster, typename Ergebnisfenster>
void KlickBisErgebnis(benchmark::State& state, Eingabefenster* eingabe,
                      QPointer<Ergebnisfenster>& ergebnis, QLabel* Ergebnisfenster::*wertfeld) {
  MelderSetzen([](QWidget*, const QString& titel, const QString& text) {
    letzteMeldung = titel + QStringLiteral(": ") + text;
  });
  eingabe->show();
  QApplication::processEvents();
  for (auto _ : state) {
    letzteMeldung.clear();
    const auto beginn = Uhr::now();
    QTest::mouseClick(eingabe->Command1, Qt::LeftButton);
    QApplication::processEvents();
    const bool fertig =
        ergebnis && ergebnis->isVisible() && !(ergebnis.data()->*wertfeld)->text().isEmpty();
    state.SetIterationTime(std::chrono::duration<double>(Uhr::now() - beginn).count());
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
  const auto felder = fenster->Eingabefelder();
  for (std::size_t i = 0; i < felder.size(); ++i) {
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

} // namespace
