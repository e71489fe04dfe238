#pragma once
// The drawing layer: every picture (the chart window, the summary sheets, the
// calibration page) is drawn in logical page units, about one millimetre
// each (x 1..279; y 1..202 landscape, 1..405 portrait), and mapped here to
// the device units of the current target. Pens, brushes, fonts and symbol
// pictures are chosen by small integer codes.
//
// The state is one object (DrawingState) that the application holds and the
// windows pass on; a drawing that changes the zoom, the offsets, the target or
// the wheel layout restores them on every path (DrawingStateGuard).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "DrawTarget.h"
#include "Extended.h"
#include "WorkFolder.h"

namespace qx {

class MetafileCache;

// The summary-sheet wheel: W1, W2 the centre's x and y, W3..W8 radii.
using WheelLayout = std::array<std::int32_t, 8>;
inline constexpr WheelLayout kSheetWheelLayout = {173, 105, 67, 57, 57, 44, 44, 38};

struct DrawingState {
  Extended DisplayScale = 1;     // S: device units per logical unit (screen height / 210)
  float FontFactor = 3.7f;       // F: base of the font heights (S x 3.7)
  Extended PrinterScale = 1;     // replaces S while printing
  Extended Zoom = 1;             // Z
  std::int32_t OffsetX = 0;      // device offsets added after scaling
  std::int32_t OffsetY = 0;
  Extended HorizontalFactor = 1; // HF: x is divided by it
  Extended VerticalFactor = 1;   // VF: y is divided by it
  Extended LineThicknessFactor = 1;  // T: pen widths are multiplied by it
  Extended WheelStretch = 1;     // K: extra factor on the vertical of wheel points
  bool BlackMode = false;
  WheelLayout Wheel = kSheetWheelLayout;

  // Where primitives draw; the screen target unless a print or a metafile is
  // being made. Not owned.
  DrawTarget* Target = nullptr;

  // A window owns the symbol drawings while it shows them (the sheet window);
  // on the screen symbols are drawn only while that window is visible. With no
  // owner window, symbols are always drawn.
  bool OwnerWindow = false;
  bool OwnerVisible = true;

  // For the page frame and the stamp.
  bool PrinterAvailable = false;
  bool PrinterLandscape = true;
  std::string UserDisplayName;  // Windows-1252

  // S = screen height / 210 and F = S x 3.7.
  void setScreenSize(int widthPixels, int heightPixels);
};

// Keeps Zoom, the offsets, the target and the wheel layout, and puts them
// back when it goes out of scope, also when the drawing raises an error.
class DrawingStateGuard {
 public:
  explicit DrawingStateGuard(DrawingState& state);
  ~DrawingStateGuard();
  DrawingStateGuard(const DrawingStateGuard&) = delete;
  DrawingStateGuard& operator=(const DrawingStateGuard&) = delete;

 private:
  DrawingState& state_;
  Extended zoom_;
  std::int32_t offsetX_, offsetY_;
  DrawTarget* target_;
  WheelLayout wheel_;
};

// The printer scale: the printer's page width in device units / 210 x 0.776.
Extended printerScaleFor(int pageWidth);

// One printed sheet. While it lives the target is the printer, S is the
// printer scale of the page width (also kept as PrinterScale), both circle
// factors are 1 (circles are round on paper whatever the screen's calibration)
// and F = round(page width / 82). Afterwards S, HF, VF and the target come
// back, and F becomes round(S x 3.7): the screen fonts use that rounded factor
// from the first print on.
class PrintScaleGuard {
 public:
  PrintScaleGuard(DrawingState& state, DrawTarget& printer, int pageWidth);
  ~PrintScaleGuard();
  PrintScaleGuard(const PrintScaleGuard&) = delete;
  PrintScaleGuard& operator=(const PrintScaleGuard&) = delete;

 private:
  DrawingState& state_;
  Extended displayScale_, horizontalFactor_, verticalFactor_;
  DrawTarget* target_;
};

// Pen colours of the code table, before black mode; any other code is black.
Rgb penColour(int code);

// "Simboli\\PiaX01.emf", "Simboli\\PiaXB11.emf", "Zodiaco\\SegMN03.emf",
// "Simboli\\ElFuo1N.emf" ... for the target kind and black mode. Planet codes
// are remapped first (9 -> 13, 10 -> 14, 11 -> 15, then 8 -> 11).
std::string planetSymbolFile(int code, bool blackMode, TargetKind kind);
std::string signSymbolFile(int sign, std::string_view prefix, bool blackMode, TargetKind kind);
std::string elementSymbolFile(int element, bool blackMode, TargetKind kind);
int remappedPlanetCode(int code);

class Drawing {
 public:
  Drawing(DrawingState& state, MetafileCache& symbols);

  DrawingState& state() { return state_; }
  DrawTarget& target() { return *state_.Target; }
  bool onScreen() const;  // the target is the screen (else paper: printer or metafile)

  // Logical (y, x) to device: x' = round(x / HF * S * Z) + OffsetX,
  // y' = round(y / VF * S * Z) + OffsetY.
  DevicePoint map(Extended y, Extended x) const;

  // Every primitive takes the vertical coordinate first.
  void moveTo(Extended y, Extended x);
  void lineTo(Extended y, Extended x);
  void line(Extended y1, Extended x1, Extended y2, Extended x2);  // move to, line to
  // On the screen at Z = 1 one elliptic arc; otherwise 72 segments.
  void circle(Extended r, Extended y, Extended x);
  void ellipse(Extended y1, Extended x1, Extended y2, Extended x2);
  void rectangle(Extended y1, Extended x1, Extended y2, Extended x2);
  void textLeft(std::string_view text, int font, Extended y, Extended x);
  void textRight(std::string_view text, int font, Extended y, Extended x);
  void textCentred(std::string_view text, int font, Extended y, Extended x);

  void selectPen(int code);
  void selectRolePen(int role);
  void selectBrush(Rgb colour);
  void setTextColourRole(int role);
  // A text colour by value (the red retrograde mark); in black mode the next
  // text's font selection replaces it with the role-0 colour.
  void setTextColour(Rgb colour);
  // Opaque: texts are drawn on a box of the colour; transparent at first.
  void setTextBackground(bool opaque, Rgb colour);

  // The device objects a code stands for at the current scale, zoom, line
  // thickness, target and black mode.
  PenDesc penDesc(int code) const;
  FontDesc fontDesc(int code) const;

  // Metafile symbols in a square of side `size` (x S x Z) centred on (y, x).
  // A missing file raises IoError after the target's objects are restored.
  void planetSymbol(int code, Extended size, Extended y, Extended x);
  void signSymbol(int sign, std::string_view prefix, Extended size, Extended y, Extended x);
  void elementSymbol(int element, Extended size, Extended y, Extended x);

  void dashedLine(Extended y1, Extended x1, Extended y2, Extended x2);
  void dottedLine(Extended y1, Extended x1, Extended y2, Extended x2, bool fine = false);

  void pageFrame();
  void titleBox(Extended y, Extended x);
  void dateAndUserStamp(Extended y, Extended x);

 private:
  void applyPen(const PenDesc& pen);
  void applyBrush(const BrushDesc& brush);
  void applyTextColour(Rgb colour);
  void text(std::string_view text, int font, Extended y, Extended x, TextAlign align);
  void symbol(const std::string& file, Extended size, Extended y, Extended x);
  void restoreObjects();

  DrawingState& state_;
  MetafileCache& symbols_;
  // What is selected on the target, so that a symbol's own objects can be
  // replaced by them again.
  PenDesc pen_;
  BrushDesc brush_;
  Rgb textColour_ = kBlack;
  bool textOpaque_ = false;
  Rgb textBackground_ = kWhite;
  std::optional<FontDesc> font_;  // only while a text is being drawn
  DevicePoint current_;           // the target's current point
};

}  // namespace qx
