#include <gtest/gtest.h>

#include <cmath>

#include "Angles.h"
#include "ArchiveRecords.h"
#include "Calendar.h"
#include "ChartEngine.h"
#include "IoError.h"
#include "RecordFile.h"
#include "TempFolder.h"

namespace {

using qx::ChartEngine;

// A working folder with the installed engine data and a current subject.
class ChartFolder {
 public:
  ChartFolder() { folder_.copyInstallation(); }

  void setSubject(const std::string& name, const std::string& dateKey, const std::string& placeField,
                  const std::string& calendar = "GR") {
    const qx::IndexRecord index(qx::makeIndexText(name, 0));
    qx::BirthRecord birth;
    birth.setDateKey(dateKey);
    birth.setPlaceField(placeField);
    birth.setCalendarCode(calendar);
    birth.setNationality("ITALIA");
    birth.setAnnotationIndex("00000");
    qx::RecordFile(folder_.path() / "TMPR.ST1", 44, qx::RecordFile::Mode::Create).writeRecord(0, index);
    qx::RecordFile(folder_.path() / "TMPR.ST2", 385, qx::RecordFile::Mode::Create).writeRecord(0, birth);
  }

  ChartEngine& engine() {
    engine_.chart().NodeKind = "VERO";
    engine_.chart().ApogeeKind = "VERA";
    return engine_;
  }
  const std::filesystem::path& path() const { return folder_.path(); }

 private:
  qxtest::TempFolder folder_;
  ChartEngine engine_{qx::WorkFolder(folder_.path())};
};

TEST(ComputeChart, InstalledSubjectTextsAndLayout) {
  ChartFolder f;  // the installation's own subject: Rome, 15/06/1968 14:30, summer time
  ChartEngine& e = f.engine();
  e.computeChart();
  const qx::ChartRecord& c = e.chart();
  EXPECT_EQ(c.DateTimeText, "15/06/1968 14:30");
  EXPECT_EQ(c.Corr, -2);
  EXPECT_EQ(c.CorrText, "+2.00");
  EXPECT_EQ(c.CoordText, "41N54-012E30");
  EXPECT_EQ(c.PlaceText, "ROMA (RM)");
  EXPECT_EQ(c.Gregorian, 1);
  EXPECT_EQ(c.HouseSystem, "CASE_MEDIE");
  const long double jd = qx::julianDay(1, 1968, 6, 15, 12, 30);  // 14:30 - 2 h
  EXPECT_NEAR(static_cast<double>(c.JdUt), static_cast<double>(jd), 1e-9);
  EXPECT_EQ(c.JdText, "JD=2440023,0208");  // the first 12 characters of 2440023,02083333

  // Equal houses from the Ascendant.
  for (int k = 1; k <= 12; ++k)
    EXPECT_NEAR(static_cast<double>(c.Cusp[k]), static_cast<double>(qx::normalize360(c.Cusp[1] + 30 * (k - 1))), 1e-12);
  // The display layout of 8..11.
  EXPECT_NEAR(static_cast<double>(c.Lon[qx::kSouthNode]),
              static_cast<double>(qx::normalize360(c.Lon[qx::kNorthNode] + 180)), 1e-12);
  EXPECT_EQ(c.Lon[qx::kAscendant], c.Cusp[1]);
  EXPECT_NEAR(static_cast<double>(c.Lon[qx::kMidheaven]), static_cast<double>(c.McRadians * qx::kRadToDeg), 1e-12);
  for (int i = 8; i <= 11; ++i) EXPECT_EQ(c.Lat[i], 0);
  // Signs are those of the raw layout: index 8 is Uranus's (Virgo in 1968),
  // not the north node's.
  EXPECT_EQ(c.SignOf[8], 6);
  EXPECT_EQ(c.SignOf[1], 3);  // the Sun in Gemini
  // Every longitude is positive after the marks are taken.
  for (int i = 1; i <= 22; ++i) EXPECT_GE(c.Lon[i], 0) << i;
}

TEST(ComputeChart, CorrectionWithPointOrCommaAndThePlaceText) {
  ChartFolder f;
  for (const char* dateKey : {"198001021030+5.5", "198001021030+5,5"}) {
    SCOPED_TRACE(dateKey);
    f.setSubject("VERDI ANNA", dateKey, "45N28-009E11MILANO  *MI*  ");
    ChartEngine& e = f.engine();
    e.computeChart();
    EXPECT_EQ(e.chart().Corr, 5.5L);
    EXPECT_EQ(e.chart().CorrText, "-5.50");
    EXPECT_EQ(e.currentBirth().DateKey(), "198001021030+5,5");  // "." turned into "," in the buffer
    EXPECT_EQ(e.chart().PlaceText, "MILANO (MI) ");
  }
}

TEST(ComputeChart, MinorBodiesAreClearedOutsideTheValidRange) {
  ChartFolder f;
  f.setSubject("ANTICO", "184912310000+0", "41N54-012E30ROMA *RM*");
  ChartEngine& e = f.engine();
  e.chart().AuxLon.fill(7);
  e.computeChart();
  for (int i = qx::kCeres; i <= qx::kChiron; ++i) {
    EXPECT_EQ(e.chart().Lon[i], 0) << i;
    EXPECT_EQ(e.chart().AuxLon[i], 0) << i;
    EXPECT_EQ(e.chart().RetroMark[i], " ") << i;
  }
  EXPECT_NE(e.chart().Lon[qx::kSun], 0);  // the chart itself is computed

  f.setSubject("RECENTE", "185001010000+0", "41N54-012E30ROMA *RM*");
  e.computeChart();
  EXPECT_NE(e.chart().Lon[qx::kCeres], 0);
}

TEST(ComputeChart, RetrogradeMarks) {
  ChartFolder f;
  // 1 May 2023, 12h UT: Mercury retrograde (21 April - 14 May), Saturn direct.
  f.setSubject("PROVA", "202305011200+0", "41N54-012E30ROMA *RM*");
  ChartEngine& e = f.engine();
  e.computeChart();
  EXPECT_EQ(e.chart().RetroMark[qx::kMercury], "r");
  EXPECT_EQ(e.chart().RetroMark[qx::kSaturn], " ");
  EXPECT_EQ(e.chart().RetroMark[qx::kSun], " ");
  // With the mean node both node marks show its backward motion.
  e.chart().NodeKind = "MEDIO";
  e.computeChart();
  EXPECT_EQ(e.chart().RetroMark[qx::kNorthNode], "r");
  EXPECT_EQ(e.chart().RetroMark[qx::kSouthNode], "r");
  // Pluto (index 10) is never marked.
  EXPECT_EQ(e.chart().RetroMark[10], " ");
}

TEST(EvaluateWithMotion, PassingZeroAriesIsNotRetrograde) {
  ChartFolder f;
  ChartEngine& e = f.engine();
  // Find an instant a little before the Moon reaches 360.
  long double lo = 2451545.0L, hi = lo + 30;
  qx::ChartRecord& c = e.chart();
  auto moonAt = [&](long double jd) {
    e.evaluate(qx::kMoon, 0, jd);
    return c.Lon[qx::kMoon];
  };
  // Coarse scan for a crossing, then bisection.
  for (long double jd = lo; jd < hi; jd += 0.5L)
    if (moonAt(jd) > 350 && moonAt(jd + 0.5L) < 10) {
      lo = jd;
      hi = jd + 0.5L;
      break;
    }
  while (hi - lo > 1e-6L) {
    const long double mid = (lo + hi) / 2;
    (moonAt(mid) > 180 ? lo : hi) = mid;
  }
  e.evaluateWithMotion(qx::kMoon, lo - 0.0002L);
  EXPECT_GT(c.Lon[qx::kMoon], 359.99L);  // positive: moving forward across 0
}

TEST(ComputeChart, MissingCurrentSubjectIsTheRuntimeError) {
  ChartFolder f;
  std::filesystem::remove(f.path() / "TMPR.ST2");
  EXPECT_THROW(f.engine().computeChart(), qx::IoError);
}

}  // namespace
