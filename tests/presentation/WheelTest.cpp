#include "Wheel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "Angles.h"
#include "Drawing.h"
#include "EmfWriter.h"
#include "Metafile.h"
#include "PlanetSpread.h"
#include "RecordingTarget.h"
#include "TempFolder.h"
#include "WorkFolder.h"

namespace qxtest {
namespace {

using qx::Extended;

// ---- Spreading the planet symbols ------------------------------------------

TEST(PlanetSpreadTest, ClustersAreSpreadAndCentredUnlessThePrecedingSymbolIsTooClose) {
  // Nine bodies within 10 degrees (100, 101.25 .. 110); pushed apart they
  // would run 100 .. 140, and pulled back by half of that push they lie
  // 85 .. 125, centred on 105 like their true places, when the symbol before
  // them leaves room.
  std::vector<float> cluster;
  for (int k = 0; k < 9; ++k) cluster.push_back(100.0f + 1.25f * float(k));
  const auto fivesFrom = [](float first) {
    std::vector<float> v;
    for (int k = 0; k < 9; ++k) v.push_back(first + 5.0f * float(k));
    return v;
  };

  struct Case {
    const char* what;
    std::vector<float> before;  // isolated symbols, listed ahead of the cluster
    std::vector<float> expectedBefore;
    float expectedFirst;  // where the cluster starts once spread
  };
  const Case cases[] = {
      {"alone: centred on its span", {}, {}, 85.0f},
      {"a symbol exactly 5 + half the push before: still centred", {80.0f}, {80.0f}, 85.0f},
      {"a symbol closer: stops 5 degrees after it", {85.0f}, {85.0f}, 90.0f},
      {"a symbol 7 before: moved back by the 2 that are left", {93.0f}, {93.0f}, 98.0f},
      {"a symbol exactly 5 before joins the run", {95.0f}, {80.0f}, 85.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<float> angles = c.before;
    angles.insert(angles.end(), cluster.begin(), cluster.end());
    const std::vector<float> spread = qx::spreadAngles(angles);
    ASSERT_EQ(spread.size(), angles.size());

    std::vector<float> expected = c.expectedBefore;
    const std::vector<float> run = fivesFrom(c.expectedFirst);
    expected.insert(expected.end(), run.begin(), run.end());
    for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_NEAR(spread[k], expected[k], 1e-3) << "body " << k;

    std::vector<float> sorted = spread;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t k = 1; k < sorted.size(); ++k) EXPECT_GE(sorted[k] - sorted[k - 1], 5.0f - 1e-4f);
  }
}

TEST(PlanetSpreadTest, RotatesToTheLargestGapAndKeepsBodyOrderAcrossZero) {
  struct Case {
    const char* what;
    std::vector<float> angles;
    std::vector<float> expected;
  };
  const Case cases[] = {
      // Sorted 1, 2, 170, 358, 359: the largest gap runs from 170 to 358, so
      // the list starts at 358 and the cluster 358 .. 362 is spread round 0
      // as one run, centred on 360.
      {"cluster across 0", {358, 359, 1, 2, 170}, {352.5f, 357.5f, 2.5f, 7.5f, 170}},
      // 50 alone, then 56 and 57 pushed to 56, 61: half the push would bring
      // the pair within 5 of 50, and a run of two is not pulled back less.
      {"a pair without room", {57, 50, 56}, {61, 50, 56}},
      {"a pair with room", {59, 50, 57}, {60.5f, 50, 55.5f}},
      {"nothing to spread", {300, 10, 120}, {300, 10, 120}},
      {"one body", {42}, {42}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<float> spread = qx::spreadAngles(c.angles);
    ASSERT_EQ(spread.size(), c.expected.size());
    for (std::size_t k = 0; k < spread.size(); ++k) EXPECT_NEAR(spread[k], c.expected[k], 1e-3) << "body " << k;
  }
}

TEST(PlanetSpreadTest, TheSpacingIsAParameter) {
  // The chart window spreads its symbols 8 degrees apart.
  const std::vector<float> spread = qx::spreadAngles({10, 12, 200}, 8.0f);
  EXPECT_NEAR(spread[0], 7.0f, 1e-4);
  EXPECT_NEAR(spread[1], 15.0f, 1e-4);
  EXPECT_NEAR(spread[2], 200.0f, 1e-4);
}

// ---- Points of the wheel -----------------------------------------------------

TEST(WheelFrameTest, TheAscendantIsAtTheLeftAndLongitudesGrowCounterClockwise) {
  struct Case {
    const char* what;
    Extended stretch;
    Extended longitude;
    Extended x, y;
  };
  // Centre (100, 100), Ascendant 10 degrees, radius 50; y grows downwards.
  const Case cases[] = {
      {"the Ascendant: left", 1, 10, 50, 100},
      {"90 after the Ascendant: below", 1, 100, 100, 150},
      {"the Descendant: right", 1, 190, 150, 100},
      {"270 after the Ascendant: above", 1, 280, 100, 50},
      {"45 after: lower left", 1, 55, 100 - 50 * std::sqrt(0.5L), 100 + 50 * std::sqrt(0.5L)},
      {"the stretch acts on the vertical only", 2, 100, 100, 200},
      {"the stretch leaves the horizon alone", 2, 190, 150, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const qx::WheelFrame frame{100, 100, 10, c.stretch};
    const qx::LogicalPoint p = frame.ofLongitude(c.longitude, 50);
    EXPECT_NEAR(double(p.x), double(c.x), 1e-9);
    EXPECT_NEAR(double(p.y), double(c.y), 1e-9);
  }
}

// ---- Zodiac ring -------------------------------------------------------------

TEST(ZodiacRingTest, EverySignIsNamedFromItsOwnBoundary) {
  // An Ascendant in the last degrees of a sign starts the walk on the next
  // sign's boundary; the signs must not shift by one there.
  struct Case {
    Extended ascendant;
    Extended firstBoundary;
    int firstSign;
  };
  const Case cases[] = {
      {29.9L, 30, 2},   // 29°54' Aries: the walk starts at 30, the boundary of Taurus
      {30.1L, 30, 2},   // 0°06' Taurus
      {21.0L, 30, 2},   // 21° Aries: the walk starts at 30 as well
      {20.5L, 0, 1},    // 20°30' Aries: it starts at 20
      {0.0L, 0, 1},
      {359.9L, 0, 1},   // 29°54' Pisces: the walk starts at 360, Aries
      {45.3L, 30, 2},
      {200.0L, 180, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "ASC " << double(c.ascendant));
    const qx::ZodiacWalk walk = qx::zodiacWalk(c.ascendant);
    ASSERT_EQ(walk.boundaries.size(), 13u);
    EXPECT_EQ(double(walk.boundaries[0].longitude), double(c.firstBoundary));
    EXPECT_EQ(walk.boundaries[0].sign, c.firstSign);

    std::set<int> signs;
    for (std::size_t k = 0; k < walk.boundaries.size(); ++k) {
      const qx::SignBoundary& b = walk.boundaries[k];
      // The symbol stands 15 degrees inside the sign that begins at b.
      EXPECT_EQ(b.sign, qx::signIndex(b.longitude + 15)) << "boundary " << k;
      if (k > 0) {
        EXPECT_EQ(double(qx::normalize360(walk.boundaries[k - 1].longitude - 30)), double(b.longitude));
      }
      if (k < 12) signs.insert(b.sign);
    }
    EXPECT_EQ(signs.size(), 12u);
    EXPECT_EQ(double(walk.boundaries[12].longitude), double(walk.boundaries[0].longitude));

    // The 24 other multiples of 10 degrees, each once.
    std::set<long> ticks;
    for (const Extended t : walk.ticks) {
      EXPECT_EQ(std::fmod(double(t), 10.0), 0.0);
      EXPECT_NE(std::fmod(double(t), 30.0), 0.0);
      ticks.insert(long(t));
    }
    EXPECT_EQ(walk.ticks.size(), 24u);
    EXPECT_EQ(ticks.size(), 24u);
  }
}

TEST(ZodiacRingTest, DecanSymbolsFollowTheChaldeanRulersBackwardsFromAries) {
  // Drawn from the first decan of Aries (longitude 5) and then 10 degrees
  // lower each time; every code must be the ruler of the decan it stands in.
  // Rulers of the 36 decans from 0° Aries: Mars, Sun, Venus, Mercury, Moon,
  // Saturn, Jupiter, and so on round the Chaldean order.
  constexpr std::array<int, 36> kRulerFromAries = {5, 1, 4, 3, 2, 7, 6, 5, 1, 4, 3, 2, 7, 6, 5, 1, 4, 3,
                                                   2, 7, 6, 5, 1, 4, 3, 2, 7, 6, 5, 1, 4, 3, 2, 7, 6, 5};
  const std::array<int, 36> codes = qx::decanSymbolCodes();
  const std::array<int, 8> firstEight = {5, 5, 6, 7, 2, 3, 4, 1};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(codes[std::size_t(k)], firstEight[std::size_t(k)]) << k;
  for (int k = 0; k < 36; ++k) {
    const Extended longitude = qx::normalize360(5 - 10 * k);
    EXPECT_EQ(codes[std::size_t(k)], kRulerFromAries[std::size_t(longitude / 10)]) << "decan drawn " << k;
  }
}

// ---- Aspect figure of the summary sheets ---------------------------------------

qx::OrbTable trineOnly(Extended orb) {
  qx::OrbTable orbs;
  orbs[qx::kTrine] = orb;
  return orbs;
}

TEST(SheetAspectTest, ExactnessSetsTheSpindleWidth) {
  // The Sun and the Moon; every other point at 0, which none of them aspects
  // under a trine orb of 3 alone.
  struct Case {
    const char* what;
    Extended sun, moon;
    int exactness;
    Extended halfWidth;  // p = 1 / (1.2 sqrt(max(e, 0.2)))
  };
  const Case cases[] = {
      {"121 degrees: e = 1", 10, 131, 1, 1 / 1.2L},
      {"120 degrees exactly: e = 0, the widest", 10, 130, 0, 1 / (1.2L * std::sqrt(0.2L))},
      {"folded over 360", 350, 110, 0, 1 / (1.2L * std::sqrt(0.2L))},
      {"118.2 degrees: e = 2", 10, 128.2L, 2, 1 / (1.2L * std::sqrt(2.0L))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    qx::SheetAspectPoints points{};
    points[1] = c.sun;
    points[2] = c.moon;
    const qx::WheelFrame frame{173, 105, 0, 1};
    const std::vector<qx::SheetAspect> aspects = qx::sheetAspects(points, trineOnly(3), frame, 35);
    ASSERT_EQ(aspects.size(), 1u);
    EXPECT_EQ(aspects[0].first, 1);
    EXPECT_EQ(aspects[0].second, 2);
    EXPECT_EQ(aspects[0].aspect, qx::kTrine);
    EXPECT_EQ(aspects[0].exactness, c.exactness);

    const std::array<qx::LogicalPoint, 6> spindle =
        qx::spindlePolygon(aspects[0].from, aspects[0].to, aspects[0].exactness);
    // The widest points face each other across the segment, 2p apart.
    const Extended width = std::hypot(spindle[1].x - spindle[5].x, spindle[1].y - spindle[5].y);
    EXPECT_NEAR(double(width), double(2 * c.halfWidth), 1e-9);
  }
  // Outside the orb: 123 degrees is not a trine with an orb of 3.
  qx::SheetAspectPoints points{};
  points[1] = 10;
  points[2] = 133;
  EXPECT_TRUE(qx::sheetAspects(points, trineOnly(3), qx::WheelFrame{173, 105, 0, 1}, 35).empty());
}

TEST(SheetAspectTest, PairsTheSevenPlanetsWithTheAnglesButNotTheAnglesTogether) {
  qx::OrbTable orbs;
  orbs[qx::kConjunction] = 10;
  orbs[qx::kSquare] = 6;
  orbs[qx::kOpposition] = 9;
  qx::SheetAspectPoints points{};
  points[1] = 190;    // the Sun: opposite Saturn and the Midheaven, square the Ascendant
  for (int k = 2; k <= 6; ++k) points[std::size_t(k)] = 40 + 12 * (k - 2);  // 40 .. 88: no aspect at all
  points[7] = 10;     // Saturn: square the Ascendant, conjunct the Midheaven
  points[8] = 100;    // the Ascendant
  points[9] = 10.5L;  // the Midheaven, square the Ascendant: that pair is never tested
  const std::vector<qx::SheetAspect> aspects = qx::sheetAspects(points, orbs, qx::WheelFrame{0, 0, 100, 1}, 35);

  std::vector<std::array<int, 3>> found;
  for (const qx::SheetAspect& a : aspects) found.push_back({a.first, a.second, a.aspect});
  const std::vector<std::array<int, 3>> expected = {
      {1, 7, qx::kOpposition}, {1, 8, qx::kSquare}, {1, 9, qx::kOpposition}, {7, 8, qx::kSquare}};
  EXPECT_EQ(found, expected);
  // Saturn and the Midheaven are conjunct: conjunctions are not drawn.
}

TEST(SheetAspectTest, EndPointsUseWholeDegreesWholeUnitsAndNoStretch) {
  qx::SheetAspectPoints points{};
  points[1] = 10;       // 10 - 10 = 0 degrees: the left of the circle
  points[2] = 130.6L;   // rounded to 131: theta = 10 + 360 - 131 = 239
  for (int k = 3; k <= 9; ++k) points[std::size_t(k)] = 0;
  const qx::WheelFrame frame{173, 105, 10.4L, 2};  // stretch 2 must not act
  const std::vector<qx::SheetAspect> aspects = qx::sheetAspects(points, trineOnly(3), frame, 35);
  ASSERT_EQ(aspects.size(), 1u);
  EXPECT_EQ(aspects[0].from, (qx::LogicalPoint{138, 105}));
  // 173 - 35 cos 239 = 191.03, 105 - 35 sin 239 = 135.00
  EXPECT_EQ(aspects[0].to, (qx::LogicalPoint{191, 135}));
}

TEST(SheetAspectTest, SpindleIsPointedAtBothEndsWithShoulders8UnitsIn) {
  const Extended p = 1 / (1.2L * std::sqrt(0.2L));
  const std::array<qx::LogicalPoint, 6> spindle = qx::spindlePolygon({10, 20}, {50, 20}, 0);
  const std::array<qx::LogicalPoint, 6> expected = {
      {{10, 20}, {18, 20 + p}, {42, 20 + p}, {50, 20}, {42, 20 - p}, {18, 20 - p}}};
  for (std::size_t k = 0; k < 6; ++k) {
    EXPECT_NEAR(double(spindle[k].x), double(expected[k].x), 1e-12) << k;
    EXPECT_NEAR(double(spindle[k].y), double(expected[k].y), 1e-12) << k;
  }
}

// ---- The natal wheel of the summary sheets, drawn -----------------------------

// A working folder with a tiny picture for every symbol the wheel can ask
// for, in colour and in both black-mode variants, and a recording target.
class SheetWheelTest : public testing::Test {
 protected:
  SheetWheelTest() : folder_(temp_.path()), symbols_(folder_) {
    const std::vector<std::uint8_t> picture = qx::EmfWriter(10, 10, 4).finish();
    for (const char* black : {"", "B", "N"}) {
      for (int code = 1; code <= 15; ++code)
        qx::saveMetafile(folder_, std::string("Simboli\\PiaX") + black + (code < 10 ? "0" : "") +
                                      std::to_string(code) + ".emf", picture);
      for (int sign = 1; sign <= 12; ++sign)
        qx::saveMetafile(folder_, std::string("Zodiaco\\SegM") + black + (sign < 10 ? "0" : "") +
                                      std::to_string(sign) + ".emf", picture);
    }
    state_.DisplayScale = kScale;
    state_.FontFactor = float(kScale * 3.7L);
    state_.Target = &target_;
  }

  // Equal houses from the Ascendant; the bodies wherever a case puts them.
  static qx::ChartRecord chartWith(Extended ascendant, const std::array<Extended, 10>& bodies) {
    qx::ChartRecord chart;
    for (int i = 1; i <= 12; ++i) chart.Cusp[std::size_t(i)] = qx::normalize360(ascendant + 30 * (i - 1));
    for (int k = 1; k <= 9; ++k) chart.Lon[std::size_t(k)] = bodies[std::size_t(k)];
    chart.Lon[qx::kAscendant] = ascendant;
    chart.Lon[qx::kMidheaven] = qx::normalize360(ascendant + 270);
    for (auto& mark : chart.RetroMark) mark = " ";
    chart.HouseSystem = "CASE_MEDIE";
    return chart;
  }

  void draw(const qx::ChartRecord& chart, qx::AspectFigureStyle style,
            const qx::OrbTable& orbs = qx::OrbTable::setA()) {
    qx::Drawing drawing(state_, symbols_);
    qx::drawSheetNatalWheel(drawing, chart, orbs, style);
  }

  // Where a point of the sheet's wheel lands on the device (S = 4, no zoom,
  // no offsets): the centre (173, 105), no stretch.
  static qx::DevicePoint device(Extended ascendant, Extended longitude, Extended radius) {
    const qx::LogicalPoint p = qx::WheelFrame{173, 105, ascendant, 1}.ofLongitude(longitude, radius);
    return {double(p.x * kScale), double(p.y * kScale)};
  }

  static qx::DevicePoint centreOf(const qx::DeviceRect& box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  }

  static constexpr Extended kScale = 4;
  TempFolder temp_;
  qx::WorkFolder folder_;
  qx::MetafileCache symbols_;
  qx::DrawingState state_;
  qx::RecordingTarget target_{qx::TargetKind::Printer};
};

TEST_F(SheetWheelTest, EverySignSymbolStandsInTheMiddleOfItsOwnSign) {
  const std::array<Extended, 10> bodies = {0, 10, 50, 90, 130, 170, 210, 250, 290, 110};
  for (const Extended ascendant : {29.9L, 30.1L, 0.0L, 200.0L}) {
    SCOPED_TRACE(testing::Message() << "ASC " << double(ascendant));
    target_.clearCalls();
    draw(chartWith(ascendant, bodies), qx::AspectFigureStyle::Lines);

    std::array<int, 13> seen{};
    for (const qx::DrawCall& call : target_.callsOf(qx::DrawOp::DrawMetafile)) {
      if (call.text.rfind("Zodiaco\\SegM", 0) != 0) continue;
      const int sign = std::stoi(call.text.substr(12, 2));
      ASSERT_GE(sign, 1);
      ASSERT_LE(sign, 12);
      ++seen[std::size_t(sign)];
      // Radius (W4 + W3) / 2 = 62, 15 degrees into the sign; a box of 7 units.
      const qx::DevicePoint expected = device(ascendant, 30 * (sign - 1) + 15, 62);
      const qx::DevicePoint centre = centreOf(call.box);
      EXPECT_NEAR(centre.x, expected.x, 1.5) << call.text;
      EXPECT_NEAR(centre.y, expected.y, 1.5) << call.text;
      EXPECT_NEAR(call.box.right - call.box.left, double(7 * kScale), 1.0);
    }
    for (int sign = 1; sign <= 12; ++sign) EXPECT_EQ(seen[std::size_t(sign)], 1) << "sign " << sign;
  }
}

TEST_F(SheetWheelTest, ClusteredBodiesGetSymbolsApartAndPointersToTheirTruePlaces) {
  // Nine bodies within 8 degrees; the Ascendant 100.
  std::array<Extended, 10> bodies{};
  for (int k = 1; k <= 9; ++k) bodies[std::size_t(k)] = 300 + k;
  draw(chartWith(100, bodies), qx::AspectFigureStyle::Lines);

  std::vector<qx::DevicePoint> ring;  // the symbols of size 4 (the decans are 3.5)
  std::vector<std::string> names;
  for (const qx::DrawCall& call : target_.callsOf(qx::DrawOp::DrawMetafile)) {
    if (call.text.rfind("Simboli\\PiaX", 0) != 0) continue;
    if (std::fabs((call.box.right - call.box.left) - double(4 * kScale)) > 1) continue;
    ring.push_back(centreOf(call.box));
    names.push_back(call.text);
  }
  ASSERT_EQ(ring.size(), 9u);
  const std::vector<std::string> expectedNames = {
      "Simboli\\PiaX01.emf", "Simboli\\PiaX02.emf", "Simboli\\PiaX03.emf", "Simboli\\PiaX04.emf", "Simboli\\PiaX05.emf",
      "Simboli\\PiaX06.emf", "Simboli\\PiaX07.emf", "Simboli\\PiaX11.emf", "Simboli\\PiaX13.emf"};
  EXPECT_EQ(names, expectedNames);
  // 5 degrees apart on radius 50.5: chords of 4.4 units at least, and the
  // run is centred on 305, its true middle: symbols from 285 to 325.
  for (std::size_t a = 0; a < ring.size(); ++a)
    for (std::size_t b = a + 1; b < ring.size(); ++b)
      EXPECT_GT(std::hypot(ring[a].x - ring[b].x, ring[a].y - ring[b].y), 4.1 * double(kScale)) << a << "," << b;

  // The segments drawn, as (from, to) pairs.
  std::vector<std::pair<qx::DevicePoint, qx::DevicePoint>> segments;
  const std::vector<qx::DrawCall>& calls = target_.calls();
  for (std::size_t i = 1; i < calls.size(); ++i)
    if (calls[i].op == qx::DrawOp::LineTo && calls[i - 1].op == qx::DrawOp::MoveTo)
      segments.push_back({calls[i - 1].points.at(0), calls[i].points.at(0)});
  const auto drawn = [&](qx::DevicePoint from, qx::DevicePoint to) {
    const auto near = [](qx::DevicePoint a, qx::DevicePoint b) { return std::hypot(a.x - b.x, a.y - b.y) < 1.5; };
    return std::any_of(segments.begin(), segments.end(),
                       [&](const auto& s) { return near(s.first, from) && near(s.second, to); });
  };

  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE(testing::Message() << "body " << k + 1);
    const Extended spreadAt = 285 + 5 * k, trueAt = 301 + k;
    // Each symbol is 1.5 units above its spread point.
    const qx::DevicePoint expected = device(100, spreadAt, 50.5L);
    EXPECT_NEAR(ring[std::size_t(k)].x, expected.x, 1.5);
    EXPECT_NEAR(ring[std::size_t(k)].y, expected.y - 1.5 * double(kScale), 1.5);
    // Pointers from the true places on both edges (57 and 44) to 4.3 units
    // short of the symbol's point.
    EXPECT_TRUE(drawn(device(100, trueAt, 57), device(100, spreadAt, 54.8L)));
    EXPECT_TRUE(drawn(device(100, trueAt, 44), device(100, spreadAt, 46.2L)));
  }
}

TEST_F(SheetWheelTest, RetrogradeBodiesAreMarkedWithARedR) {
  struct Case {
    bool blackMode;
    qx::TargetKind kind;
    qx::Rgb colour;
  };
  const Case cases[] = {
      {false, qx::TargetKind::Printer, 0xFF0000},
      {false, qx::TargetKind::Screen, 0xFF0000},
      {true, qx::TargetKind::Printer, qx::kBlack},  // black drawing: every text black on paper
      {true, qx::TargetKind::Screen, qx::kWhite},
  };
  const std::array<Extended, 10> bodies = {0, 10, 50, 90, 130, 170, 210, 250, 290, 110};
  qx::ChartRecord chart = chartWith(100, bodies);
  chart.RetroMark[3] = "r";
  chart.RetroMark[8] = "r";
  chart.RetroMark[9] = "R";
  chart.RetroMark[10] = "r";  // the Ascendant is not a ring body
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "black " << c.blackMode << " screen " << (c.kind == qx::TargetKind::Screen));
    target_.clearCalls();
    target_.setKind(c.kind);
    state_.BlackMode = c.blackMode;
    draw(chart, qx::AspectFigureStyle::Lines);
    int marks = 0;
    for (const qx::DrawCall& call : target_.callsOf(qx::DrawOp::Text)) {
      if (call.text != "r") continue;
      ++marks;
      EXPECT_EQ(call.textColour, c.colour);
    }
    EXPECT_EQ(marks, 3);
  }
}

TEST_F(SheetWheelTest, AspectsAreSpindlesOrLinesInTheirColours) {
  // Among others the Sun trine the Moon (exact), the Sun opposite Mercury,
  // Mercury square Venus (2 degrees off), under the orbs of set A.
  const std::array<Extended, 10> bodies = {0, 20, 140, 200, 292, 240, 250, 300, 120, 110};
  const qx::ChartRecord chart = chartWith(337, bodies);
  const std::vector<qx::SheetAspect> aspects =
      qx::sheetAspects(qx::sheetAspectPoints(chart), qx::OrbTable::setA(), qx::WheelFrame{173, 105, 337, 1}, 35);
  ASSERT_FALSE(aspects.empty());

  draw(chart, qx::AspectFigureStyle::Spindles);
  const std::vector<qx::DrawCall> spindles = target_.callsOf(qx::DrawOp::Polygon);
  ASSERT_EQ(spindles.size(), aspects.size());
  for (std::size_t k = 0; k < aspects.size(); ++k) {
    const bool harmonious = aspects[k].aspect == qx::kTrine || aspects[k].aspect == qx::kSextile;
    EXPECT_EQ(spindles[k].points.size(), 6u);
    EXPECT_EQ(spindles[k].brush.colour, harmonious ? 0x0000FFu : 0xFF0000u) << k;
    EXPECT_EQ(spindles[k].pen.colour, harmonious ? 0x00FFFFu : 0xFFFF00u) << k;
    // The spindle's ends are the aspect's end points.
    const auto onDevice = [](qx::LogicalPoint p) {
      return qx::DevicePoint{double(p.x * kScale), double(p.y * kScale)};
    };
    EXPECT_EQ(spindles[k].points[0], onDevice(aspects[k].from));
    EXPECT_EQ(spindles[k].points[3], onDevice(aspects[k].to));
  }

  target_.clearCalls();
  draw(chart, qx::AspectFigureStyle::Lines);
  EXPECT_EQ(target_.count(qx::DrawOp::Polygon), 0u);
}

TEST_F(SheetWheelTest, HouseLabelsOfBothRingVariants) {
  // Ascendant 100, equal houses; ring from 41 to 35, labels at radius 38 with
  // their tops 2 units above the point.
  struct Case {
    qx::HouseRingVariant variant;
    std::vector<std::string> labels;  // in drawing order
    std::vector<Extended> offsets;    // from the cusp's angle, for house i then i + 6 (or the reverse)
  };
  const Case cases[] = {
      {qx::HouseRingVariant::CaseMedie,
       {"VII", "I", "VIII", "II", "IX", "III", "X", "IV", "XI", "V", "XII", "VI"},
       {190, 10}},
      {qx::HouseRingVariant::ChartWindow,
       {"I", "VII", "2", "8", "3", "9", "IV", "X", "5", "11", "6", "12"},
       {-5, 175}},
  };
  const qx::ChartRecord chart = chartWith(100, {});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labels[0]);
    target_.clearCalls();
    qx::Drawing drawing(state_, symbols_);
    const qx::WheelFrame frame{173, 105, 100, 1};
    qx::drawHouseRing(drawing, frame, c.variant, 41, 35, chart.Cusp);

    const std::vector<qx::DrawCall> texts = target_.callsOf(qx::DrawOp::Text);
    ASSERT_EQ(texts.size(), 12u);
    for (std::size_t k = 0; k < texts.size(); ++k) {
      EXPECT_EQ(texts[k].text, c.labels[k]);
      EXPECT_EQ(texts[k].align, qx::TextAlign::Centre);
      const Extended cusp = chart.Cusp[k / 2 + 1];
      const qx::LogicalPoint p = frame.at(frame.angleOf(cusp) + c.offsets[k % 2], 38);
      EXPECT_NEAR(texts[k].points.at(0).x, double(p.x * kScale), 1) << texts[k].text;
      EXPECT_NEAR(texts[k].points.at(0).y, double((p.y - 2) * kScale), 1) << texts[k].text;
    }
  }
}

TEST_F(SheetWheelTest, AngleMarksWithAndWithoutTheMiddleHouses) {
  // Ascendant 10°52' Libra, Midheaven 12°45' Cancer; the house boundaries all
  // at 25°52' of their signs.
  qx::CuspArray cusps{};
  for (int i = 1; i <= 12; ++i) cusps[std::size_t(i)] = qx::normalize360(190.8667L + 30 * (i - 1));
  struct Case {
    bool caseMedie;
    int aquaDots, redDots;
    int boundaryTexts;  // beside every boundary dot but the opposite ones of axes 3 and 4
  };
  const Case cases[] = {{false, 1, 0, 0}, {true, 3, 12, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caseMedie);
    target_.clearCalls();
    qx::Drawing drawing(state_, symbols_);
    qx::drawAngleMarks(drawing, qx::WheelFrame{173, 105, cusps[1], 1}, cusps, 102.75L, 72, c.caseMedie);

    int aqua = 0, red = 0;
    for (const qx::DrawCall& call : target_.callsOf(qx::DrawOp::Ellipse)) {
      aqua += call.brush.colour == 0x00FFFF;
      red += call.brush.colour == 0xFF0000;
    }
    EXPECT_EQ(aqua, c.aquaDots);
    EXPECT_EQ(red, c.redDots);

    std::vector<std::string> others;
    int ascendant = 0, boundaries = 0;
    for (const qx::DrawCall& call : target_.callsOf(qx::DrawOp::Text)) {
      if (call.text == "10\xB0" "52'") {
        ++ascendant;
      } else if (call.text == "25\xB0" "52'") {
        ++boundaries;
      } else {
        others.push_back(call.text);
      }
    }
    EXPECT_EQ(ascendant, 2);
    EXPECT_EQ(boundaries, c.boundaryTexts);
    const std::vector<std::string> expectedOthers =
        c.caseMedie ? std::vector<std::string>{"AS", "MC", "12\xB0" "45'"} : std::vector<std::string>{"AS"};
    EXPECT_EQ(others, expectedOthers);
  }
  // "AS" stands 7 units outside the marks' radius, 9 above the horizon.
  const std::vector<qx::DrawCall> texts = target_.callsOf(qx::DrawOp::Text);
  const auto as = std::find_if(texts.begin(), texts.end(), [](const qx::DrawCall& t) { return t.text == "AS"; });
  ASSERT_NE(as, texts.end());
  EXPECT_EQ(as->points.at(0), (qx::DevicePoint{double((173 - 79) * kScale), double((105 - 9) * kScale)}));
}

}  // namespace
}  // namespace qxtest
