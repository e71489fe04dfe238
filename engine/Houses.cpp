#include "Houses.h"

#include <cmath>

#include "Angles.h"

namespace qx {
namespace {

constexpr Extended kTwoPi = 2 * kPi;
constexpr Extended kHalfPi = kPi / 2;

// Hours reduced into 0..24.
Extended reduceHours(Extended hours) {
  hours -= truncate(hours / 24) * 24;
  return hours < 0 ? hours + 24 : hours;
}

// One turn taken off an angle that went past a full circle.
Extended reduceTwoPi(Extended radians) { return radians > kTwoPi ? radians - kTwoPi : radians; }

// The direction of the vector (x, y) in radians, 0..2pi.
Extended quadrantAngle(Extended x, Extended y) {
  const Extended angle = std::atan2(y, x);
  return angle < 0 ? angle + kTwoPi : angle;
}

// Ecliptic longitude of the ecliptic point whose right ascension is `alpha`
// (degrees, 0..360), with the obliquity `eps`: the tangent rule, put back into
// the quadrant of alpha. The tangent is taken of alpha within its half turn,
// so that alpha = 180 gives exactly 180: the tangent of a full 180 degrees is
// rounded to a tiny number of either sign, and a positive one would put the
// point at 0. Elsewhere this is the same value as tan(alpha).
Extended longitudeOfRightAscension(Extended alpha, Extended eps) {
  const bool secondHalf = alpha >= 180;
  Extended longitude = std::atan(tanDeg(secondHalf ? alpha - 180 : alpha) / cosDeg(eps)) * kRadToDeg;
  if (longitude < 0) longitude += 180;
  if (secondHalf) longitude += 180;
  return longitude;
}

// Ascendant of the sidereal time `ramc` at latitude `phi` (degrees). With a
// the point of the equator 90 degrees east of the meridian and the auxiliary
// angle A = atan(tan(phi) / cos(a)), tan(Asc) = cos(A) tan(a) / cos(A + eps).
// The common factor cos(A) is cancelled out of that ratio, which leaves
// sin(a) / (cos(a) cos(eps) - tan(phi) sin(eps)): through A itself the ratio
// breaks down at a = 90 or 270 (RAMC 0 or 180), where A is a right angle and
// cos(A) is lost to rounding. The quadrant is that of the ratio's two terms,
// the sine of a above: this also holds where sin(a) is exactly zero (RAMC 90
// gives 180, RAMC 270 gives 0).
Extended ascendant(Extended ramc, Extended eps, Extended phi) {
  const Extended a = normalize360(ramc + 90);
  const Extended across = cosDeg(a) * cosDeg(eps) - tanDeg(phi) * sinDeg(eps);
  return quadrantAngle(across, sinDeg(a)) * kRadToDeg;
}

// Placidus: for each fraction f of the semi-arc, the semi-arc x of the point
// whose right ascension is RAMC + f x solves K sin(f x + RAMC) = cos x, found by
// five secant steps from the two ends of the half turn.
void placidusCusps(Extended ramc, Extended eps, Extended phi, std::array<Extended, 13>& cusp) {
  const Extended k = -tanDeg(phi) * tanDeg(eps);
  auto cuspOf = [&](Extended f) {
    auto equation = [&](Extended x) { return k * sinDeg(f * x + ramc) - cosDeg(x); };
    Extended previous = 1e-9L;
    Extended current = 180.0001L;
    Extended previousValue = equation(previous);
    Extended currentValue = equation(current);
    for (int step = 0; step < 5; ++step) {
      Extended denominator = currentValue - previousValue;
      if (denominator == 0) denominator = 1e-6L;
      const Extended next = current - (current - previous) / denominator * currentValue;
      previous = current;
      previousValue = currentValue;
      current = next;
      currentValue = equation(current);
    }
    Extended alpha = f * current + ramc;
    if (alpha < 0) alpha += 360;
    return longitudeOfRightAscension(normalize360(alpha), eps);
  };
  cusp[11] = cuspOf(1.0L / 3);
  cusp[12] = cuspOf(2.0L / 3);
  cusp[2] = normalize360(cuspOf(-2.0L / 3) + 180);
  cusp[3] = normalize360(cuspOf(-1.0L / 3) + 180);
  for (int i = 7; i <= 9; ++i) cusp[i] = normalize360(cusp[i - 6] + 180);
  for (int i = 4; i <= 6; ++i) cusp[i] = normalize360(cusp[i + 6] + 180);
}

// Koch: the diurnal semi-arc of the MC, trisected in oblique ascension from the
// MC's oblique ascension; each division point is taken to the ecliptic through
// the horizon of the birth place.
void kochCusps(Extended ramcDegrees, Extended mcDegrees, Extended epsDegrees, Extended phiDegrees,
               std::array<Extended, 13>& cusp) {
  const Extended ramc = ramcDegrees * kDegToRad;
  const Extended mc = mcDegrees * kDegToRad;
  const Extended eps = epsDegrees * kDegToRad;
  const Extended phi = phiDegrees * kDegToRad;

  const Extended s = std::sin(eps) * std::sin(mc);
  const Extended declination = std::atan(s / std::sqrt(1 - s * s));
  const Extended q = std::tan(phi) * std::tan(declination);
  Extended w = 1 - q * q;
  if (w <= 0) w = 0.0001L;
  const Extended ascensionalDifference = std::atan(q / std::sqrt(w));
  const Extended obliqueAscension = ramc - ascensionalDifference;
  Extended step = ((ramc + kHalfPi) - obliqueAscension) / 3;
  if (step < 0) step += kTwoPi;

  // The ecliptic point rising when the sidereal time is x; a component that is
  // exactly zero still gives its true direction.
  auto risingPoint = [&](Extended x) {
    const Extended across = -(std::sin(x) * std::cos(eps) + std::tan(phi) * std::sin(eps));
    return reduceTwoPi(quadrantAngle(across, std::cos(x)));
  };

  const int houseOrder[5] = {11, 12, 1, 2, 3};
  Extended x = obliqueAscension + step - kHalfPi;
  for (int i = 0; i < 5; ++i) {
    if (i > 0) x = reduceTwoPi(x + step);
    cusp[houseOrder[i]] = risingPoint(x);
  }
  cusp[10] = mc;
  for (int i = 4; i <= 9; ++i) cusp[i] = reduceTwoPi(cusp[i <= 6 ? i + 6 : i - 6] + kPi);
  for (int i = 1; i <= 12; ++i) cusp[i] *= kRadToDeg;
}

// Regiomontanus: the equator divided into equal arcs from the meridian; each
// division is taken to the ecliptic through the house circle whose pole is
// atan(tan(phi) sin x).
void regiomontanusCusps(Extended ramcDegrees, Extended mcDegrees, Extended ascDegrees, Extended epsDegrees,
                        Extended phiDegrees, std::array<Extended, 13>& cusp) {
  const Extended ramc = ramcDegrees * kDegToRad;
  const Extended eps = epsDegrees * kDegToRad;
  const Extended phi = phiDegrees * kDegToRad;
  struct Division {
    Extended degrees;
    int house;
  };
  const Division divisions[4] = {{30, 11}, {60, 12}, {120, 2}, {150, 3}};
  for (const Division& division : divisions) {
    const Extended x = division.degrees * kDegToRad;
    const Extended h = ramc + x;
    const Extended pole = std::atan(std::tan(phi) * std::sin(x));
    const Extended r = std::tan(pole);
    // F is the direction of (cos h, r); its cosine and sine are taken from that
    // vector itself, so that y = tan(h) cos(F) stays exact where cos(h) is
    // nearly zero (h at 90 or 270 degrees), where cos(F) taken from the angle F
    // would be lost to rounding.
    const Extended length = std::hypot(std::cos(h), r);
    const Extended cosF = std::cos(h) / length;
    const Extended sinF = r / length;
    const Extended y = std::tan(h) * cosF;
    const Extended z = cosF * std::cos(eps) - sinF * std::sin(eps);  // cos(F + eps)
    cusp[division.house] = quadrantAngle(z, y);
  }
  cusp[10] = mcDegrees * kDegToRad;
  cusp[1] = ascDegrees * kDegToRad;
  for (int i = 4; i <= 9; ++i) cusp[i] = reduceTwoPi(cusp[i <= 6 ? i + 6 : i - 6] + kPi);
  for (int i = 1; i <= 12; ++i) cusp[i] *= kRadToDeg;
}

// Porphyry: each quadrant between the angles divided into three equal parts.
void porphyryCusps(Extended mc, Extended asc, std::array<Extended, 13>& cusp) {
  Extended q = asc - mc;
  if (q < 0) q += 360;
  const Extended s = (180 - q) / 3;
  const Extended q3 = q / 3;
  cusp[11] = mc + q3;
  cusp[12] = cusp[11] + q3;
  cusp[2] = asc + s;
  cusp[3] = cusp[2] + s;
  cusp[4] = mc + 180;
  cusp[5] = cusp[11] + 180;
  cusp[6] = cusp[12] + 180;
  cusp[7] = asc + 180;
  cusp[8] = cusp[2] + 180;
  cusp[9] = cusp[3] + 180;
  for (int i = 1; i <= 12; ++i) {
    if (cusp[i] > 360) cusp[i] -= 360;
  }
}

// Campanus: the prime vertical divided into twelve equal arcs; each division
// is taken to the ecliptic through the great circle that joins it to the north
// and south points of the horizon. The 0.000001-degree offset keeps the
// tangent away from 90 degrees.
void campanusCusps(Extended ramcDegrees, Extended epsDegrees, Extended phiDegrees, std::array<Extended, 13>& cusp) {
  const Extended ramc = ramcDegrees * kDegToRad;
  const Extended eps = epsDegrees * kDegToRad;
  const Extended phi = phiDegrees * kDegToRad;
  for (int k = 1; k <= 12; ++k) {
    const Extended a = (30 * k + 60.000001L) * kDegToRad;
    Extended t = std::atan(std::cos(phi) * std::tan(a));
    if (t < 0) t += kPi;
    if (std::sin(a) < 0) t += kPi;
    const Extended s = std::sin(ramc + t);
    const Extended c = std::cos(eps) * std::cos(ramc + t) - std::sin(eps) * std::tan(phi) * std::sin(t);
    Extended longitude = std::atan(s / c);
    if (longitude < 0) longitude += kPi;
    if (s < 0) longitude += kPi;
    cusp[k] = normalize360(longitude * kRadToDeg);
  }
}

// Morinus: the equator divided into twelve equal arcs from the sidereal time;
// each division is taken to the ecliptic along its circle of longitude. The arc
// is held in double precision.
void morinusCusps(Extended ramcDegrees, Extended epsDegrees, std::array<Extended, 13>& cusp) {
  const Extended ramc = ramcDegrees * kDegToRad;
  const Extended eps = epsDegrees * kDegToRad;
  for (int k = 1; k <= 12; ++k) {
    const double arcDegrees = 30.0 * k + 60.000001;
    const Extended h = ramc + Extended(arcDegrees) * kDegToRad;
    const Extended s = std::cos(eps) * std::sin(h);
    Extended longitude = std::atan(s / std::cos(h));
    if (longitude < 0) longitude += kPi;
    if (s < 0) longitude += kPi;
    cusp[k] = normalize360(longitude * kRadToDeg);
  }
}

// Alcabitius: the Ascendant's diurnal and nocturnal semi-arcs trisected in
// right ascension from the meridian; each division is taken to the ecliptic
// along its hour circle.
void alcabitiusCusps(Extended ramc, Extended asc, Extended eps, Extended phi, std::array<Extended, 13>& cusp) {
  const Extended declination = arcsinRad(sinDeg(eps) * sinDeg(asc));
  Extended cosArc = -tanDeg(phi) * std::tan(declination);
  if (cosArc > 1) cosArc = 1;
  if (cosArc < -1) cosArc = -1;
  const Extended diurnal = std::acos(cosArc) * kRadToDeg;
  const Extended nocturnal = 180 - diurnal;
  cusp[11] = longitudeOfRightAscension(normalize360(ramc + diurnal / 3), eps);
  cusp[12] = longitudeOfRightAscension(normalize360(ramc + 2 * diurnal / 3), eps);
  cusp[2] = longitudeOfRightAscension(normalize360(ramc + 180 - 2 * nocturnal / 3), eps);
  cusp[3] = longitudeOfRightAscension(normalize360(ramc + 180 - nocturnal / 3), eps);
  for (int i = 4; i <= 9; ++i) cusp[i] = normalize360(cusp[i <= 6 ? i + 6 : i - 6] + 180);
}

}  // namespace

void computeCuspsFromRamc(std::string_view system, Extended ramcDegrees, Extended obliquity, Extended latitude,
                          HouseState& houses) {
  // A RAMC of a full turn is the RAMC 0; a south latitude written as 360 - phi
  // is the latitude -phi.
  const Extended ramc = normalize360(ramcDegrees);
  const Extended phi = latitude > 180 ? latitude - 360 : latitude;
  const Extended eps = obliquity;

  const Extended mc = longitudeOfRightAscension(ramc, eps);
  const Extended asc = ascendant(ramc, eps, phi);
  auto& cusp = houses.cusp;
  cusp[10] = mc;
  cusp[1] = asc;
  houses.mcRadians = mc * kDegToRad;
  houses.ascRadians = asc * kDegToRad;

  if (system == kPlacidus) {
    placidusCusps(ramc, eps, phi, cusp);
  } else if (system == kKoch) {
    kochCusps(ramc, mc, eps, phi, cusp);
  } else if (system == kRegiomontanus) {
    regiomontanusCusps(ramc, mc, asc, eps, phi, cusp);
  } else if (system == kPorphyry) {
    porphyryCusps(mc, asc, cusp);
  } else if (system == kCampanus) {
    campanusCusps(ramc, eps, phi, cusp);
  } else if (system == kEqualHouses || system == kEqualFromAscendant) {
    for (int k = 1; k <= 12; ++k) cusp[k] = normalize360(asc + 30 * (k - 1));
  } else if (system == kMorinus) {
    morinusCusps(ramc, eps, cusp);
  } else if (system == kAlcabitius) {
    alcabitiusCusps(ramc, asc, eps, phi, cusp);
  }
  // Any other name: the Ascendant and the MC only; the other cusps stay.
}

void computeHouses(std::string_view system, Extended jdUt, Extended corr, int clockHours, int clockMinutes,
                   const GeoPosition& place, HouseState& houses) {
  const Extended t = (jdUt - 2415020) / 36525;
  const Extended eps = 23.4522944L - 0.0130125L * t;

  Extended longitude = place.longitudeDegrees + Extended(place.longitudeMinutes) / 60;
  if (place.longitudeLetter == 'O' || place.longitudeLetter == 'W') longitude = 360 - longitude;
  Extended latitude = place.latitudeDegrees + Extended(place.latitudeMinutes) / 60;
  if (place.latitudeLetter == 'S') latitude = 360 - latitude;

  // Sidereal time at Greenwich for the instant, counted from noon; the twelve
  // hours added to the clock time below make up for that.
  Extended theta0 = 18.6460655L + 2400.05126L * t + 0.000025805555L * t * t;
  while (theta0 < 0) theta0 += 24;
  theta0 = reduceHours(theta0);
  const Extended clock = clockHours + Extended(clockMinutes) / 60;
  const Extended ut = corr + clock;
  const Extended u = reduceHours(ut + 12);
  const Extended lst = reduceHours(theta0 + u + longitude / 15);
  houses.localSiderealTime = lst;

  computeCuspsFromRamc(system, 15 * lst, eps, latitude, houses);
}

std::vector<std::uint8_t> houseOfPoint(int n, const Extended* longitudes, const std::array<Extended, 13>& cusps) {
  std::vector<std::uint8_t> house(n > 0 ? n + 1 : 1, 0);
  for (int p = 1; p <= n; ++p) {
    for (int i = 1; i <= 12; ++i) {
      const Extended next = i == 12 ? cusps[1] : cusps[i + 1];
      Extended width = next - cusps[i];
      if (width < 0) width += 360;
      Extended distance = longitudes[p] - cusps[i];
      if (distance < 0) distance += 360;
      if (distance <= width) house[p] = std::uint8_t(i);
    }
  }
  return house;
}

}  // namespace qx
