#include "Ephemeris.h"

#include "Fundamentals.h"
#include "Luminaries.h"
#include "Planets.h"

namespace qx {

Ephemeris::Ephemeris(WorkFolder folder) : files_(std::move(folder)) {}

void Ephemeris::evaluate(int selection, int pass, Extended jd, const EphemerisSettings& settings, PositionArray& lon,
                         PositionArray& lat) {
  files_.beginEvaluation();
  run(selection, pass, jd, settings, &files_, lon, lat);
}

void Ephemeris::evaluateSeries(int selection, int pass, Extended jd, const EphemerisSettings& settings,
                               PositionArray& lon, PositionArray& lat) {
  run(selection, pass, jd, settings, nullptr, lon, lat);
}

void Ephemeris::run(int selection, int pass, Extended jd, const EphemerisSettings& settings, CorrectionFiles* files,
                    PositionArray& lon, PositionArray& lat) {
  const FundamentalArguments args = fundamentalArguments(jd);
  const bool all = selection == 0;
  const bool luminariesAndPlanets = selection == 20 || selection == 21;
  auto wanted = [&](int body) { return all || selection == body || (luminariesAndPlanets && body <= 10); };

  // The Sun comes first in every evaluation: it also gives the Earth's vector.
  HeliocentricState earth;
  const EclipticPosition sun = computeSun(args, earth);
  lon[kSun] = sun.lon;
  lat[kSun] = sun.lat;

  const bool nodeNeedsMoon = selection == kLunarNode && settings.trueNode();
  if (wanted(kMoon) || nodeNeedsMoon) {
    const EclipticPosition moon = computeMoon(args, files);
    lon[kMoon] = moon.lon;
    lat[kMoon] = moon.lat;
  }
  for (int body = kMercury; body <= kPluto; ++body) {
    if (!wanted(body)) continue;
    const EclipticPosition p = computePlanet(body, args, earth, pass, files);
    lon[body] = p.lon;
    lat[body] = p.lat;
  }
  if (all || selection == kLunarNode) {
    lon[kLunarNode] = computeLunarNode(args, settings.trueNode(), lon[kSun], lon[kMoon], files);
    lat[kLunarNode] = 0;
  }
  if (all || selection == kLunarApogee) {
    lon[kLunarApogee] = computeLunarApogee(args, settings.correctedApogee(), files);
    lat[kLunarApogee] = 0;
  }
  for (int body = kCeres; body <= kChiron; ++body) {
    if (!(all || selection == body)) continue;
    const EclipticPosition p = computePlanet(body, args, earth, pass, files);
    lon[body] = p.lon;
    lat[body] = p.lat;
  }
}

}  // namespace qx
