#include "LineAdjustments.h"

#include <algorithm>
#include <cmath>

namespace qx {

Extended steppedLineThickness(Extended factor, LineThicknessStep step) {
  switch (step) {
    case LineThicknessStep::Increase:
      factor /= kLineThicknessRatio;
      break;
    case LineThicknessStep::Decrease:
      factor *= kLineThicknessRatio;
      break;
    case LineThicknessStep::Reset:
      return 1.0L;
  }
  return std::clamp(factor, kMinLineThickness, kMaxLineThickness);
}

void applyLineThicknessStep(const WorkFolder& folder, LineSettings& settings, LineThicknessStep step) {
  settings.LineThicknessFactor = steppedLineThickness(settings.LineThicknessFactor, step);
  writeLineSettings(folder, settings);
}

Extended circleShapeFactor(int sliderPosition) {
  const int p = std::clamp(sliderPosition, kMinCircleSliderPosition, kMaxCircleSliderPosition);
  return 1.0L - Extended(p) / 1000.0L;
}

int circleShapeSliderPosition(Extended factor) {
  // Halves round to the even position.
  const Extended position = std::nearbyint((1.0L - factor) * 1000.0L);
  if (!(position >= kMinCircleSliderPosition)) return kMinCircleSliderPosition;  // also NaN
  if (position > kMaxCircleSliderPosition) return kMaxCircleSliderPosition;
  return static_cast<int>(position);
}

void applyCircleShape(const WorkFolder& folder, LineSettings& settings, int horizontalPosition,
                      int verticalPosition) {
  settings.HorizontalFactor = circleShapeFactor(horizontalPosition);
  settings.VerticalFactor = circleShapeFactor(verticalPosition);
  writeLineSettings(folder, settings);
}

void resetCircleShape(const WorkFolder& folder, LineSettings& settings) {
  settings.HorizontalFactor = 1.0L;
  settings.VerticalFactor = 1.0L;
  writeLineSettings(folder, settings);
}

}  // namespace qx
