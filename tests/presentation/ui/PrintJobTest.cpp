// Printing one drawing into a PDF through QPrinter: the page is the
// printer's, the drawing runs at the printer scale with round circles, and
// the screen's state comes back on every path.

#include "PrintJob.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageSize>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Metafile.h"
#include "RecordingTarget.h"
#include "TempFolder.h"
#include "TestApplication.h"

namespace qxtest {
namespace {

class PrintJobTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication<QGuiApplication>(); }

  // A screen state as the calibration leaves it: non-round circles.
  static qx::DrawingState screenState(qx::DrawTarget& screen) {
    qx::DrawingState state;
    state.setScreenSize(1920, 1080);
    state.HorizontalFactor = 1.1L;
    state.VerticalFactor = 0.9L;
    state.Target = &screen;
    return state;
  }

  static void pdfPrinter(QPrinter& printer, const std::string& file, bool landscape) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    printer.setPageSize(QPageSize(QPageSize::A4));
    qx::setPrinterOrientation(printer, landscape);
  }

  static std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(PrintJobTest, DrawsAtThePrinterScaleOfTheReportedPageAndRestoresTheScreen) {
  TempFolder temp;
  const std::filesystem::path file = temp.path() / "foglio.pdf";
  qx::RecordingTarget screen(qx::TargetKind::Screen);
  qx::DrawingState state = screenState(screen);
  const qx::Extended screenScale = state.DisplayScale;

  for (const bool landscape : {true, false}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    QPrinter printer(QPrinter::HighResolution);
    pdfPrinter(printer, file.string(), landscape);
    const int pageWidth = printer.width();
    EXPECT_EQ(pageWidth > printer.height(), landscape);
    bool drew = false;
    ASSERT_TRUE(qx::printDrawing(printer, state, [&] {
      drew = true;
      EXPECT_EQ(state.Target->kind(), qx::TargetKind::Printer);
      EXPECT_EQ(state.DisplayScale, qx::Extended(pageWidth) / 210 * 0.776L);
      EXPECT_EQ(state.HorizontalFactor, 1);
      EXPECT_EQ(state.VerticalFactor, 1);
      EXPECT_EQ(state.FontFactor, float(std::lround(pageWidth / 82.0)));
      const qx::WorkFolder folder(temp.path());
      qx::MetafileCache symbols(folder);
      qx::Drawing drawing(state, symbols);
      drawing.selectPen(0);
      drawing.circle(50, 101, 140);
      drawing.textCentred("TEMA DI NASCITA", 3, 15, 140);
    }));
    EXPECT_TRUE(drew);
    EXPECT_EQ(state.Target, &screen);
    EXPECT_EQ(state.DisplayScale, screenScale);
    EXPECT_EQ(state.HorizontalFactor, 1.1L);
    EXPECT_EQ(state.VerticalFactor, 0.9L);
    EXPECT_EQ(state.FontFactor, float(std::lround(double(screenScale * 3.7L))));

    const std::string pdf = fileText(file);
    ASSERT_GT(pdf.size(), 500u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // A4 in points, as the printer set it: 842 x 595 or 595 x 842.
    const std::string mediaBox = landscape ? "/MediaBox [0 0 842.000000 595.000000]" : "/MediaBox [0 0 595.000000 842.000000]";
    EXPECT_NE(pdf.find(mediaBox), std::string::npos) << mediaBox;
  }
}

TEST_F(PrintJobTest, AFailingDrawingEndsTheJobAndRestoresTheScreen) {
  TempFolder temp;
  qx::RecordingTarget screen(qx::TargetKind::Screen);
  qx::DrawingState state = screenState(screen);
  QPrinter printer(QPrinter::HighResolution);
  pdfPrinter(printer, (temp.path() / "foglio.pdf").string(), true);
  EXPECT_THROW(qx::printDrawing(printer, state, [] { throw std::runtime_error("simbolo mancante"); }),
               std::runtime_error);
  EXPECT_EQ(state.Target, &screen);
  EXPECT_EQ(state.HorizontalFactor, 1.1L);
  EXPECT_EQ(fileText(temp.path() / "foglio.pdf").substr(0, 5), "%PDF-");

  // A printer that cannot begin (a PDF in a folder that does not exist):
  // nothing is drawn and the state is untouched.
  QPrinter nowhere(QPrinter::HighResolution);
  pdfPrinter(nowhere, (temp.path() / "manca" / "foglio.pdf").string(), true);
  bool drew = false;
  EXPECT_FALSE(qx::printDrawing(nowhere, state, [&] { drew = true; }));
  EXPECT_FALSE(drew);
  EXPECT_EQ(state.Target, &screen);
}

}  // namespace
}  // namespace qxtest
