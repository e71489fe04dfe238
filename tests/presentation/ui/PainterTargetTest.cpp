#include "PainterTarget.h"

#include <gtest/gtest.h>

#include "TestApplication.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>
#include <vector>

namespace qxtest {
namespace {

using qx::DevicePoint;
using qx::DeviceRect;
using qx::DrawTarget;
using qx::FontDesc;
using qx::PenDesc;
using qx::PenStyle;
using qx::TextAlign;

constexpr qx::Rgb kBlack = 0x000000, kRed = 0xFF0000;

// Fonts and painting on images need a GUI application (offscreen here).
class PainterTargetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication<QGuiApplication>(); }

  static bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

  // Some pixel within one of (x, y) is dark: antialiased curves spread over
  // two pixels.
  static bool inked(const QImage& image, double x, double y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (dark(image, int(std::lround(x)) + dx, int(std::lround(y)) + dy)) return true;
    return false;
  }

  // The box of the dark pixels, or an empty box.
  static QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (dark(image, x, y)) box |= QRect(x, y, 1, 1);
    return box;
  }
};

TEST_F(PainterTargetTest, ArcRunsCounterClockwiseFromTheStartRayToTheEndRay) {
  struct Probe {
    double x, y;
    bool drawn;
  };
  struct Case {
    const char* what;
    DeviceRect box;
    DevicePoint start, end;
    std::vector<Probe> probes;
  };
  // On the circle of radius 80 about (100, 100): 45 degrees up-right is
  // (156.6, 43.4). On the flat ellipse (80 by 30) the point of parameter t is
  // (100 + 80 cos t, 100 - 30 sin t); the ray through (180, 40) leaves the
  // centre at 36.9 degrees and meets the ellipse at the parameter 63.4.
  const auto onEllipse = [](double t, bool drawn) {
    const double r = t * M_PI / 180;
    return Probe{100 + 80 * std::cos(r), 100 - 30 * std::sin(r), drawn};
  };
  const Case cases[] = {
      {"right to top: the upper right quarter",
       {20, 20, 180, 180},
       {180, 100},
       {100, 20},
       {{156.6, 43.4, true}, {156.6, 156.6, false}, {43.4, 43.4, false}, {43.4, 156.6, false}}},
      {"top to right: three quarters",
       {20, 20, 180, 180},
       {100, 20},
       {180, 100},
       {{156.6, 43.4, false}, {156.6, 156.6, true}, {43.4, 43.4, true}, {43.4, 156.6, true}}},
      {"same point: the whole circle",
       {20, 20, 180, 180},
       {180, 100},
       {180, 100},
       {{156.6, 43.4, true}, {156.6, 156.6, true}, {43.4, 43.4, true}, {43.4, 156.6, true}}},
      {"flat ellipse: rays, not parameters",
       {20, 70, 180, 130},
       {180, 40},
       {20, 100},
       {onEllipse(40, false), onEllipse(55, false), onEllipse(85, true), onEllipse(150, true),
        onEllipse(200, false), onEllipse(300, false)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage image = qx::renderToImage(200, 200, [&](DrawTarget& t) {
      t.selectPen({PenStyle::Solid, 3, kBlack});
      t.arc(c.box, c.start, c.end);
    });
    for (const Probe& p : c.probes)
      EXPECT_EQ(inked(image, p.x, p.y), p.drawn) << "at (" << p.x << ", " << p.y << ")";
  }
}

TEST_F(PainterTargetTest, PolygonsFillByTheWindingRule) {
  const std::vector<DevicePoint> outer = {{20, 20}, {180, 20}, {180, 180}, {20, 180}};
  const std::vector<DevicePoint> innerSameWay = {{70, 70}, {130, 70}, {130, 130}, {70, 130}};
  const std::vector<DevicePoint> innerOtherWay = {{70, 70}, {70, 130}, {130, 130}, {130, 70}};
  struct Case {
    const char* what;
    std::vector<std::vector<DevicePoint>> polygons;
    bool centreFilled;
  };
  const Case cases[] = {{"inner square turning the same way", {outer, innerSameWay}, true},
                        {"inner square turning the other way: a hole", {outer, innerOtherWay}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage image = qx::renderToImage(200, 200, [&](DrawTarget& t) {
      t.selectPen({PenStyle::Null, 0, kBlack});
      t.selectBrush({kBlack, false});
      t.polyPolygon(c.polygons);
    });
    EXPECT_TRUE(dark(image, 40, 100));   // the band between the squares
    EXPECT_FALSE(dark(image, 10, 100));  // outside
    EXPECT_EQ(dark(image, 100, 100), c.centreFilled);
  }

  // A five-pointed star drawn in one stroke: its centre is wound twice.
  std::vector<DevicePoint> star;
  for (int k = 0; k < 5; ++k) {
    const double a = (90 + 144 * k) * M_PI / 180;
    star.push_back({100 + 90 * std::cos(a), 100 - 90 * std::sin(a)});
  }
  const QImage image = qx::renderToImage(200, 200, [&](DrawTarget& t) {
    t.selectPen({PenStyle::Null, 0, kBlack});
    t.selectBrush({kBlack, false});
    t.polygon(star);
  });
  EXPECT_TRUE(dark(image, 100, 100));
}

TEST_F(PainterTargetTest, TextHangsFromItsPointWithTheGivenAlignment) {
  const FontDesc font{"Arial", 40, 0, 10, false, 2};
  const QFontMetricsF metrics(qx::PainterTarget::qtFont(font, nullptr));
  const double capGap = metrics.ascent() - metrics.capHeight();  // above the capitals
  struct Case {
    TextAlign align;
    double x;
  };
  const Case cases[] = {{TextAlign::Left, 60}, {TextAlign::Right, 150}, {TextAlign::Centre, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.align));
    const QImage image = qx::renderToImage(200, 120, [&](DrawTarget& t) {
      t.selectFont(font);
      t.setTextColour(kBlack);
      t.text({c.x, 30}, c.align, "HH");
    });
    const QRect ink = inkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.top(), 30 + capGap, 2.0);
    EXPECT_NEAR(ink.bottom() + 1, 30 + metrics.ascent(), 2.0);  // on the baseline
    const double width = ink.width();
    switch (c.align) {
      case TextAlign::Left: EXPECT_NEAR(ink.left(), c.x, 5.0); break;
      case TextAlign::Right: EXPECT_NEAR(ink.right() + 1, c.x, 5.0); break;
      case TextAlign::Centre: EXPECT_NEAR(ink.left() + width / 2, c.x, 2.0); break;
    }
  }
}

TEST_F(PainterTargetTest, OpaqueTextFillsTheCellBoxFirst) {
  const QImage image = qx::renderToImage(200, 100, [&](DrawTarget& t) {
    t.selectFont({"Arial", 30, 0, 10, false, 2});
    t.setTextColour(0xFFFFFF);
    t.setTextBackground(true, kRed);
    t.text({20, 20}, TextAlign::Left, "AstroMorva 3");
    t.setTextBackground(false, kRed);
    t.text({20, 60}, TextAlign::Left, "AstroMorva 3");
  });
  EXPECT_EQ(image.pixel(21, 21), qRgb(255, 0, 0));  // the box's top-left corner
  EXPECT_EQ(image.pixel(21, 48), qRgb(255, 0, 0));  // still inside the 30-unit cell
  EXPECT_EQ(image.pixel(21, 51), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(19, 30), qRgb(255, 255, 255));
  for (int x = 0; x < 200; ++x) EXPECT_NE(image.pixel(x, 62), qRgb(255, 0, 0)) << x;  // transparent
}

TEST_F(PainterTargetTest, FontsAreSizedByTheirCellHeightInTheMetricFaces) {
  struct Case {
    FontDesc wanted;
    const char* family;
    QFont::Weight weight;
  };
  const Case cases[] = {
      {{"Arial", 8, 0, 10, false, 2}, "Liberation Sans", QFont::Normal},
      {{"Arial", 15, 0, 10, false, 2}, "Liberation Sans", QFont::Normal},
      {{"Arial", 21, 0, 700, false, 2}, "Liberation Sans", QFont::Bold},
      {{"Arial", 95, 0, 10, true, 2}, "Liberation Sans", QFont::Normal},
      {{"Courier", 28, 0, 0, false, 0}, "Liberation Mono", QFont::Normal},
      {{"Courier", 25, 0, 400, false, 0}, "Liberation Mono", QFont::Normal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wanted.face << " " << c.wanted.height);
    const QFont font = qx::PainterTarget::qtFont(c.wanted, nullptr);
    const QFontMetricsF m(font);
    EXPECT_NEAR(m.ascent() + m.descent(), c.wanted.height, 1.0);
    EXPECT_EQ(QFontInfo(font).family(), c.family);
    EXPECT_EQ(font.weight(), c.weight);
    EXPECT_EQ(font.italic(), c.wanted.italic);
  }
  // A width narrows the face to that average character width.
  const QFont narrow = qx::PainterTarget::qtFont({"Arial", 21, 10, 10, true, 2}, nullptr);
  EXPECT_NEAR(QFontMetricsF(narrow).averageCharWidth(), 10, 1.5);
}

TEST_F(PainterTargetTest, PenWidthsAndStyles) {
  struct Case {
    const char* what;
    PenDesc pen;
    int firstRow, lastRow;  // the dark rows across the line at x = 50
    bool gaps;              // some pixels along the line stay white
  };
  const Case cases[] = {
      {"width 0: one pixel", {PenStyle::Solid, 0, kBlack}, 50, 50, false},
      {"width 1", {PenStyle::Solid, 1, kBlack}, 50, 50, false},
      {"width 5", {PenStyle::Solid, 5, kBlack}, 48, 52, false},
      {"dash", {PenStyle::Dash, 1, kBlack}, 50, 50, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QImage image = qx::renderToImage(100, 100, [&](DrawTarget& t) {
      t.selectPen(c.pen);
      t.moveTo({10, 50});
      t.lineTo({90, 50});
    });
    for (int y = 40; y <= 60; ++y) {
      bool any = false;
      for (int x = 20; x <= 80; ++x) any = any || dark(image, x, y);
      EXPECT_EQ(any, y >= c.firstRow && y <= c.lastRow) << "row " << y;
    }
    bool white = false;
    for (int x = 20; x <= 80; ++x) white = white || !dark(image, x, 50);
    EXPECT_EQ(white, c.gaps);
  }
}

TEST_F(PainterTargetTest, ShapesUseTheSelectedPenAndBrushAndClearFillsTheSurface) {
  const QImage image = qx::renderToImage(100, 100, [&](DrawTarget& t) {
    t.clear(kBlack);
    t.selectPen({PenStyle::Solid, 1, 0xFFFF00});
    t.selectBrush({kRed, false});
    t.rectangle({10, 10, 40, 40});
    t.selectBrush({0, true});
    t.ellipse({50, 50, 90, 90});
  });
  EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(25, 25), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(10, 25), qRgb(255, 255, 0));  // the outline
  EXPECT_EQ(image.pixel(70, 70), qRgb(0, 0, 0));      // a hollow brush fills nothing
  const QRgb outline = image.pixel(70, 50);  // antialiased on the top of the ellipse
  EXPECT_GT(qRed(outline), 100);
  EXPECT_EQ(qRed(outline), qGreen(outline));
  EXPECT_EQ(qBlue(outline), 0);
}

}  // namespace
}  // namespace qxtest
