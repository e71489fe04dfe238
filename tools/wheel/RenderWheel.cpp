// Draws the natal wheel of the summary sheets for the current subject of a
// working folder (record 0 of the temporary archive), with the orb set in
// force there, three ways:
//   <prefix>.png  as on the screen: light lines on black, the wheel alone;
//   <prefix>.pdf  as printed: an A4 landscape page at the printer scale;
//   <prefix>.emf  as saved from the sheet window: a metafile of a
//                 1920 x 1080 screen, drawn for paper.
//
// Usage: qxmorva-render-wheel [--lines] <working folder> <out prefix>
// (e.g. data build/wheel). The aspects are spindles unless --lines is given.

#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ChartEngine.h"
#include "Drawing.h"
#include "EmfWriter.h"
#include "IoError.h"
#include "Metafile.h"
#include "OrbFiles.h"
#include "PainterTarget.h"
#include "PrintJob.h"
#include "Wheel.h"
#include "WorkFolder.h"

namespace {

struct Job {
  const qx::ChartRecord& chart;
  const qx::OrbTable& orbs;
  qx::AspectFigureStyle style;
  qx::MetafileCache& symbols;
};

// The wheel's reach from its centre in logical units: the horizon marks end
// at W3 + 15 and the Ascendant's degree text stands just beyond; a margin.
constexpr double kWheelReach = 95;

void drawWheel(const Job& job, qx::DrawingState& state) {
  qx::Drawing drawing(state, job.symbols);
  qx::drawSheetNatalWheel(drawing, job.chart, job.orbs, job.style);
}

bool renderPng(const Job& job, const std::string& path) {
  constexpr int kSide = 1000;
  QImage image(kSide, kSide, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  {
    qx::PainterTarget target(painter, qx::TargetKind::Screen);
    qx::DrawingState state;
    state.DisplayScale = kSide / (2 * kWheelReach);
    state.FontFactor = float(state.DisplayScale * 3.7L);
    // The wheel's centre (W1, W2) in the middle of the picture.
    state.OffsetX = kSide / 2 - int(std::lround(double(state.Wheel[0] * state.DisplayScale)));
    state.OffsetY = kSide / 2 - int(std::lround(double(state.Wheel[1] * state.DisplayScale)));
    state.Target = &target;
    drawWheel(job, state);
  }
  painter.end();
  return image.save(QString::fromStdString(path), "PNG");
}

// Printed as the sheet window prints: a QPrinter writing a PDF file, A4
// landscape, the drawing at the printer scale of the page.
bool renderPdf(const Job& job, const std::string& path) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setCreator(QStringLiteral("QxMorva"));
  printer.setDocName(QStringLiteral("Tema di nascita"));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  qx::setPrinterOrientation(printer, true);
  qx::DrawingState state;
  return qx::printDrawing(printer, state, [&] { drawWheel(job, state); });
}

void renderEmf(const Job& job, const std::string& path) {
  constexpr int kWidth = 1920, kHeight = 1080;
  constexpr double kPixelsPerMillimetre = 96 / 25.4;
  qx::EmfWriter writer(kWidth, kHeight, kPixelsPerMillimetre);
  qx::DrawingState state;
  state.setScreenSize(kWidth, kHeight);
  state.Target = &writer;
  drawWheel(job, state);
  const std::filesystem::path file(path);
  const qx::WorkFolder folder(file.has_parent_path() ? file.parent_path() : std::filesystem::path("."));
  qx::saveMetafile(folder, file.filename().string(), writer.finish());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  qx::AspectFigureStyle style = qx::AspectFigureStyle::Spindles;
  if (!args.empty() && args.front() == "--lines") {
    style = qx::AspectFigureStyle::Lines;
    args.erase(args.begin());
  }
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: %s [--lines] <working folder> <out prefix>\n", argv[0]);
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);

  const std::string prefix = args[1];
  try {
    const qx::WorkFolder folder(args[0]);
    const qx::OrbSettings settings = qx::loadOrbSettings(folder);
    qx::ChartEngine engine(folder);
    engine.chart().NodeKind = settings.nodeKind;
    engine.chart().ApogeeKind = settings.apogeeKind;
    engine.computeChart();

    qx::MetafileCache symbols(folder);
    const Job job{engine.chart(), settings.orbs, style, symbols};
    if (!renderPng(job, prefix + ".png")) {
      std::fprintf(stderr, "cannot write %s.png\n", prefix.c_str());
      return 1;
    }
    if (!renderPdf(job, prefix + ".pdf")) {
      std::fprintf(stderr, "cannot write %s.pdf\n", prefix.c_str());
      return 1;
    }
    renderEmf(job, prefix + ".emf");
  } catch (const qx::IoError& e) {
    std::fprintf(stderr, "input/output error %d on %s\n", int(e.code()), e.file().c_str());
    return 1;
  }
  std::printf("%s.png, %s.pdf, %s.emf\n", prefix.c_str(), prefix.c_str(), prefix.c_str());
  return 0;
}
