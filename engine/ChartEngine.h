#pragma once
// The engine's entry points over a chart record, and the chart computation of
// the current subject.
//
// `ChartEngine` owns the program's one current chart, the ephemeris with its
// correction files, and the current subject's records as last read. The
// application creates one and hands it to every window that reads or
// recomputes the chart.

#include <string>

#include "ArchiveRecords.h"
#include "ChartRecord.h"
#include "Ephemeris.h"
#include "Extended.h"
#include "Houses.h"
#include "WorkFolder.h"

namespace qx {

// One evaluation into `chart` (raw layout). `body` 0 computes every body
// 1..19 in the order Sun, Moon, 3..10, 11, 12, 13 (the Ascendant, cusp 1, latitude
// 0), 15..19 (14 is left to the caller); 1..19 that body, preceded by the Sun
// when above 1; 20 and 21 the Sun, the Moon and 3..10. `pass` 1 is the
// auxiliary evaluation, 0 the main one. The node and apogee kinds are the
// chart's own settings.
void evaluateChart(Ephemeris& ephemeris, ChartRecord& chart, int body, int pass, Extended jd);

// Evaluates at jd + 0.001 (pass 1) and at jd (pass 0), and negates Lon[i]
// (i = 1..19) of the main evaluation when the later longitude is smaller and
// the two differ by less than 5 degrees: a negative longitude marks a body
// moving backwards (the 0/360 jump is not motion).
void evaluateWithMotion(Ephemeris& ephemeris, ChartRecord& chart, int body, Extended jd);

// The place of a subject's coordinates text ("41N54-012E30").
GeoPosition geoPositionOfCoordinates(std::string_view coordinatesText);

// The place name of a subject, cleaned for showing: the first "*" becomes "(",
// every later one ")", and a blank that follows a blank is dropped.
std::string cleanPlaceText(std::string_view placeName);

class ChartEngine {
 public:
  explicit ChartEngine(WorkFolder folder);

  const WorkFolder& folder() const { return folder_; }
  ChartRecord& chart() { return chart_; }
  const ChartRecord& chart() const { return chart_; }
  Ephemeris& ephemeris() { return ephemeris_; }

  // The engine entry for a single evaluation at an instant (raw layout).
  void evaluate(int body, int pass, Extended jd) { evaluateChart(ephemeris_, chart_, body, pass, jd); }
  void evaluateWithMotion(int body, Extended jd) { qx::evaluateWithMotion(ephemeris_, chart_, body, jd); }

  // Reads record 0 of "TMPR.ST1" and "TMPR.ST2" and computes the whole chart
  // of the current subject: equal houses from the Ascendant (after Placidus),
  // every body with its motion, retrograde marks, signs, texts, and the display
  // layout of indices 8 to 11. The node and apogee kinds are those held in the
  // chart record. A missing or short file raises IoError; a correction text
  // that is not a number raises IoError(InvalidNumber) naming "TMPR.ST2".
  void computeChart();

  // The current subject's records as the last computeChart read them (the
  // date field with every "." turned into ",").
  const IndexRecord& currentIndex() const { return currentIndex_; }
  const BirthRecord& currentBirth() const { return currentBirth_; }

 private:
  WorkFolder folder_;
  Ephemeris ephemeris_;
  ChartRecord chart_;
  IndexRecord currentIndex_;
  BirthRecord currentBirth_;
  bool computing_ = false;
};

}  // namespace qx
