#pragma once
// Comparison of the engine with the Swiss Ephemeris: the bodies at many
// instants, and the house systems at the same sidereal time, obliquity and
// latitude. Errors are in arc-seconds.

#include <string>
#include <vector>

#include "Ephemeris.h"

namespace qxref {

// Points the reference at its data files; call once before any comparison.
void initReference();

struct ErrorStats {
  double lonMax = 0, latMax = 0;
  double lonSquares = 0, latSquares = 0;
  long count = 0;
  double lonMaxAt = 0, latMaxAt = 0;  // where the maxima occur (JD, or latitude for houses)

  void add(double lonError, double latError, double where);
  double lonRms() const;
  double latRms() const;
};

// The compared quantities, in the order of the printed table.
struct ComparedBody {
  std::string name;
  int engineBody;     // index in the position lists
  int referenceBody;  // the reference's body number
  bool hasLatitude;
  std::string nodeKind;  // settings for this comparison
  bool minor;            // shown nowhere: reported, not held to a target
};
const std::vector<ComparedBody>& comparedBodies();

// `count` instants spread over [first, last): one random instant in each of
// `count` equal slices (fixed seed, so every run compares the same instants).
std::vector<double> spreadInstants(double first, double last, int count, unsigned seed = 1);

// Errors of every compared body at the instants, the engine reading its
// correction files from `workFolder`.
std::vector<ErrorStats> compareBodies(const qx::WorkFolder& workFolder, const std::vector<double>& instants);

// House systems: the engine's name and the reference's code.
struct ComparedHouseSystem {
  std::string name;
  char code;
};
const std::vector<ComparedHouseSystem>& comparedHouseSystems();

// Cusp errors (in `lonMax`/`lonRms`, worst over the twelve cusps) of one
// system over a grid of RAMC and latitudes in [minLatitude, maxLatitude].
ErrorStats compareHouses(const ComparedHouseSystem& system, double obliquity, double minLatitude,
                         double maxLatitude, int ramcSteps, int latitudeSteps);

}  // namespace qxref
