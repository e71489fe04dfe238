#pragma once
// The Sun (with the Earth's heliocentric vector), the Moon, the lunar node and
// the mean lunar apogee with its optional correction.

#include "Extended.h"
#include "Fundamentals.h"
#include "Kepler.h"

namespace qx {

class CorrectionFiles;

struct EclipticPosition {
  Extended lon = 0;  // degrees 0..360
  Extended lat = 0;  // degrees
};

// The Sun's apparent longitude (latitude 0) and, as a by-product, the Earth's
// heliocentric position and velocity that the planets subtract.
EclipticPosition computeSun(const FundamentalArguments& args, HeliocentricState& earth);

// The Moon's apparent longitude and latitude. With `files`, the longitude gets
// the DSEL correction inside its window (1721422.5 < JD < 2499373.5).
EclipticPosition computeMoon(const FundamentalArguments& args, CorrectionFiles* files);

// Mean node; the true node when `trueNode` (needs the Sun's and the Moon's
// longitudes of the same evaluation), with the DPR1 field 9 correction inside
// 1721433.5 < JD < 2499373.5 when `files` is given.
Extended meanNodeLongitude(const FundamentalArguments& args);
Extended computeLunarNode(const FundamentalArguments& args, bool trueNode, Extended sunLon, Extended moonLon,
                          CorrectionFiles* files);

// Mean apogee G + 180; with `corrected` (the apogee kind "VERA") and `files`,
// the NOJLNE correction inside 2396758.5 <= JD < 2488433.5.
Extended computeLunarApogee(const FundamentalArguments& args, bool corrected, CorrectionFiles* files);

// Date windows of the corrections.
inline bool moonCorrectionApplies(Extended jd) { return jd > 1721422.5L && jd < 2499373.5L; }
inline bool nodeCorrectionApplies(Extended jd) { return jd > 1721433.5L && jd < 2499373.5L; }
inline bool apogeeCorrectionApplies(Extended jd) { return jd >= 2396758.5L && jd < 2488433.5L; }

}  // namespace qx
