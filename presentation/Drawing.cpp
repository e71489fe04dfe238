#include "Drawing.h"

#include <cmath>
#include <vector>

#include "Angles.h"
#include "Calendar.h"
#include "Metafile.h"
#include "TextHelpers.h"

namespace qx {

namespace {

// To the nearest whole number, halves to even as the processor rounds.
Extended roundNearest(Extended v) { return std::nearbyint(v); }

constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kGreen = 0x00FF00;
constexpr Rgb kBlue = 0x0000FF;
constexpr Rgb kAqua = 0x00FFFF;
constexpr Rgb kMagenta = 0xFF00FF;
constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kDarkGrey = 0x454545;
constexpr Rgb kGrey = 0x808080;
constexpr Rgb kOrange = 0xFF8040;
constexpr Rgb kOlive = 0xC4C824;

// Base widths of the pen table, in terms of S (and Z).
enum class PenWidth { Quarter, Eighth, PointEight, TwiceZoomed, Zoomed, OneAndHalfth, Half, PointFour };

struct PenEntry {
  int code;
  Rgb colour;
  PenWidth width;
  bool dash;
};

constexpr PenEntry kPens[] = {
    {0, kBlack, PenWidth::Quarter, false},        {1, kWhite, PenWidth::Quarter, false},
    {2, kRed, PenWidth::Quarter, false},          {3, kGreen, PenWidth::Quarter, false},
    {4, kBlue, PenWidth::Quarter, false},         {5, kAqua, PenWidth::Quarter, false},
    {6, kMagenta, PenWidth::Quarter, false},      {7, kYellow, PenWidth::Quarter, false},
    {8, kDarkGrey, PenWidth::Quarter, false},     {9, kGrey, PenWidth::Quarter, false},
    {10, kBlack, PenWidth::Eighth, false},        {11, kBlue, PenWidth::Eighth, false},
    {12, kRed, PenWidth::Eighth, true},           {13, kRed, PenWidth::Eighth, false},
    {14, kGreen, PenWidth::Eighth, false},        {15, kBlue, PenWidth::Eighth, false},
    {16, kMagenta, PenWidth::Eighth, false},      {17, kWhite, PenWidth::Eighth, false},
    {18, kOrange, PenWidth::Eighth, false},       {22, kRed, PenWidth::PointEight, false},
    {25, kAqua, PenWidth::Eighth, false},         {26, kMagenta, PenWidth::Eighth, true},
    {33, kAqua, PenWidth::PointEight, false},     {58, kGreen, PenWidth::TwiceZoomed, false},
    {59, kGreen, PenWidth::Zoomed, false},        {60, kAqua, PenWidth::Zoomed, false},
    {61, kBlue, PenWidth::Zoomed, false},         {62, kWhite, PenWidth::Zoomed, false},
    {63, kBlack, PenWidth::OneAndHalfth, false},  {64, kRed, PenWidth::Zoomed, false},
    {71, kBlue, PenWidth::Half, false},           {74, kRed, PenWidth::Half, false},
    {75, kAqua, PenWidth::Half, false},           {76, kYellow, PenWidth::Half, false},
    {77, kYellow, PenWidth::PointEight, false},   {78, kOlive, PenWidth::PointFour, false},
    {79, kRed, PenWidth::PointFour, false},       {80, kAqua, PenWidth::PointFour, false},
};

const PenEntry* findPen(int code) {
  for (const PenEntry& e : kPens)
    if (e.code == code) return &e;
  return nullptr;
}

struct FontEntry {
  int code;
  const char* face;
  int divisor;  // N of the height formula
  int width;
  bool italic;
};

constexpr FontEntry kFonts[] = {
    {0, "Arial", 38, 0, false},  {1, "Arial", 30, 0, false},   {2, "Arial", 23, 0, false},
    {3, "Arial", 20, 0, false},  {4, "Arial", 16, 0, false},   {5, "Arial", 12, 0, false},
    {15, "Arial", 27, 0, false}, {16, "Arial", 27, 10, true},  {18, "Arial", 21, 0, false},
    {21, "Courier", 20, 0, false}, {22, "Courier", 22, 0, false}, {33, "Arial", 33, 0, false},
};

// Codes outside the table draw in font 0.
const FontEntry& findFont(int code) {
  for (const FontEntry& e : kFonts)
    if (e.code == code) return e;
  return kFonts[0];
}

constexpr const char* kElementNames[] = {"ElFuo1", "ElTer1", "ElAri1", "ElAcq1", "ElSal2", "ElZol2", "ElMer2"};

// The black-mode letter of a symbol file: "B" drawn on the screen, "N" on paper.
std::string_view blackModeLetter(bool blackMode, TargetKind kind) {
  if (!blackMode) return "";
  return kind == TargetKind::Screen ? "B" : "N";
}

constexpr const char* kTitle = "AstroMorva 3";

}  // namespace

void DrawingState::setScreenSize([[maybe_unused]] int widthPixels, int heightPixels) {
  DisplayScale = Extended(heightPixels) / 210;
  FontFactor = float(DisplayScale * 3.7L);
}

DrawingStateGuard::DrawingStateGuard(DrawingState& state)
    : state_(state),
      zoom_(state.Zoom),
      offsetX_(state.OffsetX),
      offsetY_(state.OffsetY),
      target_(state.Target),
      wheel_(state.Wheel) {}

DrawingStateGuard::~DrawingStateGuard() {
  state_.Zoom = zoom_;
  state_.OffsetX = offsetX_;
  state_.OffsetY = offsetY_;
  state_.Target = target_;
  state_.Wheel = wheel_;
}

Extended printerScaleFor(int pageWidth) { return Extended(pageWidth) / 210 * 0.776L; }

PrintScaleGuard::PrintScaleGuard(DrawingState& state, DrawTarget& printer, int pageWidth)
    : state_(state),
      displayScale_(state.DisplayScale),
      horizontalFactor_(state.HorizontalFactor),
      verticalFactor_(state.VerticalFactor),
      target_(state.Target) {
  state_.PrinterScale = printerScaleFor(pageWidth);
  state_.DisplayScale = state_.PrinterScale;
  state_.HorizontalFactor = 1;
  state_.VerticalFactor = 1;
  state_.FontFactor = float(roundNearest(Extended(pageWidth) / 82));
  state_.Target = &printer;
}

PrintScaleGuard::~PrintScaleGuard() {
  state_.DisplayScale = displayScale_;
  state_.HorizontalFactor = horizontalFactor_;
  state_.VerticalFactor = verticalFactor_;
  state_.FontFactor = float(roundNearest(state_.DisplayScale * 3.7L));
  state_.Target = target_;
}

Rgb penColour(int code) {
  const PenEntry* e = findPen(code);
  return e ? e->colour : kBlack;
}

int remappedPlanetCode(int code) {
  // One after the other, as the table lists them: 11 becomes 15 before 8
  // becomes 11, so 8 ends at 11.
  if (code == 9) code = 13;
  if (code == 10) code = 14;
  if (code == 11) code = 15;
  if (code == 8) code = 11;
  return code;
}

std::string planetSymbolFile(int code, bool blackMode, TargetKind kind) {
  std::string name = "Simboli\\PiaX";
  name += blackModeLetter(blackMode, kind);
  name += padZeros(remappedPlanetCode(code), 2);
  name += ".emf";
  return name;
}

std::string signSymbolFile(int sign, std::string_view prefix, bool blackMode, TargetKind kind) {
  std::string name = "Zodiaco\\Seg";
  name += prefix;
  name += blackModeLetter(blackMode, kind);
  name += padZeros(sign, 2);
  name += ".emf";
  return name;
}

std::string elementSymbolFile(int element, bool blackMode, TargetKind kind) {
  // A number outside 1..7 names no picture: the read fails on "Simboli\\.emf".
  std::string name = "Simboli\\";
  if (element >= 1 && element <= 7) name += kElementNames[element - 1];
  name += blackModeLetter(blackMode, kind);
  name += ".emf";
  return name;
}

Drawing::Drawing(DrawingState& state, MetafileCache& symbols) : state_(state), symbols_(symbols) {}

bool Drawing::onScreen() const { return state_.Target && state_.Target->kind() == TargetKind::Screen; }

DevicePoint Drawing::map(Extended y, Extended x) const {
  const Extended s = state_.DisplayScale, z = state_.Zoom;
  return {double(roundNearest(x / state_.HorizontalFactor * s * z) + state_.OffsetX),
          double(roundNearest(y / state_.VerticalFactor * s * z) + state_.OffsetY)};
}

void Drawing::moveTo(Extended y, Extended x) {
  current_ = map(y, x);
  target().moveTo(current_);
}

void Drawing::lineTo(Extended y, Extended x) {
  current_ = map(y, x);
  target().lineTo(current_);
}

void Drawing::line(Extended y1, Extended x1, Extended y2, Extended x2) {
  moveTo(y1, x1);
  lineTo(y2, x2);
}

void Drawing::circle(Extended r, Extended y, Extended x) {
  if (onScreen() && state_.Zoom == 1) {
    const DevicePoint topLeft = map(y - r, x - r), bottomRight = map(y + r, x + r);
    // Start and end on the same ray: the whole ellipse.
    const DevicePoint start = map(y, x + r);
    target().arc({topLeft.x, topLeft.y, bottomRight.x, bottomRight.y}, start, start);
    return;
  }
  moveTo(y - r, x);
  for (int step = 1; step <= 72; ++step) {
    const SinCos sc = sinCosDegrees(Extended(5 * step));
    lineTo(y - r * sc.cos, x + r * sc.sin);
  }
}

void Drawing::ellipse(Extended y1, Extended x1, Extended y2, Extended x2) {
  const DevicePoint a = map(y1, x1), b = map(y2, x2);
  target().ellipse({a.x, a.y, b.x, b.y});
}

void Drawing::rectangle(Extended y1, Extended x1, Extended y2, Extended x2) {
  const DevicePoint a = map(y1, x1), b = map(y2, x2);
  target().rectangle({a.x, a.y, b.x, b.y});
}

void Drawing::textLeft(std::string_view s, int font, Extended y, Extended x) { text(s, font, y, x, TextAlign::Left); }

void Drawing::textRight(std::string_view s, int font, Extended y, Extended x) { text(s, font, y, x, TextAlign::Right); }

void Drawing::textCentred(std::string_view s, int font, Extended y, Extended x) {
  text(s, font, y, x, TextAlign::Centre);
}

void Drawing::text(std::string_view s, int font, Extended y, Extended x, TextAlign align) {
  const FontDesc chosen = fontDesc(font);
  target().selectFont(chosen);
  font_ = chosen;
  if (state_.BlackMode) setTextColourRole(0);
  target().text(map(y, x), align, s);
  font_.reset();  // released: the next text selects its own
}

PenDesc Drawing::penDesc(int code) const {
  const Extended s = state_.DisplayScale, z = state_.Zoom;
  const PenEntry* e = findPen(code);
  Extended base = code < 10 ? s / 4 : s / 8;
  if (e) {
    switch (e->width) {
      case PenWidth::Quarter: base = s / 4; break;
      case PenWidth::Eighth: base = s / 8; break;
      case PenWidth::PointEight: base = s * 0.8L; break;
      case PenWidth::TwiceZoomed: base = s * z * 2; break;
      case PenWidth::Zoomed: base = s * z; break;
      case PenWidth::OneAndHalfth: base = s / 1.5L; break;
      case PenWidth::Half: base = s / 2; break;
      case PenWidth::PointFour: base = s * 0.4L; break;
    }
  }
  PenDesc pen;
  pen.style = e && e->dash ? PenStyle::Dash : PenStyle::Solid;
  pen.width = int(roundNearest(base * state_.LineThicknessFactor));
  pen.colour = e ? e->colour : kBlack;
  if (state_.BlackMode && pen.colour != kWhite) pen.colour = onScreen() ? kWhite : kBlack;
  return pen;
}

FontDesc Drawing::fontDesc(int code) const {
  const FontEntry& e = findFont(code);
  FontDesc font;
  font.face = e.face;
  const Extended cell = roundNearest(Extended(state_.FontFactor) * 30 * state_.Zoom);
  font.height = int(truncate(cell / e.divisor));
  font.width = e.width;
  font.italic = e.italic;
  const bool arial = font.face == "Arial";
  font.weight = arial ? 10 : 0;  // the Courier fonts leave the weight to the face
  font.quality = arial ? 2 : 0;
  return font;
}

void Drawing::applyPen(const PenDesc& pen) {
  pen_ = pen;
  target().selectPen(pen);
}

void Drawing::applyBrush(const BrushDesc& brush) {
  brush_ = brush;
  target().selectBrush(brush);
}

void Drawing::applyTextColour(Rgb colour) {
  textColour_ = colour;
  target().setTextColour(colour);
}

void Drawing::selectPen(int code) { applyPen(penDesc(code)); }

void Drawing::selectRolePen(int role) {
  const bool screen = onScreen();
  switch (role) {
    case 0: selectPen(screen ? 1 : 0); break;
    case 4: selectPen(screen ? 5 : 4); break;
    case 10: selectPen(screen ? 17 : 10); break;
    case 2: if (screen) selectPen(7); break;  // on paper the pen in use stays
    case 7: if (screen) selectPen(2); break;
    default: break;
  }
}

void Drawing::selectBrush(Rgb colour) {
  if (state_.BlackMode && colour != kWhite) {
    const bool screen = onScreen();
    // The sheet window draws its fills in the background colour (black on the
    // screen, white paper); other drawings fill with the drawing colour.
    if (state_.OwnerWindow)
      colour = screen ? kBlack : kWhite;
    else
      colour = screen ? kWhite : kBlack;
  }
  applyBrush({colour, false});
}

void Drawing::setTextColourRole(int role) {
  const bool screen = onScreen();
  switch (role) {
    case 0: applyTextColour(screen ? kWhite : kBlack); break;
    case 4: applyTextColour(screen ? kAqua : kBlue); break;
    default: break;  // the other roles keep the text colour in use
  }
}

void Drawing::setTextColour(Rgb colour) { applyTextColour(colour); }

void Drawing::setTextBackground(bool opaque, Rgb colour) {
  textOpaque_ = opaque;
  textBackground_ = colour;
  target().setTextBackground(opaque, colour);
}

void Drawing::restoreObjects() {
  DrawTarget& t = target();
  t.selectPen(pen_);
  t.selectBrush(brush_);
  t.setTextColour(textColour_);
  t.setTextBackground(textOpaque_, textBackground_);
  if (font_) t.selectFont(*font_);
  t.moveTo(current_);
}

void Drawing::symbol(const std::string& file, Extended size, Extended y, Extended x) {
  if (onScreen() && state_.OwnerWindow && !state_.OwnerVisible) return;
  // Whatever the picture selects, and also when it cannot be read, the layer's
  // own pen, brush and colours are in use again afterwards.
  struct Restore {
    Drawing& drawing;
    ~Restore() { drawing.restoreObjects(); }
  } restore{*this};
  const Metafile& picture = symbols_.get(file);
  const DevicePoint centre = map(y, x);
  const Extended half = size * state_.DisplayScale * state_.Zoom / 2;
  const DeviceRect box{double(roundNearest(centre.x - half)), double(roundNearest(centre.y - half)),
                       double(roundNearest(centre.x + half)), double(roundNearest(centre.y + half))};
  target().drawMetafile(picture, box);
}

void Drawing::planetSymbol(int code, Extended size, Extended y, Extended x) {
  symbol(planetSymbolFile(code, state_.BlackMode, target().kind()), size, y, x);
}

void Drawing::signSymbol(int sign, std::string_view prefix, Extended size, Extended y, Extended x) {
  symbol(signSymbolFile(sign, prefix, state_.BlackMode, target().kind()), size, y, x);
}

void Drawing::elementSymbol(int element, Extended size, Extended y, Extended x) {
  symbol(elementSymbolFile(element, state_.BlackMode, target().kind()), size, y, x);
}

void Drawing::dashedLine(Extended y1, Extended x1, Extended y2, Extended x2) {
  const Extended dy = y2 - y1, dx = x2 - x1;
  for (int dash = 0; dash < 15; ++dash) {
    const Extended from = Extended(3 * dash) / 44, to = Extended(3 * dash + 2) / 44;
    moveTo(y1 + dy * from, x1 + dx * from);
    lineTo(y1 + dy * to, x1 + dx * to);
  }
}

void Drawing::dottedLine(Extended y1, Extended x1, Extended y2, Extended x2, bool fine) {
  const Extended r = fine ? 0.3L : 0.5L;
  const auto dot = [&](Extended y, Extended x) { ellipse(y - r, x - r, y + r, x + r); };
  const Extended dy = y2 - y1, dx = x2 - x1;
  const Extended span = 1.8L * std::sqrt(dy * dy + dx * dx);
  // The step is 3 / (span - 1) of the segment; a segment too short for that
  // to be a positive step gets one dot at its start.
  if (!(span - 1 > 0)) {
    dot(y1, x1);
    return;
  }
  const Extended step = 3 / (span - 1);
  const long dots = long(roundNearest(span / 3));
  for (long i = 0; i < dots; ++i) dot(y1 + dy * (i * step), x1 + dx * (i * step));
}

void Drawing::pageFrame() {
  if (!onScreen() || !state_.PrinterAvailable) return;
  const Extended h = state_.PrinterLandscape ? 202 : 405;
  selectPen(7);
  moveTo(1, 1);
  lineTo(1, 279);
  lineTo(h, 279);
  lineTo(h, 1);
  lineTo(1, 1);
}

void Drawing::titleBox(Extended a, Extended b) {
  const Extended hf = state_.HorizontalFactor, vf = state_.VerticalFactor;
  const Extended c = (b + 5) / hf, d = (a + 130) / vf;
  const Extended k = state_.DisplayScale * state_.Zoom;
  // The badge's outline is placed with the factors already taken out of c and
  // d, so its points are scaled without them.
  const auto raw = [&](Extended u, Extended v) {
    return DevicePoint{double(roundNearest(u * k) + state_.OffsetX), double(roundNearest(v * k) + state_.OffsetY)};
  };
  const std::vector<DevicePoint> outline = {raw(c + 10, d - 2), raw(c + 25, d + 7), raw(c + 10, d + 12),
                                            raw(c + 20, d - 2), raw(c + 20, d + 13), raw(c + 10, d - 2)};
  const bool black = state_.BlackMode;
  selectPen(2);
  if (!black) selectBrush(0xFFFF00);
  target().polygon(outline);
  selectPen(2);
  if (!black) selectBrush(kRed);
  rectangle(d * vf, (c - 1) * hf, (d + 5) * vf, (c + 30) * hf);
  if (black) {
    setTextColourRole(4);
    textLeft(kTitle, 15, (d + 0.5L) * vf, c * hf);
    return;
  }
  // The red text box belongs to the title only; later texts are drawn on the
  // background that was in use before.
  const bool opaque = textOpaque_;
  const Rgb background = textBackground_;
  setTextColour(kWhite);
  setTextBackground(true, kRed);
  textLeft(kTitle, 15, (d + 0.5L) * vf, (c + 1) * hf);
  setTextBackground(opaque, background);
}

void Drawing::dateAndUserStamp(Extended a, Extended b) {
  setTextColourRole(0);
  textRight(todayText(), 1, a, b);
  textRight(state_.UserDisplayName, 15, a + 4, b);
}

}  // namespace qx
