// qxmorva-accuracy: compares the engine, with the correction files of the
// installation tree, to the Swiss Ephemeris, and prints one line per date
// range and body (errors in arc-seconds), then the house systems.
//
// Run from the project root:  build/bench/engine/qxmorva-accuracy [data folder]

#include <cstdio>
#include <map>
#include <string>

#include "ReferenceComparison.h"

namespace {

struct Range {
  const char* label;
  double first, last;
  int instants;
};

// Targets in arc-seconds (longitude, latitude) for the ranges that have them.
struct Target {
  double lon, lat;
};

const std::map<std::string, Target>& targets1850() {
  static const std::map<std::string, Target> t = {
      {"Sun", {8, 8}},        {"Moon", {1.5, 35}},    {"Mercury", {45, 45}}, {"Venus", {45, 45}},
      {"Mars", {45, 45}},     {"Jupiter", {45, 45}},  {"Saturn", {45, 45}},  {"Uranus", {45, 45}},
      {"Neptune", {45, 45}},  {"Pluto", {45, 45}},    {"TrueNode", {200, 0}}, {"MeanNode", {30, 0}},
      {"Apogee", {6, 0}},
  };
  return t;
}

const std::map<std::string, Target>& targetsBefore1850() {
  static const std::map<std::string, Target> t = {
      {"Moon", {15, 1e9}},    {"Mercury", {90, 90}}, {"Venus", {90, 90}},   {"Mars", {90, 90}},
      {"Jupiter", {90, 90}},  {"Saturn", {90, 90}},  {"Uranus", {90, 90}},  {"Neptune", {90, 90}},
      {"Pluto", {90, 90}},
  };
  return t;
}

const char* verdict(const qxref::ErrorStats& s, const Target* target, bool hasLatitude) {
  if (!target) return "";
  const bool ok = s.lonMax <= target->lon && (!hasLatitude || s.latMax <= target->lat);
  return ok ? "  ok" : "  OVER TARGET";
}

}  // namespace

int main(int argc, char** argv) {
  // Arguments: [-v] [data folder]; -v also prints where each maximum occurs.
  bool verbose = false;
  std::string dataFolder = "data";
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "-v")
      verbose = true;
    else
      dataFolder = argv[i];
  }
  qxref::initReference();
  const qx::WorkFolder folder(dataFolder);

  const Range ranges[] = {
      {"1850-2080", 2396758.5, 2481129.5, 20000},
      {"1-1850", 1721423.5, 2396758.5, 4000},
      {"2080-2130", 2481129.5, 2499373.5, 1000},
  };
  bool allOk = true;
  for (const Range& range : ranges) {
    const auto stats = qxref::compareBodies(folder, qxref::spreadInstants(range.first, range.last, range.instants));
    const auto& bodies = qxref::comparedBodies();
    for (std::size_t b = 0; b < bodies.size(); ++b) {
      const auto& body = bodies[b];
      const auto& s = stats[b];
      const std::map<std::string, Target>* table = nullptr;
      if (std::string(range.label) == "1850-2080") table = &targets1850();
      if (std::string(range.label) == "1-1850") table = &targetsBefore1850();
      const Target* target = nullptr;
      if (table && table->count(body.name)) target = &table->at(body.name);
      const char* mark = body.minor ? "  (report only)" : verdict(s, target, body.hasLatitude);
      if (std::string(mark) == "  OVER TARGET") allOk = false;
      if (body.hasLatitude)
        std::printf("%s %s lon_max=%.2f lon_rms=%.2f lat_max=%.1f lat_rms=%.1f%s\n", range.label, body.name.c_str(),
                    s.lonMax, s.lonRms(), s.latMax, s.latRms(), mark);
      else
        std::printf("%s %s lon_max=%.2f lon_rms=%.2f%s\n", range.label, body.name.c_str(), s.lonMax, s.lonRms(),
                    mark);
      if (verbose) std::printf("    lon max at JD %.5f, lat max at JD %.5f\n", s.lonMaxAt, s.latMaxAt);
    }
  }

  // Houses at the same RAMC, obliquity and latitude as the reference.
  const double obliquity = 23.4392911;
  for (const auto& system : qxref::comparedHouseSystems()) {
    const auto inside = qxref::compareHouses(system, obliquity, -55, 55, 720, 110);
    const auto above = qxref::compareHouses(system, obliquity, 55, 66, 720, 22);
    const bool ok = inside.lonMax <= 1.0;
    if (!ok) allOk = false;
    std::printf("houses %s |lat|<=55 max=%.3f rms=%.3f; 55<lat<=66 max=%.3f%s\n", system.name.c_str(), inside.lonMax,
                inside.lonRms(), above.lonMax, ok ? "  ok" : "  OVER TARGET");
  }
  return allOk ? 0 : 1;
}
