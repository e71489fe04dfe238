#include "LineAdjustments.h"

#include <functional>

#include <gtest/gtest.h>

#include "FileBytes.h"
#include "RealText.h"
#include "TempFolder.h"
#include "TextFile.h"

namespace qxtest {
namespace {

using qx::Extended;
using qx::LineSettings;
using qx::LineThicknessStep;

TEST(LineThickness, StepsAreCappedAfterTheStep) {
  struct Case {
    Extended factor;
    LineThicknessStep step;
    Extended expected;
  };
  const Case cases[] = {
      {3.9L, LineThicknessStep::Increase, 4.0L},  // 3.9 / 0.95 = 4.105
      {1.0L, LineThicknessStep::Increase, 1.0L / 0.95L},
      {1.0L, LineThicknessStep::Decrease, 0.95L},
      {4.0L, LineThicknessStep::Increase, 4.0L},
      {4.0L, LineThicknessStep::Decrease, 3.8L},
      {0.52L, LineThicknessStep::Decrease, 0.5L},
      {0.5L, LineThicknessStep::Decrease, 0.5L},
      {0.5L, LineThicknessStep::Increase, 0.5L / 0.95L},
      {10.0L, LineThicknessStep::Decrease, 4.0L},  // a hand-edited factor is brought into range
      {0.1L, LineThicknessStep::Increase, 0.5L},
      {2.7L, LineThicknessStep::Reset, 1.0L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << double(c.factor) << " step " << int(c.step));
    EXPECT_EQ(qx::steppedLineThickness(c.factor, c.step), c.expected);
  }
}

TEST(LineThickness, RepeatedStepsStayWithinRange) {
  Extended factor = 1.0L;
  for (int i = 0; i < 60; ++i) factor = qx::steppedLineThickness(factor, LineThicknessStep::Increase);
  EXPECT_EQ(factor, 4.0L);
  for (int i = 0; i < 60; ++i) factor = qx::steppedLineThickness(factor, LineThicknessStep::Decrease);
  EXPECT_EQ(factor, 0.5L);
}

TEST(CircleShape, FactorOfSliderPosition) {
  const struct {
    int position;
    Extended factor;
  } cases[] = {{-200, 1.2L}, {0, 1.0L}, {200, 0.8L}, {57, 0.943L}, {-1, 1.001L}, {300, 0.8L}, {-999, 1.2L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_NEAR(double(qx::circleShapeFactor(c.position)), double(c.factor), 1e-15);
  }
}

TEST(CircleShape, EveryPositionSurvivesTheFileAndComesBackToTheSlider) {
  for (int p = qx::kMinCircleSliderPosition; p <= qx::kMaxCircleSliderPosition; ++p) {
    const auto stored = qx::leadingReal(qx::formatRealText(qx::circleShapeFactor(p)));
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(qx::circleShapeSliderPosition(*stored), p);
  }
  EXPECT_EQ(qx::circleShapeSliderPosition(0.5L), qx::kMaxCircleSliderPosition);
  EXPECT_EQ(qx::circleShapeSliderPosition(3.0L), qx::kMinCircleSliderPosition);
}

class LineAdjustmentsFile : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return temp.path() / "FileSet" / "MMVarLas.stt"; }
  std::vector<std::string> storedLines() const { return qx::readTextLines(file()); }

  TempFolder temp;
  qx::WorkFolder folder{temp.path()};
};

TEST_F(LineAdjustmentsFile, EachStepRewritesTheWholeFile) {
  writeBytes(file(), "1\r\n0\r\n0\r\n1\r\n 3.90000000000000E+0000\r\nDa definire\r\n 1.00000000000000E+0000\r\n"
                     " 1.00000000000000E+0000\r\n");
  LineSettings settings = qx::readLineSettings(folder);
  qx::applyLineThicknessStep(folder, settings, LineThicknessStep::Increase);
  EXPECT_EQ(settings.LineThicknessFactor, 4.0L);
  EXPECT_EQ(storedLines()[4], " 4.00000000000000E+0000");

  qx::applyLineThicknessStep(folder, settings, LineThicknessStep::Decrease);
  EXPECT_EQ(storedLines()[4], " 3.80000000000000E+0000");

  qx::applyCircleShape(folder, settings, 57, -120);
  EXPECT_EQ(storedLines()[6], " 9.43000000000000E-0001");
  EXPECT_EQ(storedLines()[7], " 1.12000000000000E+0000");

  qx::resetCircleShape(folder, settings);
  EXPECT_EQ(storedLines()[6], " 1.00000000000000E+0000");
  EXPECT_EQ(storedLines()[7], " 1.00000000000000E+0000");
  EXPECT_EQ(qx::readLineSettings(folder), settings);
}

TEST_F(LineAdjustmentsFile, NoBackupDestinationSurvivesEveryWholeFileWriter) {
  const std::pair<const char*, std::function<void(LineSettings&)>> writers[] = {
      {"thickness +", [&](LineSettings& s) { qx::applyLineThicknessStep(folder, s, LineThicknessStep::Increase); }},
      {"thickness -", [&](LineSettings& s) { qx::applyLineThicknessStep(folder, s, LineThicknessStep::Decrease); }},
      {"thickness reset", [&](LineSettings& s) { qx::applyLineThicknessStep(folder, s, LineThicknessStep::Reset); }},
      {"calibration", [&](LineSettings& s) { qx::applyCircleShape(folder, s, 150, -30); }},
      {"calibration reset", [&](LineSettings& s) { qx::resetCircleShape(folder, s); }},
      {"printer type", [&](LineSettings& s) {
         s.StoredValue1 = 1;
         s.PrinterCompatibilityMode = 1;
         qx::writeLineSettings(folder, s);
       }},
  };
  for (const auto& [name, write] : writers) {
    SCOPED_TRACE(name);
    writeBytes(file(), "3\r\n0\r\n5\r\n0\r\n 2.00000000000000E+0000\r\nDa definire\r\n 9.00000000000000E-0001\r\n"
                       " 1.10000000000000E+0000\r\n");
    LineSettings settings = qx::readLineSettings(folder);
    write(settings);
    const std::vector<std::string> lines = storedLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "Da definire");
    EXPECT_EQ(lines[3], "0");  // the calendar option is written back unchanged
    EXPECT_EQ(lines, qx::formatLineSettings(settings));
  }
}

}  // namespace
}  // namespace qxtest
