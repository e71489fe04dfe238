#include "ChartEngine.h"

#include <cmath>
#include <stdexcept>

#include "Angles.h"
#include "Calendar.h"
#include "IoError.h"
#include "RealText.h"
#include "RecordFile.h"
#include "TextHelpers.h"

namespace qx {

void evaluateChart(Ephemeris& ephemeris, ChartRecord& chart, int body, int pass, Extended jd) {
  const EphemerisSettings settings{chart.NodeKind, chart.ApogeeKind};
  // Body 13, the Ascendant, is cusp 1 of the chart's houses; the ephemeris
  // computes the Sun before it.
  const int ephemerisSelection = body == kAscendantBody ? kSun : body;
  ephemeris.evaluate(ephemerisSelection, pass, jd, settings, chart.Lon, chart.Lat);
  if (body == 0 || body == kAscendantBody) {
    chart.Lon[kAscendantBody] = chart.Cusp[1];
    chart.Lat[kAscendantBody] = 0;
  }
}

void evaluateWithMotion(Ephemeris& ephemeris, ChartRecord& chart, int body, Extended jd) {
  evaluateChart(ephemeris, chart, body, 1, jd + 0.001L);
  const PositionArray later = chart.Lon;
  evaluateChart(ephemeris, chart, body, 0, jd);
  for (int i = 1; i <= 19; ++i) {
    if (later[i] < chart.Lon[i] && std::fabs(later[i] - chart.Lon[i]) < 5) chart.Lon[i] = -chart.Lon[i];
  }
}

namespace {

int digitsAt(std::string_view text, std::size_t first, std::size_t count) {
  const auto value = parseInteger(text.substr(std::min(first, text.size()), count));
  return value ? int(*value) : 0;
}

char charAt(std::string_view text, std::size_t position) { return position < text.size() ? text[position] : ' '; }

}  // namespace

GeoPosition geoPositionOfCoordinates(std::string_view c) {
  GeoPosition p;
  p.latitudeDegrees = digitsAt(c, 0, 2);
  p.latitudeLetter = charAt(c, 2);
  p.latitudeMinutes = digitsAt(c, 3, 2);
  p.longitudeDegrees = digitsAt(c, 6, 3);
  p.longitudeLetter = charAt(c, 9);
  p.longitudeMinutes = digitsAt(c, 10, 2);
  return p;
}

std::string cleanPlaceText(std::string_view placeName) {
  std::string out;
  bool firstStar = true;
  for (char c : placeName) {
    if (c == '*') {
      c = firstStar ? '(' : ')';
      firstStar = false;
    }
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

ChartEngine::ChartEngine(WorkFolder folder) : folder_(folder), ephemeris_(std::move(folder)) {}

void ChartEngine::computeChart() {
  // The chart is written in place; nothing may start another computation
  // while one runs.
  if (computing_) throw std::logic_error("computeChart re-entered");
  computing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{computing_};
  ChartRecord& c = chart_;

  // 1. The current subject's records.
  {
    const RecordFile index(folder_.resolve("TMPR.ST1"), IndexRecord::kSize, RecordFile::Mode::Read);
    currentIndex_ = index.readRecord<IndexRecord>(0);
    const RecordFile birth(folder_.resolve("TMPR.ST2"), BirthRecord::kSize, RecordFile::Mode::Read);
    currentBirth_ = birth.readRecord<BirthRecord>(0);
  }

  // 2. Date, time and correction; every "." of the date field becomes ",".
  std::string dateKey = currentBirth_.DateKey();
  for (char& ch : dateKey)
    if (ch == '.') ch = ',';
  currentBirth_.setDateKey(dateKey);
  dateKey.resize(20, ' ');
  c.DateTimeText = dateKey.substr(6, 2) + "/" + dateKey.substr(4, 2) + "/" + dateKey.substr(0, 4) + " " +
                   dateKey.substr(8, 2) + ":" + dateKey.substr(10, 2);
  const auto corr = parseReal(dateKey.substr(12, 5));
  if (!corr) throw IoError(IoErrorCode::InvalidNumber, folder_.resolve("TMPR.ST2").string());
  c.Corr = *corr;

  // 3. Coordinates and place.
  const std::string place = currentBirth_.PlaceField();
  c.CoordText = place.substr(0, 12);
  c.PlaceText = cleanPlaceText(place.size() > 12 ? std::string_view(place).substr(12, 28) : std::string_view());

  // 4. Calendar.
  c.Gregorian = currentBirth_.CalendarCode() == "GR" ? 1 : 0;

  // 5-6. The instant in UT.
  const std::string& dt = c.DateTimeText;
  const int day = digitsAt(dt, 0, 2), month = digitsAt(dt, 3, 2), year = digitsAt(dt, 6, 4);
  const int hour = digitsAt(dt, 11, 2), minute = digitsAt(dt, 14, 2);
  c.JdUt = julianDay(c.Gregorian, year, month, day, hour, minute) + c.Corr / 24;

  // 7-8. Houses: Placidus, then the chart's equal houses from the Ascendant.
  const GeoPosition where = geoPositionOfCoordinates(c.CoordText);
  HouseState houses{c.Cusp, c.LocalSiderealTime, c.McRadians, c.AscRadians};
  for (std::string_view system : {kPlacidus, kEqualFromAscendant}) {
    c.HouseSystem = std::string(system);
    computeHouses(c.HouseSystem, c.JdUt, c.Corr, hour, minute, where, houses);
  }
  c.Cusp = houses.cusp;
  c.LocalSiderealTime = houses.localSiderealTime;
  c.McRadians = houses.mcRadians;
  c.AscRadians = houses.ascRadians;

  // 9-10. Every body with its motion; the retrograde marks.
  qx::evaluateWithMotion(ephemeris_, c, 0, c.JdUt);
  const bool nodeBackwards = c.Lon[kLunarNode] < 0;
  for (int i = 1; i <= kMarkCount; ++i) {
    c.RetroMark[i] = (c.Lon[i] < 0 && i <= 9) ? "r" : " ";
    c.Lon[i] = std::fabs(c.Lon[i]);
  }
  c.RetroMark[kNorthNode] = c.RetroMark[kSouthNode] = nodeBackwards ? "r" : " ";

  // 11. Outside the valid range the minor bodies are cleared.
  if (!inValidRange(c.JdUt)) {
    for (int i = kCeres; i <= kChiron; ++i) {
      c.Lon[i] = 0;
      c.AuxLon[i] = 0;
      c.RetroMark[i] = " ";
    }
  }

  // 12. Signs, in the raw layout.
  for (int i = 1; i <= kMarkCount; ++i) c.SignOf[i] = std::uint8_t(signIndex(c.Lon[i]));

  // 13. Texts.
  c.CorrText = signedCorrText(c.Corr);
  c.JdText = "JD=" + generalFloatText(c.JdUt).substr(0, 12);

  // 14. The display layout of indices 8 to 11.
  c.Lon[kNorthNode] = c.Lon[kLunarNode];
  c.Lon[kSouthNode] = normalize360(c.Lon[kNorthNode] + 180);
  c.Lon[kAscendant] = c.Cusp[1];
  c.Lon[kMidheaven] = c.McRadians / kDegToRad;
  for (int i = kNorthNode; i <= kMidheaven; ++i) c.Lat[i] = 0;
}

}  // namespace qx
