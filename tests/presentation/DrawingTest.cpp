#include "Drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Calendar.h"
#include "EmfWriter.h"
#include "IoError.h"
#include "Metafile.h"
#include "RecordingTarget.h"
#include "TempFolder.h"

namespace qxtest {
namespace {

using qx::DevicePoint;
using qx::DeviceRect;
using qx::DrawCall;
using qx::DrawOp;
using qx::Extended;
using qx::PenStyle;
using qx::Rgb;
using qx::TargetKind;

constexpr Rgb kBlack = 0x000000, kWhite = 0xFFFFFF, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF,
              kAqua = 0x00FFFF, kMagenta = 0xFF00FF, kYellow = 0xFFFF00;

const char* kindName(TargetKind k) {
  return k == TargetKind::Screen ? "screen" : k == TargetKind::Printer ? "printer" : "metafile";
}

// A drawing on a recording target, in an empty working folder for symbols.
class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() { state.Target = &target; }

  void useTarget(TargetKind kind) { target.setKind(kind); }

  // A small symbol picture that selects its own pen, brush and text colour.
  void writeSymbol(const std::string& name) {
    qx::EmfWriter writer(100, 100, 4.0);
    writer.selectPen({PenStyle::Solid, 3, 0x123456});
    writer.selectBrush({0x654321, false});
    writer.setTextColour(0x00AA00);
    writer.moveTo({10, 10});
    writer.lineTo({90, 90});
    writer.ellipse({20, 20, 80, 80});
    qx::saveMetafile(folder, name, writer.finish());
  }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
  qx::MetafileCache symbols{folder};
  qx::RecordingTarget target{TargetKind::Screen};
  qx::DrawingState state;
  qx::Drawing drawing{state, symbols};
};

// ---- Mapping and circles ---------------------------------------------------

TEST_F(DrawingTest, MapsTheVerticalCoordinateFirstWithFactorsZoomAndOffsets) {
  struct Case {
    Extended scale, zoom, hf, vf;
    int offsetX, offsetY;
    Extended y, x;
    DevicePoint expected;
  };
  const Case cases[] = {
      {4, 1, 1, 1, 0, 0, 10, 20, {80, 40}},
      {4, 1, 1.1L, 0.9L, 0, 0, 90, 110, {400, 400}},
      {4, 1.5L, 1.1L, 0.9L, 10, -20, 90, 110, {610, 580}},
      {5.142857L, 1, 1, 1, 0, 0, 202, 279, {1435, 1039}},  // 1434.857 and 1038.857 rounded up
      {3, 1, 1, 1, 0, 0, 0.1L, 0.1L, {0, 0}},               // 0.3 rounds down
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "S " << double(c.scale) << " Z " << double(c.zoom) << " y " << double(c.y)
                                    << " x " << double(c.x));
    state.DisplayScale = c.scale;
    state.Zoom = c.zoom;
    state.HorizontalFactor = c.hf;
    state.VerticalFactor = c.vf;
    state.OffsetX = c.offsetX;
    state.OffsetY = c.offsetY;
    EXPECT_EQ(drawing.map(c.y, c.x), c.expected);
  }
}

TEST_F(DrawingTest, ScreenCircleAtZoomOneIsOneFullArcWhoseRadiiCarryTheShapeFactors) {
  state.DisplayScale = 5;
  state.HorizontalFactor = 1.1L;
  state.VerticalFactor = 0.9L;
  drawing.circle(50, 100, 120);

  ASSERT_EQ(target.calls().size(), 1u) << target.dump();
  const DrawCall& arc = target.calls()[0];
  ASSERT_EQ(arc.op, DrawOp::Arc);
  EXPECT_NEAR((arc.box.right - arc.box.left) / 2, 50 / 1.1 * 5, 1.0);
  EXPECT_NEAR((arc.box.bottom - arc.box.top) / 2, 50 / 0.9 * 5, 1.0);
  EXPECT_NEAR((arc.box.left + arc.box.right) / 2, 120 / 1.1 * 5, 1.0);
  EXPECT_NEAR((arc.box.top + arc.box.bottom) / 2, 100 / 0.9 * 5, 1.0);
  // Start and end on one ray: the whole ellipse.
  ASSERT_EQ(arc.points.size(), 2u);
  EXPECT_EQ(arc.points[0], arc.points[1]);
}

TEST_F(DrawingTest, CircleIsASeventyTwoSegmentPolygonWhenZoomedOrOnPaper) {
  struct Case {
    TargetKind kind;
    Extended zoom;
  };
  const Case cases[] = {{TargetKind::Screen, 2}, {TargetKind::Screen, 0.5L}, {TargetKind::Printer, 1},
                        {TargetKind::Metafile, 1}, {TargetKind::Printer, 2}};
  state.DisplayScale = 3;
  state.HorizontalFactor = 1.1L;
  state.VerticalFactor = 0.9L;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << kindName(c.kind) << " Z " << double(c.zoom));
    useTarget(c.kind);
    state.Zoom = c.zoom;
    target.clearCalls();
    drawing.circle(50, 100, 120);

    const auto& calls = target.calls();
    ASSERT_EQ(calls.size(), 73u) << target.dump();
    EXPECT_EQ(target.count(DrawOp::Arc), 0u);
    EXPECT_EQ(calls[0].op, DrawOp::MoveTo);
    EXPECT_EQ(target.count(DrawOp::LineTo), 72u);
    // From the top, clockwise on the page: 90 degrees is the rightmost point,
    // 180 the bottom, 360 back at the top.
    EXPECT_EQ(calls[0].points[0], drawing.map(50, 120));
    EXPECT_EQ(calls[18].points[0], drawing.map(100, 170));
    EXPECT_EQ(calls[36].points[0], drawing.map(150, 120));
    EXPECT_EQ(calls[72].points[0], calls[0].points[0]);
    const Extended fiveDegrees = 5 * qx::kDegToRad;
    EXPECT_EQ(calls[1].points[0], drawing.map(100 - 50 * std::cos(fiveDegrees), 120 + 50 * std::sin(fiveDegrees)));
  }
}

// ---- Pens, roles, brushes ---------------------------------------------------

TEST_F(DrawingTest, PenCodesGiveColourWidthAndStyle) {
  // S = 8, Z = 2, T = 1.3: S/4 -> 2.6, S/8 -> 1.3, S*0.8 -> 8.32, S*Z*2 ->
  // 41.6, S*Z -> 20.8, S/1.5 -> 6.93, S/2 -> 5.2, S*0.4 -> 4.16 device units.
  state.DisplayScale = 8;
  state.Zoom = 2;
  state.LineThicknessFactor = 1.3L;
  struct Case {
    int code;
    Rgb colour;
    int width;
    PenStyle style;
  };
  const Case cases[] = {
      {0, kBlack, 3, PenStyle::Solid},     {1, kWhite, 3, PenStyle::Solid},    {3, kGreen, 3, PenStyle::Solid},
      {8, 0x454545, 3, PenStyle::Solid},   {9, 0x808080, 3, PenStyle::Solid},  {11, kBlue, 1, PenStyle::Solid},
      {12, kRed, 1, PenStyle::Dash},       {17, kWhite, 1, PenStyle::Solid},   {18, 0xFF8040, 1, PenStyle::Solid},
      {22, kRed, 8, PenStyle::Solid},      {25, kAqua, 1, PenStyle::Solid},    {26, kMagenta, 1, PenStyle::Dash},
      {33, kAqua, 8, PenStyle::Solid},     {58, kGreen, 42, PenStyle::Solid},  {59, kGreen, 21, PenStyle::Solid},
      {62, kWhite, 21, PenStyle::Solid},   {63, kBlack, 7, PenStyle::Solid},   {64, kRed, 21, PenStyle::Solid},
      {71, kBlue, 5, PenStyle::Solid},     {76, kYellow, 5, PenStyle::Solid},  {77, kYellow, 8, PenStyle::Solid},
      {78, 0xC4C824, 4, PenStyle::Solid},  {80, kAqua, 4, PenStyle::Solid},
      // Codes outside the table are black, with the width of their range.
      {19, kBlack, 1, PenStyle::Solid},    {99, kBlack, 1, PenStyle::Solid},   {-1, kBlack, 3, PenStyle::Solid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "pen " << c.code);
    drawing.selectPen(c.code);
    EXPECT_EQ(target.pen().colour, c.colour);
    EXPECT_EQ(target.pen().width, c.width);
    EXPECT_EQ(target.pen().style, c.style);
    EXPECT_EQ(qx::penColour(c.code), c.colour);
  }
}

TEST_F(DrawingTest, BlackModePensAreWhiteOnTheScreenAndBlackOnPaperExceptWhite) {
  state.DisplayScale = 8;
  state.BlackMode = true;
  struct Case {
    TargetKind kind;
    int code;
    Rgb colour;
  };
  const Case cases[] = {
      {TargetKind::Screen, 2, kWhite},    {TargetKind::Screen, 0, kWhite},   {TargetKind::Screen, 78, kWhite},
      {TargetKind::Screen, 1, kWhite},    {TargetKind::Printer, 2, kBlack},  {TargetKind::Printer, 7, kBlack},
      {TargetKind::Printer, 1, kWhite},   {TargetKind::Printer, 17, kWhite}, {TargetKind::Metafile, 25, kBlack},
      {TargetKind::Metafile, 62, kWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << kindName(c.kind) << " pen " << c.code);
    useTarget(c.kind);
    drawing.selectPen(c.code);
    EXPECT_EQ(target.pen().colour, c.colour);
    EXPECT_EQ(target.pen().width, drawing.penDesc(c.code).width);
  }
}

TEST_F(DrawingTest, RolePensAndTextColoursFollowTheTarget) {
  state.DisplayScale = 8;
  struct Case {
    int role;
    TargetKind kind;
    int pen;      // -1: the pen in use stays
    Rgb text;     // text colour after the role; kMagenta (the one set before): unchanged
  };
  const Case cases[] = {
      {0, TargetKind::Screen, 1, kWhite},     {0, TargetKind::Printer, 0, kBlack},
      {0, TargetKind::Metafile, 0, kBlack},   {4, TargetKind::Screen, 5, kAqua},
      {4, TargetKind::Printer, 4, kBlue},     {10, TargetKind::Screen, 17, kMagenta},
      {10, TargetKind::Metafile, 10, kMagenta}, {2, TargetKind::Screen, 7, kMagenta},
      {2, TargetKind::Printer, -1, kMagenta}, {7, TargetKind::Screen, 2, kMagenta},
      {7, TargetKind::Metafile, -1, kMagenta},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "role " << c.role << " on " << kindName(c.kind));
    useTarget(c.kind);
    drawing.selectPen(78);
    drawing.setTextColour(kMagenta);
    target.clearCalls();

    drawing.selectRolePen(c.role);
    drawing.setTextColourRole(c.role);
    if (c.pen < 0) {
      EXPECT_EQ(target.count(DrawOp::SelectPen), 0u);
      EXPECT_EQ(target.pen(), drawing.penDesc(78));
    } else {
      EXPECT_EQ(target.pen(), drawing.penDesc(c.pen));
    }
    EXPECT_EQ(target.textColour(), c.text);
  }
}

TEST_F(DrawingTest, BlackModeBrushesDependOnTheOwnerWindow) {
  struct Case {
    bool blackMode, owner;
    TargetKind kind;
    Rgb given, expected;
  };
  const Case cases[] = {
      {false, false, TargetKind::Screen, kRed, kRed},      {false, true, TargetKind::Printer, kBlue, kBlue},
      {true, false, TargetKind::Screen, kRed, kWhite},     {true, false, TargetKind::Printer, kRed, kBlack},
      {true, false, TargetKind::Metafile, kAqua, kBlack},  {true, true, TargetKind::Screen, kRed, kBlack},
      {true, true, TargetKind::Printer, kRed, kWhite},     {true, true, TargetKind::Metafile, kBlack, kWhite},
      {true, false, TargetKind::Printer, kWhite, kWhite},  {true, true, TargetKind::Screen, kWhite, kWhite},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "black " << c.blackMode << " owner " << c.owner << " on " << kindName(c.kind)
                                    << " colour " << std::hex << c.given);
    state.BlackMode = c.blackMode;
    state.OwnerWindow = c.owner;
    useTarget(c.kind);
    drawing.selectBrush(c.given);
    EXPECT_EQ(target.brush().colour, c.expected);
    EXPECT_FALSE(target.brush().hollow);
  }
}

// ---- Fonts and texts ----------------------------------------------------------

TEST_F(DrawingTest, FontHeightsComeFromTheFontFactorZoomAndDivisor) {
  state.setScreenSize(1920, 1080);  // S = 5.142857, F = 19.028572: round(F * 30) = 571
  struct Case {
    int code;
    Extended zoom;
    const char* face;
    int height;
  };
  const Case cases[] = {
      {0, 1, "Arial", 15},    {1, 1, "Arial", 19},   {2, 1, "Arial", 24},   {3, 1, "Arial", 28},
      {4, 1, "Arial", 35},    {5, 1, "Arial", 47},   {15, 1, "Arial", 21},  {16, 1, "Arial", 21},
      {18, 1, "Arial", 27},   {21, 1, "Courier", 28}, {22, 1, "Courier", 25}, {33, 1, "Arial", 17},
      {0, 2, "Arial", 30},    {5, 2, "Arial", 95},   {1, 0.4L, "Arial", 7},  // round(228.4) / 30 = 7.6
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "font " << c.code << " Z " << double(c.zoom));
    state.Zoom = c.zoom;
    const qx::FontDesc font = drawing.fontDesc(c.code);
    EXPECT_EQ(font.face, c.face);
    EXPECT_EQ(font.height, c.height);
  }
}

TEST_F(DrawingTest, FontSixteenIsTheOnlyItalicAndTheOnlyOneWithAWidth) {
  state.setScreenSize(1920, 1080);
  for (int code : {0, 1, 2, 3, 4, 5, 15, 16, 18, 21, 22, 33}) {
    SCOPED_TRACE(testing::Message() << "font " << code);
    const qx::FontDesc font = drawing.fontDesc(code);
    EXPECT_EQ(font.italic, code == 16);
    EXPECT_EQ(font.width, code == 16 ? 10 : 0);
    if (font.face == "Arial") {
      EXPECT_EQ(font.weight, 10);
      EXPECT_EQ(font.quality, 2);
    }
  }
}

TEST_F(DrawingTest, TextSelectsItsFontAtTheMappedPointAndInBlackModeUsesRoleZero) {
  state.setScreenSize(1920, 1080);
  struct Case {
    bool blackMode;
    TargetKind kind;
    Rgb colour;
  };
  const Case cases[] = {{false, TargetKind::Printer, kBlue},
                        {false, TargetKind::Screen, kAqua},
                        {true, TargetKind::Printer, kBlack},
                        {true, TargetKind::Screen, kWhite}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "black " << c.blackMode << " on " << kindName(c.kind));
    state.BlackMode = c.blackMode;
    useTarget(c.kind);
    target.clearCalls();
    drawing.setTextColourRole(4);
    drawing.textCentred("Ariete \xE8", 2, 30, 100);

    const auto texts = target.callsOf(DrawOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Ariete \xE8");
    EXPECT_EQ(texts[0].align, qx::TextAlign::Centre);
    EXPECT_EQ(texts[0].points[0], drawing.map(30, 100));
    ASSERT_TRUE(texts[0].font.has_value());
    EXPECT_EQ(*texts[0].font, drawing.fontDesc(2));
    EXPECT_EQ(texts[0].textColour, c.colour);
  }
}

TEST_F(DrawingTest, DateAndUserStampAreRightAlignedInRoleZero) {
  state.DisplayScale = 4;
  state.UserDisplayName = "Dott. Lucia Bianchi";
  useTarget(TargetKind::Printer);
  drawing.dateAndUserStamp(316, 225);

  const auto texts = target.callsOf(DrawOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, qx::todayText());
  EXPECT_EQ(texts[0].points[0], drawing.map(316, 225));
  EXPECT_EQ(texts[0].font->height, drawing.fontDesc(1).height);
  EXPECT_EQ(texts[1].text, "Dott. Lucia Bianchi");
  EXPECT_EQ(texts[1].points[0], drawing.map(320, 225));
  EXPECT_EQ(texts[1].font->height, drawing.fontDesc(15).height);
  for (const DrawCall& t : texts) {
    EXPECT_EQ(t.align, qx::TextAlign::Right);
    EXPECT_EQ(t.textColour, kBlack);
  }
}

// ---- Symbols -------------------------------------------------------------------

TEST(SymbolFileTest, NamesFollowTheCodeTheModeAndTheTarget) {
  struct Case {
    std::string name, expected;
  };
  using qx::elementSymbolFile;
  using qx::planetSymbolFile;
  using qx::signSymbolFile;
  const auto S = TargetKind::Screen, P = TargetKind::Printer, M = TargetKind::Metafile;
  const Case cases[] = {
      {planetSymbolFile(1, false, S), "Simboli\\PiaX01.emf"},
      {planetSymbolFile(7, false, P), "Simboli\\PiaX07.emf"},
      {planetSymbolFile(9, false, S), "Simboli\\PiaX13.emf"},
      {planetSymbolFile(10, false, S), "Simboli\\PiaX14.emf"},
      {planetSymbolFile(11, false, S), "Simboli\\PiaX15.emf"},
      {planetSymbolFile(8, false, S), "Simboli\\PiaX11.emf"},  // not on to 15
      {planetSymbolFile(12, false, S), "Simboli\\PiaX12.emf"},
      {planetSymbolFile(8, true, S), "Simboli\\PiaXB11.emf"},
      {planetSymbolFile(9, true, P), "Simboli\\PiaXN13.emf"},
      {planetSymbolFile(1, true, M), "Simboli\\PiaXN01.emf"},
      {signSymbolFile(3, "M", false, S), "Zodiaco\\SegM03.emf"},
      {signSymbolFile(3, "M", true, S), "Zodiaco\\SegMB03.emf"},
      {signSymbolFile(12, "M", true, P), "Zodiaco\\SegMN12.emf"},
      {signSymbolFile(1, "", false, M), "Zodiaco\\Seg01.emf"},
      {signSymbolFile(10, "", true, M), "Zodiaco\\SegN10.emf"},
      {elementSymbolFile(1, false, S), "Simboli\\ElFuo1.emf"},
      {elementSymbolFile(2, false, P), "Simboli\\ElTer1.emf"},
      {elementSymbolFile(3, false, S), "Simboli\\ElAri1.emf"},
      {elementSymbolFile(4, false, S), "Simboli\\ElAcq1.emf"},
      {elementSymbolFile(5, false, S), "Simboli\\ElSal2.emf"},
      {elementSymbolFile(6, false, S), "Simboli\\ElZol2.emf"},
      {elementSymbolFile(7, false, S), "Simboli\\ElMer2.emf"},
      {elementSymbolFile(1, true, S), "Simboli\\ElFuo1B.emf"},
      {elementSymbolFile(7, true, M), "Simboli\\ElMer2N.emf"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.name, c.expected);
  for (int code : {1, 2, 3, 4, 5, 6, 7, 12, 13}) EXPECT_EQ(qx::remappedPlanetCode(code), code);
}

TEST_F(DrawingTest, SymbolIsDrawnInASquareCentredOnTheMappedPointAndLeavesNoObjectsBehind) {
  writeSymbol("Simboli\\PiaX13.emf");
  state.DisplayScale = 5;
  state.Zoom = 1.5L;
  state.HorizontalFactor = 1.1L;  // moves the centre, not the square's side
  state.OffsetX = 4;
  target.setPlayMetafiles(true);
  drawing.selectPen(14);
  drawing.selectBrush(kYellow);
  drawing.setTextColourRole(4);
  drawing.moveTo(10, 10);
  const qx::PenDesc pen = target.pen();
  const qx::BrushDesc brush = target.brush();
  const Rgb text = target.textColour();
  target.clearCalls();

  drawing.planetSymbol(9, 4, 50, 66);

  const auto pictures = target.callsOf(DrawOp::DrawMetafile);
  ASSERT_EQ(pictures.size(), 1u) << target.dump();
  EXPECT_EQ(pictures[0].text, "Simboli\\PiaX13.emf");
  const DevicePoint centre = drawing.map(50, 66);  // (454, 375)
  EXPECT_EQ(pictures[0].box, (DeviceRect{centre.x - 15, centre.y - 15, centre.x + 15, centre.y + 15}));
  // The picture did select its own objects, and the layer's came back.
  bool pictureSelected = false;
  for (const DrawCall& c : target.calls())
    if (c.op == DrawOp::SelectPen && c.pen.colour == 0x123456) pictureSelected = true;
  EXPECT_TRUE(pictureSelected) << target.dump();
  EXPECT_EQ(target.pen(), pen);
  EXPECT_EQ(target.brush(), brush);
  EXPECT_EQ(target.textColour(), text);
  ASSERT_FALSE(target.calls().empty());
  EXPECT_EQ(target.calls().back().op, DrawOp::MoveTo);
  EXPECT_EQ(target.calls().back().points[0], drawing.map(10, 10));
}

TEST_F(DrawingTest, SymbolsOnTheScreenWaitForTheOwnerWindowToBeVisible) {
  writeSymbol("Simboli\\PiaX01.emf");
  struct Case {
    bool owner, visible;
    TargetKind kind;
    bool drawn;
  };
  const Case cases[] = {
      {false, false, TargetKind::Screen, true},  // no owner: nothing to wait for
      {true, true, TargetKind::Screen, true},
      {true, false, TargetKind::Screen, false},
      {true, false, TargetKind::Printer, true},
      {true, false, TargetKind::Metafile, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "owner " << c.owner << " visible " << c.visible << " on " << kindName(c.kind));
    state.OwnerWindow = c.owner;
    state.OwnerVisible = c.visible;
    useTarget(c.kind);
    target.clearCalls();
    // The colour picture on every target (black mode is off).
    drawing.planetSymbol(1, 4, 50, 50);
    EXPECT_EQ(target.count(DrawOp::DrawMetafile), c.drawn ? 1u : 0u);
  }
}

// A target that fails half-way through a picture, after selecting objects of
// its own.
class FailingTarget : public qx::RecordingTarget {
 public:
  using RecordingTarget::RecordingTarget;
  void drawMetafile(const qx::Metafile& metafile, const DeviceRect&) override {
    selectPen({PenStyle::Dash, 9, 0x010203});
    selectBrush({0x040506, false});
    setTextColour(0x070809);
    throw qx::IoError(qx::IoErrorCode::ReadPastEnd, metafile.name());
  }
};

TEST_F(DrawingTest, AFailedSymbolRaisesTheFileErrorWithStateAndObjectsRestored) {
  writeSymbol("Simboli\\PiaX02.emf");
  FailingTarget failing(TargetKind::Printer);
  struct Case {
    const char* what;
    int planet;  // 5: no such file; 2: the target fails while playing
    qx::IoErrorCode code;
    const char* file;
  };
  const Case cases[] = {{"missing file", 5, qx::IoErrorCode::FileNotFound, "PiaX05"},
                        {"failing target", 2, qx::IoErrorCode::ReadPastEnd, "PiaX02"}};
  qx::DrawTarget* const screen = state.Target;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state.Zoom = 1;
    state.OffsetX = state.OffsetY = 0;
    bool raised = false;
    try {
      qx::DrawingStateGuard guard(state);
      state.Target = &failing;
      state.Zoom = 2.5L;
      state.OffsetX = 30;
      state.OffsetY = -12;
      state.Wheel = {100, 100, 83, 69, 69, 55, 40, 32};
      drawing.selectPen(13);
      drawing.selectBrush(kAqua);
      drawing.setTextColourRole(0);
      drawing.planetSymbol(c.planet, 4, 40, 40);
    } catch (const qx::IoError& e) {
      raised = true;
      EXPECT_EQ(e.code(), c.code);
      EXPECT_NE(e.file().find(c.file), std::string::npos) << e.file();
    }
    EXPECT_TRUE(raised);
    EXPECT_EQ(state.Zoom, 1);
    EXPECT_EQ(state.OffsetX, 0);
    EXPECT_EQ(state.OffsetY, 0);
    EXPECT_EQ(state.Target, screen);
    EXPECT_EQ(state.Wheel, qx::kSheetWheelLayout);
    EXPECT_EQ(failing.pen().colour, kRed);
    EXPECT_EQ(failing.pen().style, PenStyle::Solid);
    EXPECT_EQ(failing.brush().colour, kAqua);
    EXPECT_EQ(failing.textColour(), kBlack);
  }
}

// ---- Dashed and dotted lines ----------------------------------------------------

TEST_F(DrawingTest, DashedLineIsFifteenDashesOfTwoStepsInFortyFour) {
  state.DisplayScale = 10;
  drawing.dashedLine(0, 0, 88, 44);  // a step is (2, 1) logical units

  const auto& calls = target.calls();
  ASSERT_EQ(calls.size(), 30u) << target.dump();
  for (int k = 0; k < 15; ++k) {
    SCOPED_TRACE(testing::Message() << "dash " << k);
    EXPECT_EQ(calls[2 * k].op, DrawOp::MoveTo);
    EXPECT_EQ(calls[2 * k].points[0], drawing.map(6 * k, 3 * k));
    EXPECT_EQ(calls[2 * k + 1].op, DrawOp::LineTo);
    EXPECT_EQ(calls[2 * k + 1].points[0], drawing.map(6 * k + 4, 3 * k + 2));
  }
  EXPECT_EQ(calls.back().points[0], drawing.map(88, 44));  // the last dash ends on Q
}

TEST_F(DrawingTest, DottedLineSpacesDotsAndATooShortOneGetsASingleDot) {
  state.DisplayScale = 10;
  const auto dotBox = [&](Extended y, Extended x, Extended r) {
    const DevicePoint a = drawing.map(y - r, x - r), b = drawing.map(y + r, x + r);
    return DeviceRect{a.x, a.y, b.x, b.y};
  };
  struct Case {
    const char* what;
    Extended y2, x2;  // from (20, 30)
    bool fine;
    int dots;
  };
  const Case cases[] = {
      {"length 10: round(18 / 3) dots", 28, 36, false, 6},
      {"length 10, fine", 28, 36, true, 6},
      {"length 5: round(9 / 3)", 24, 33, false, 3},
      {"no length", 20, 30, false, 1},
      {"length 0.5: 1.8 * 0.5 - 1 < 0", 20.3L, 30.4L, true, 1},
      {"length 0.55: 1.8 * 0.55 - 1 < 0", 20, 30.55L, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    target.clearCalls();
    drawing.dottedLine(20, 30, c.y2, c.x2, c.fine);

    const auto dots = target.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(dots.size(), std::size_t(c.dots)) << target.dump();
    const Extended r = c.fine ? 0.3L : 0.5L;
    EXPECT_EQ(dots[0].box, dotBox(20, 30, r));
    const Extended length = std::hypot(c.y2 - 20, c.x2 - 30);
    for (int i = 1; i < c.dots; ++i) {
      const Extended t = i * 3 / (1.8L * length - 1);
      EXPECT_EQ(dots[i].box, dotBox(20 + t * (c.y2 - 20), 30 + t * (c.x2 - 30), r)) << "dot " << i;
    }
  }
}

// ---- Page frame, title badge ---------------------------------------------------

TEST_F(DrawingTest, PageFrameIsDrawnOnTheScreenOnlyWithAPrinter) {
  state.DisplayScale = 2;
  struct Case {
    TargetKind kind;
    bool printer, landscape;
    int height;  // 0: no frame
  };
  const Case cases[] = {{TargetKind::Screen, true, true, 202},
                        {TargetKind::Screen, true, false, 405},
                        {TargetKind::Screen, false, true, 0},
                        {TargetKind::Printer, true, true, 0},
                        {TargetKind::Metafile, true, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << kindName(c.kind) << " printer " << c.printer << " landscape " << c.landscape);
    useTarget(c.kind);
    state.PrinterAvailable = c.printer;
    state.PrinterLandscape = c.landscape;
    target.clearCalls();
    drawing.pageFrame();
    if (c.height == 0) {
      EXPECT_TRUE(target.calls().empty()) << target.dump();
      continue;
    }
    const auto moves = target.callsOf(DrawOp::MoveTo);
    const auto lines = target.callsOf(DrawOp::LineTo);
    ASSERT_EQ(moves.size(), 1u);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(moves[0].points[0], drawing.map(1, 1));
    EXPECT_EQ(lines[0].points[0], drawing.map(1, 279));
    EXPECT_EQ(lines[1].points[0], drawing.map(c.height, 279));
    EXPECT_EQ(lines[2].points[0], drawing.map(c.height, 1));
    EXPECT_EQ(lines[3].points[0], drawing.map(1, 1));
    EXPECT_EQ(lines[0].pen.colour, kYellow);
  }
}

TEST_F(DrawingTest, TitleBadgeOutlineBoxAndText) {
  // S = 2, Z = 1.3, HF = 1.1, VF = 0.9, offsets (7, -3); at (47, 6):
  // c = 11 / 1.1 = 10, d = 177 / 0.9 = 196.67; the outline is scaled by 2.6
  // without the factors.
  state.DisplayScale = 2;
  state.Zoom = 1.3L;
  state.HorizontalFactor = 1.1L;
  state.VerticalFactor = 0.9L;
  state.OffsetX = 7;
  state.OffsetY = -3;
  useTarget(TargetKind::Printer);
  drawing.titleBox(47, 6);

  const auto polygons = target.callsOf(DrawOp::Polygon);
  ASSERT_EQ(polygons.size(), 1u) << target.dump();
  const std::vector<DevicePoint> outline = {{59, 503}, {98, 527}, {59, 540}, {85, 503}, {85, 542}, {59, 503}};
  EXPECT_EQ(polygons[0].points, outline);
  EXPECT_EQ(polygons[0].pen.colour, kRed);
  EXPECT_EQ(polygons[0].brush.colour, kYellow);

  const auto boxes = target.callsOf(DrawOp::Rectangle);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].box, (DeviceRect{30, 508, 111, 521}));
  EXPECT_EQ(boxes[0].pen.colour, kRed);
  EXPECT_EQ(boxes[0].brush.colour, kRed);

  const auto texts = target.callsOf(DrawOp::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "AstroMorva 3");
  EXPECT_EQ(texts[0].points[0], (DevicePoint{36, 510}));
  EXPECT_EQ(texts[0].align, qx::TextAlign::Left);
  EXPECT_EQ(*texts[0].font, drawing.fontDesc(15));
  EXPECT_EQ(texts[0].textColour, kWhite);
  EXPECT_TRUE(texts[0].textOpaque);
  EXPECT_EQ(texts[0].textBackground, kRed);
  // The red text box does not stay behind for the texts that follow.
  drawing.textLeft("dopo", 15, 10, 10);
  EXPECT_FALSE(target.callsOf(DrawOp::Text).back().textOpaque);
}

TEST_F(DrawingTest, BlackModeTitleBadgeKeepsTheBrushAndDrawsPlainText) {
  state.DisplayScale = 2;
  state.Zoom = 1.3L;
  state.HorizontalFactor = 1.1L;
  state.VerticalFactor = 0.9L;
  state.OffsetX = 7;
  state.OffsetY = -3;
  state.BlackMode = true;
  state.OwnerWindow = true;
  useTarget(TargetKind::Printer);
  drawing.selectBrush(kGreen);  // white on paper for the sheet window
  target.clearCalls();
  drawing.titleBox(47, 6);

  EXPECT_EQ(target.count(DrawOp::SelectBrush), 0u) << target.dump();
  ASSERT_EQ(target.count(DrawOp::Polygon), 1u);
  EXPECT_EQ(target.callsOf(DrawOp::Polygon)[0].pen.colour, kBlack);
  EXPECT_EQ(target.callsOf(DrawOp::Rectangle)[0].brush.colour, kWhite);
  const auto texts = target.callsOf(DrawOp::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].points[0], (DevicePoint{33, 510}));
  EXPECT_EQ(texts[0].textColour, kBlack);
  EXPECT_FALSE(texts[0].textOpaque);
}

// ---- Printing scale ------------------------------------------------------------

TEST_F(DrawingTest, PrintScaleReplacesTheScreenScaleAndFactorsForOnePage) {
  state.setScreenSize(1920, 1080);
  state.HorizontalFactor = 1.1L;
  state.VerticalFactor = 0.9L;
  const Extended screenScale = state.DisplayScale;
  qx::RecordingTarget printer(TargetKind::Printer);
  {
    qx::PrintScaleGuard printing(state, printer, 4960);
    EXPECT_EQ(state.Target, &printer);
    EXPECT_NEAR(double(state.DisplayScale), 4960 / 210.0 * 0.776, 1e-12);
    EXPECT_EQ(state.PrinterScale, state.DisplayScale);
    EXPECT_EQ(state.HorizontalFactor, 1);
    EXPECT_EQ(state.VerticalFactor, 1);
    EXPECT_EQ(state.FontFactor, 60.0f);  // round(60.49)
    // Circles are round on paper: a polygon with equal radii.
    drawing.circle(50, 100, 100);
    const auto lines = printer.callsOf(DrawOp::LineTo);
    ASSERT_EQ(lines.size(), 72u);
    const DevicePoint centre = drawing.map(100, 100);
    EXPECT_EQ(lines[17].points[0].x - centre.x, lines[35].points[0].y - centre.y);
  }
  EXPECT_EQ(state.Target, &target);
  EXPECT_EQ(state.DisplayScale, screenScale);
  EXPECT_EQ(state.HorizontalFactor, 1.1L);
  EXPECT_EQ(state.VerticalFactor, 0.9L);
  EXPECT_EQ(state.FontFactor, 19.0f);  // round(S * 3.7) from now on
  EXPECT_TRUE(target.calls().empty());
}

}  // namespace
}  // namespace qxtest
