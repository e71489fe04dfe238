// The natal wheel of the summary sheets for the installation's current
// subject, at its default layout: painted on a 1920 x 1080 image as the
// screen shows it, and recorded as an enhanced metafile as the sheet window
// saves it. Both are redrawn on every zoom, drag and colour change, so each
// should take well under 20 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>
#include <vector>

#include "ChartEngine.h"
#include "Drawing.h"
#include "BenchApplication.h"
#include "EmfWriter.h"
#include "IoError.h"
#include "Metafile.h"
#include "OrbFiles.h"
#include "PainterTarget.h"
#include "Wheel.h"
#include "WorkFolder.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The sample chart of the installation, its orbs and its symbol pictures,
// read once.
struct Sample {
  qx::WorkFolder folder{QX_DATA_DIR};
  qx::OrbSettings settings = qx::loadOrbSettings(folder);
  qx::ChartEngine engine{folder};
  qx::MetafileCache symbols{folder};

  Sample() {
    engine.chart().NodeKind = settings.nodeKind;
    engine.chart().ApogeeKind = settings.apogeeKind;
    engine.computeChart();
  }

  void draw(qx::DrawTarget& target) {
    qx::DrawingState state;
    state.setScreenSize(kWidth, kHeight);
    state.Target = &target;
    qx::Drawing drawing(state, symbols);
    qx::drawSheetNatalWheel(drawing, engine.chart(), settings.orbs, qx::AspectFigureStyle::Spindles);
  }
};

Sample& sample() {
  static Sample s;
  return s;
}

void BM_SheetWheelOnImage(benchmark::State& state) {
  qxbench::ensureGuiApplication();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  try {
    for (auto _ : state) {
      image.fill(Qt::black);
      QPainter painter(&image);
      {
        qx::PainterTarget target(painter, qx::TargetKind::Screen);
        sample().draw(target);
      }
      painter.end();
      benchmark::DoNotOptimize(image.constBits());
    }
  } catch (const qx::IoError& e) {
    state.SkipWithError(("missing or bad file " + e.file()).c_str());
  }
}
BENCHMARK(BM_SheetWheelOnImage)->Unit(benchmark::kMillisecond);

void BM_SheetWheelAsMetafile(benchmark::State& state) {
  qxbench::ensureGuiApplication();
  std::size_t bytes = 0;
  try {
    for (auto _ : state) {
      qx::EmfWriter writer(kWidth, kHeight, 96 / 25.4);
      sample().draw(writer);
      const std::vector<std::uint8_t> file = writer.finish();
      bytes = file.size();
      benchmark::DoNotOptimize(file.data());
    }
  } catch (const qx::IoError& e) {
    state.SkipWithError(("missing or bad file " + e.file()).c_str());
  }
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_SheetWheelAsMetafile)->Unit(benchmark::kMillisecond);

}  // namespace
