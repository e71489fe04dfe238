#pragma once
// The adjustments the line-thickness and calibration windows make to the line
// settings: pure steps on the values, and the same steps followed by the
// rewrite of the whole settings file, which those windows do after every change.

#include "Extended.h"
#include "LineSettings.h"
#include "WorkFolder.h"

namespace qx {

// Line thickness: "+" divides the factor by 0.95, "-" multiplies it by 0.95;
// after the step the factor is kept between 0.5 and 4. "Reset" gives 1.0.
inline constexpr Extended kLineThicknessRatio = 0.95L;
inline constexpr Extended kMinLineThickness = 0.5L;
inline constexpr Extended kMaxLineThickness = 4.0L;

enum class LineThicknessStep { Increase, Decrease, Reset };

Extended steppedLineThickness(Extended factor, LineThicknessStep step);

// Applies the step to `settings` and writes the whole file.
void applyLineThicknessStep(const WorkFolder& folder, LineSettings& settings, LineThicknessStep step);

// Circle shape: a slider position p (-200 to 200) gives the factor 1 - p/1000.
inline constexpr int kMinCircleSliderPosition = -200;
inline constexpr int kMaxCircleSliderPosition = 200;

// Positions outside the slider's range are taken as its nearest end.
Extended circleShapeFactor(int sliderPosition);

// The slider position that shows a factor: round((1 - factor) * 1000), kept
// within the slider's range (a hand-edited file may hold any factor).
int circleShapeSliderPosition(Extended factor);

// Sets HorizontalFactor and VerticalFactor from the two slider positions and
// writes the whole file.
void applyCircleShape(const WorkFolder& folder, LineSettings& settings, int horizontalPosition,
                      int verticalPosition);

// "Reset": both factors 1.0, then the file is written.
void resetCircleShape(const WorkFolder& folder, LineSettings& settings);

}  // namespace qx
