// The chart computation of the current subject, with its file reads (record
// 0 of "TMPR.ST1" and "TMPR.ST2" and the correction-file checks). Run from
// the project root: it reads the installation tree data/.

#include <benchmark/benchmark.h>

#include "ChartEngine.h"

namespace {

void BM_ComputeChart(benchmark::State& state) {
  static qx::ChartEngine engine(qx::WorkFolder("data"));
  engine.chart().NodeKind = "VERO";
  engine.chart().ApogeeKind = "VERA";
  engine.computeChart();  // the program's first computation reads the correction files
  for (auto _ : state) {
    engine.computeChart();
    benchmark::DoNotOptimize(engine.chart().Lon.data());
  }
}
BENCHMARK(BM_ComputeChart);

}  // namespace
