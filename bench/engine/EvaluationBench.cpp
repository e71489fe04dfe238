// One full evaluation of all bodies (1..19) with its correction-file reads,
// beside the Swiss Ephemeris computing the same bodies at the same instants.
// Run from the project root (the engine reads data/FilePosi).

#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <vector>

#include "Ephemeris.h"
#include "ReferenceComparison.h"

namespace {

// Different instants for every iteration: both sides would otherwise answer a
// repeated instant from a cache.
const std::vector<double>& instants() {
  static const std::vector<double> list = qxref::spreadInstants(2396758.5, 2481129.5, 4096, 7);
  return list;
}

// The program keeps one engine for its whole run: the correction files are
// read on its first evaluation and then only checked (one status query per
// file and evaluation) so that a replaced file is read again.
void BM_EngineEvaluateAllBodies(benchmark::State& state) {
  static qx::Ephemeris ephemeris(qx::WorkFolder("data"));
  const qx::EphemerisSettings settings{"VERO", "VERA"};
  qx::PositionArray lon{}, lat{};
  ephemeris.evaluate(0, 0, instants()[0], settings, lon, lat);
  std::size_t i = 0;
  for (auto _ : state) {
    ephemeris.evaluate(0, 0, instants()[i++ & 4095], settings, lon, lat);
    benchmark::DoNotOptimize(lon.data());
  }
}
BENCHMARK(BM_EngineEvaluateAllBodies);

void BM_ReferenceSameBodies(benchmark::State& state) {
  qxref::initReference();
  std::vector<int> bodies;
  for (const auto& body : qxref::comparedBodies())
    if (body.name != "MeanNode") bodies.push_back(body.referenceBody);
  double x[6];
  char error[AS_MAXCH];
  std::size_t i = 0;
  for (auto _ : state) {
    const double jd = instants()[i++ & 4095];
    for (int body : bodies) swe_calc_ut(jd, body, SEFLG_SWIEPH, x, error);
    benchmark::DoNotOptimize(x);
  }
}
BENCHMARK(BM_ReferenceSameBodies);

}  // namespace

BENCHMARK_MAIN();
