// One symbol metafile, the kind the wheel draws some fifty times per
// picture: checked when read, and played into a symbol box, on a target that
// only counts the calls (the player alone) and on a painter (as the screen
// draws it). Playing should take well under 0.2 ms.
//
// The Sun's symbol of the installation is used when it is there; otherwise a
// comparable one is made: a glyph-like polypolygon of about 300 points.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "BenchApplication.h"
#include "EmfWriter.h"
#include "Metafile.h"
#include "PainterTarget.h"
#include "WorkFolder.h"

namespace {

// A ring with a notch and a dot, 100 x 100 units: three outlines of 150, 110
// and 40 points.
std::vector<std::uint8_t> generatedSymbol() {
  const auto ring = [](double r, int points, double wobble) {
    std::vector<qx::DevicePoint> out;
    for (int i = 0; i < points; ++i) {
      const double a = 2 * M_PI * i / points;
      const double radius = r * (1 + wobble * std::sin(5 * a));
      out.push_back({50 + radius * std::cos(a), 50 + radius * std::sin(a)});
    }
    return out;
  };
  qx::EmfWriter w(100, 100, 4.0);
  w.selectPen({qx::PenStyle::Null, 0, qx::kBlack});
  w.selectBrush({0xFFC000, false});
  std::vector<qx::DevicePoint> inner = ring(34, 110, 0.04);
  std::reverse(inner.begin(), inner.end());  // a hole under the winding rule
  w.polyPolygon({ring(45, 150, 0.03), inner, ring(8, 40, 0)});
  return w.finish();
}

std::vector<std::uint8_t> symbolBytes() {
  const qx::WorkFolder data(QX_DATA_DIR);
  if (data.exists("Simboli\\PiaX01.emf")) return qx::readMetafile(data, "Simboli\\PiaX01.emf").bytes();
  return generatedSymbol();
}

// Takes every call and draws nothing.
class CountingTarget : public qx::DrawTarget {
 public:
  qx::TargetKind kind() const override { return qx::TargetKind::Screen; }
  void selectPen(const qx::PenDesc&) override { ++calls; }
  void selectBrush(const qx::BrushDesc&) override { ++calls; }
  void selectFont(const qx::FontDesc&) override { ++calls; }
  void setTextColour(qx::Rgb) override { ++calls; }
  void setTextBackground(bool, qx::Rgb) override { ++calls; }
  void moveTo(qx::DevicePoint) override { ++calls; }
  void lineTo(qx::DevicePoint) override { ++calls; }
  void arc(const qx::DeviceRect&, qx::DevicePoint, qx::DevicePoint) override { ++calls; }
  void ellipse(const qx::DeviceRect&) override { ++calls; }
  void rectangle(const qx::DeviceRect&) override { ++calls; }
  void polygon(const std::vector<qx::DevicePoint>& p) override { calls += p.size(); }
  void polyPolygon(const std::vector<std::vector<qx::DevicePoint>>& p) override { calls += p.size(); }
  void text(qx::DevicePoint, qx::TextAlign, std::string_view) override { ++calls; }
  void clear(qx::Rgb) override { ++calls; }
  std::size_t calls = 0;
};

const qx::DeviceRect kSymbolBox{400, 300, 440, 340};  // a symbol of 4 units on a 1080-line screen

void BM_CheckSymbol(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = symbolBytes();
  for (auto _ : state) {
    qx::Metafile m = qx::Metafile::fromBytes(bytes, "Simboli\\PiaX01.emf");
    benchmark::DoNotOptimize(m.records().size());
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_CheckSymbol)->Unit(benchmark::kMicrosecond);

void BM_PlaySymbol(benchmark::State& state) {
  const qx::Metafile m = qx::Metafile::fromBytes(symbolBytes(), "Simboli\\PiaX01.emf");
  CountingTarget target;
  for (auto _ : state) {
    m.play(target, kSymbolBox);
    benchmark::DoNotOptimize(target.calls);
  }
}
BENCHMARK(BM_PlaySymbol)->Unit(benchmark::kMicrosecond);

void BM_PaintSymbol(benchmark::State& state) {
  qxbench::ensureGuiApplication();
  const qx::Metafile m = qx::Metafile::fromBytes(symbolBytes(), "Simboli\\PiaX01.emf");
  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  qx::PainterTarget target(painter, qx::TargetKind::Screen);
  for (auto _ : state) m.play(target, kSymbolBox);
}
BENCHMARK(BM_PaintSymbol)->Unit(benchmark::kMicrosecond);

// The generated glyph of 300 points, whatever the installation holds.
void BM_PaintGlyphOf300Points(benchmark::State& state) {
  qxbench::ensureGuiApplication();
  const qx::Metafile m = qx::Metafile::fromBytes(generatedSymbol(), "glyph");
  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  qx::PainterTarget target(painter, qx::TargetKind::Screen);
  for (auto _ : state) m.play(target, kSymbolBox);
}
BENCHMARK(BM_PaintGlyphOf300Points)->Unit(benchmark::kMicrosecond);

}  // namespace
