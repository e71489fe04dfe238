// Our metafiles as an independent reader sees them: a wheel-like picture is
// written, converted to PNG by Inkscape, and the drawn extent is compared
// with what was drawn. The image the clipboard carries (our own player on a
// painter) is held to the same extent, and the clipboard's formats are
// checked.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "Clipboard.h"
#include "EmfWriter.h"
#include "Metafile.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

using qx::DevicePoint;
using qx::EmfWriter;
using qx::PenStyle;
using qx::TextAlign;

constexpr int kWidth = 600, kHeight = 400;
constexpr double kCx = 300, kCy = 200, kOuter = 180, kInner = 120;

DevicePoint onCircle(double r, double degrees) {
  const double a = degrees * M_PI / 180;
  return {kCx - r * std::cos(a), kCy - r * std::sin(a)};
}

// Rings as 72-segment polygons (as the drawing layer draws circles on
// paper), spokes, an ellipse, an arc, filled spindles and text: everything
// inside the outer ring, which spans x 120..480 and y 20..380.
std::vector<std::uint8_t> wheelMetafile() {
  EmfWriter w(kWidth, kHeight, 4.0);
  w.selectPen({PenStyle::Solid, 2, 0x000000});
  for (double r : {kOuter, kInner}) {
    w.moveTo(onCircle(r, 0));
    for (int d = 5; d <= 360; d += 5) w.lineTo(onCircle(r, d));
  }
  w.selectPen({PenStyle::Solid, 1, 0x0000FF});
  for (int d = 0; d < 360; d += 30) {
    w.moveTo(onCircle(kInner, d));
    w.lineTo(onCircle(kOuter, d));
  }
  w.selectBrush({0x00A000, false});
  w.ellipse({kCx - 6, kCy - 6, kCx + 6, kCy + 6});
  w.selectPen({PenStyle::Dash, 1, 0xFF0000});
  w.arc({kCx - 60, kCy - 60, kCx + 60, kCy + 60}, {kCx + 60, kCy}, {kCx - 60, kCy});
  w.selectPen({PenStyle::Solid, 1, 0x800000});
  w.selectBrush({0xFF0000, false});
  for (int d : {20, 140, 260}) {
    const DevicePoint a = onCircle(100, d), b = onCircle(100, d + 120);
    const DevicePoint mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const double nx = -(b.y - a.y) / 40, ny = (b.x - a.x) / 40;
    w.polygon({a, {mid.x + nx, mid.y + ny}, b, {mid.x - nx, mid.y - ny}});
  }
  w.selectFont({"Arial", 18, 0, 400, false, 2});
  w.setTextColour(0x000000);
  const char* signs[] = {"Ari", "Tor", "Gem", "Can", "Leo", "Ver", "Bil", "Sco", "Sag", "Cap", "Acq", "Pes"};
  for (int i = 0; i < 12; ++i) {
    const DevicePoint p = onCircle(150, 15 + 30 * i);
    w.text({p.x, p.y - 9}, TextAlign::Centre, signs[i]);
  }
  return w.finish();
}

// Pixels that are drawn: opaque enough and not white.
QRect inkBox(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  QRect box;
  for (int y = 0; y < argb.height(); ++y)
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb p = argb.pixel(x, y);
      if (qAlpha(p) > 128 && qGray(p) < 200) box |= QRect(x, y, 1, 1);
    }
  return box;
}

// The ink box as shares of the image: it should be the outer ring's.
void expectWheelExtent(const QImage& image, double tolerance) {
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(double(image.width()) / image.height(), double(kWidth) / kHeight, 0.03);
  const QRect ink = inkBox(image);
  ASSERT_FALSE(ink.isEmpty()) << "blank picture";
  const double w = image.width(), h = image.height();
  EXPECT_NEAR(ink.left() / w, (kCx - kOuter) / kWidth, tolerance);
  EXPECT_NEAR((ink.right() + 1) / w, (kCx + kOuter) / kWidth, tolerance);
  EXPECT_NEAR(ink.top() / h, (kCy - kOuter) / kHeight, tolerance);
  EXPECT_NEAR((ink.bottom() + 1) / h, (kCy + kOuter) / kHeight, tolerance);
  EXPECT_NEAR(double(ink.width()) / ink.height(), 1.0, 0.03);
}

class InkscapeTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QGuiApplication::instance()) {
      static int argc = 1;
      static char name[] = "InkscapeTest";
      static char* argv[] = {name, nullptr};
      static QGuiApplication app(argc, argv);
    }
  }
};

TEST_F(InkscapeTest, InkscapeDrawsTheWheelWhereItWasDrawn) {
  const QString inkscape = QStandardPaths::findExecutable("inkscape");
  if (inkscape.isEmpty()) GTEST_SKIP() << "inkscape is not on PATH";

  TempFolder temp;
  const std::vector<std::uint8_t> bytes = wheelMetafile();
  const std::filesystem::path in = temp.path() / "wheel.emf", out = temp.path() / "wheel.png";
  std::ofstream(in, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

  // A private home, so that Inkscape leaves the user's profile alone.
  const QString home = QString::fromStdString((temp.path() / "home").string());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", home);
  env.insert("XDG_CONFIG_HOME", home + "/.config");
  env.insert("XDG_CACHE_HOME", home + "/.cache");
  env.insert("XDG_DATA_HOME", home + "/.local/share");
  env.insert("XDG_RUNTIME_DIR", home + "/run");
  std::filesystem::create_directories(temp.path() / "home" / "run");
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(inkscape, {QString::fromStdString(in.string()), "--export-type=png",
                           "--export-filename=" + QString::fromStdString(out.string())});
  ASSERT_TRUE(process.waitForStarted(10000));
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished();
    FAIL() << "inkscape did not finish in time";
  }
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

  const QImage image(QString::fromStdString(out.string()));
  ASSERT_FALSE(image.isNull()) << "no PNG written";
  // The page is the frame: 600 x 400 device units at 4 per millimetre are
  // 150 x 100 mm, which Inkscape exports at 96 dots per inch.
  EXPECT_NEAR(image.width(), 149.75 / 25.4 * 96, 3);
  expectWheelExtent(image, 0.02);
}

TEST_F(InkscapeTest, ClipboardCarriesTheMetafileAndItsImage) {
  const qx::Metafile metafile = qx::Metafile::fromBytes(wheelMetafile(), "Emf\\GRAF01.EMF");
  const std::unique_ptr<QMimeData> data = qx::metafileMimeData(metafile);
  const QByteArray expected(reinterpret_cast<const char*>(metafile.bytes().data()),
                            qsizetype(metafile.bytes().size()));
  EXPECT_EQ(data->data(qx::kEmfMimeType), expected);
  EXPECT_EQ(data->data(qx::kWindowsEmfMimeType), expected);
  ASSERT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
  expectWheelExtent(image, 0.01);

  // A large picture is scaled down to the limit with its proportions.
  EXPECT_EQ(qx::metafileImageSize(metafile, 300), QSize(300, 200));

  qx::copyMetafileToClipboard(metafile);
  const QMimeData* pasted = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->data(qx::kEmfMimeType), expected);
  EXPECT_TRUE(pasted->hasImage());
}

}  // namespace
}  // namespace qxtest
