#pragma once
// One evaluation of the bodies at an instant (UT) into position lists of the
// raw layout (index = body number, see ChartRecord.h). Bodies 13 and 14 are
// not ephemeris bodies: the chart computation fills them.

#include <string>

#include "ChartRecord.h"
#include "CorrectionFiles.h"
#include "Extended.h"
#include "WorkFolder.h"

namespace qx {

// The two ephemeris settings of the engine settings file.
struct EphemerisSettings {
  std::string nodeKind = "VERO";  // "VERO" true node, anything else mean node
  std::string apogeeKind;         // "VERA": the corrected apogee
  bool trueNode() const { return nodeKind == "VERO"; }
  bool correctedApogee() const { return apogeeKind == "VERA"; }
};

class Ephemeris {
 public:
  // Reads the correction files from "FilePosi" under `folder`.
  explicit Ephemeris(WorkFolder folder);

  // `selection` 0: every body 1..19 in the order Sun, Moon, 3..10, 11, 12,
  // 15..19; 1..19: that body, preceded by the Sun when above 1 (and by the
  // Moon for the true node); 20 or 21: the Sun, the Moon and 3..10.
  // `pass` 0 is the main evaluation, 1 the auxiliary one.
  void evaluate(int selection, int pass, Extended jd, const EphemerisSettings& settings, PositionArray& lon,
                PositionArray& lat);

  // The series alone, with no correction file (for the generators and for
  // measuring the series).
  static void evaluateSeries(int selection, int pass, Extended jd, const EphemerisSettings& settings,
                             PositionArray& lon, PositionArray& lat);

 private:
  static void run(int selection, int pass, Extended jd, const EphemerisSettings& settings, CorrectionFiles* files,
                  PositionArray& lon, PositionArray& lat);

  CorrectionFiles files_;
};

}  // namespace qx
