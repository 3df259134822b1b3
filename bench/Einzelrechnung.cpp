// Benchmarks of one call of each conversion, BerechneGeoGK and BerechneGKGeo,
// on a point in Germany; reported as the median of the repetitions.
#include "Voderedezazarire.h"

#include <benchmark/benchmark.h>

namespace {

void BerechneGeoGK(benchmark::State& state) {
  Voderedezazarire::Umrechnungsdatensatz u{};
  u.BreiteGrad = 52.0f;
  u.BreiteMin = 30.0f;
  u.LaengeGrad = 13.0f;
  u.LaengeMin = 24.0f;
  u.StreifenNr = 4;
  for (auto _ : state) {
    Voderedezazarire::BerechneGeoGK(u);
    benchmark::DoNotOptimize(u);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BerechneGeoGK)->Repetitions(5)->ReportAggregatesOnly(true);

void BerechneGKGeo(benchmark::State& state) {
  Voderedezazarire::Umrechnungsdatensatz u{};
  u.Rechtswert = 4595060.254295;
  u.Hochwert = 5819301.806683;
  for (auto _ : state) {
    Voderedezazarire::BerechneGKGeo(u);
    benchmark::DoNotOptimize(u);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BerechneGKGeo)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
