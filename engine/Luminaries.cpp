#include "Luminaries.h"

#include <cmath>

#include "Angles.h"
#include "CorrectionFiles.h"
#include "Phasor.h"

namespace qx {

namespace {

// The Earth's orbit: mean anomaly, eccentricity, semi-major axis and argument
// of perihelion (node and inclination 0).
OrbitalElements earthElements(const FundamentalArguments& a) {
  OrbitalElements el;
  el.M = normalize360(358.4758445L + 35999.04975L * a.T - 0.000150278L * a.T2) * kDegToRad;
  el.e = 0.01675104L - 0.0000418L * a.T - 0.000000126L * a.T2;
  el.a = 1.00000023L;
  el.w = (101.2208333L + 1.719175L * a.T + 0.000452778L * a.T2) * kDegToRad;
  return el;
}

}  // namespace

namespace {

// One planetary perturbation of the Sun: coefficient (arc-seconds) times
// cosDeg(n X - m Mc + phase), X the planet's argument.
struct SolarTerm {
  double coefficient;
  int n, m;
  Phasor phase;
};

constexpr SolarTerm kVenusTerms[] = {
    {4.838, 1, 0, fixedPhasor(90)},     {5.526, 2, 0, fixedPhasor(90.12L)}, {2.497, 2, 1, fixedPhasor(257.75L)},
    {1.559, 3, 1, fixedPhasor(77.96L)}, {1.024, 3, 2, fixedPhasor(50.85L)}, {0.666, 3, 0, fixedPhasor(270.41L)},
    {0.21, 4, 0, fixedPhasor(89.8L)},   {0.154, 5, 3, fixedPhasor(34.1L)},  {0.152, 4, 2, fixedPhasor(227.4L)},
    {0.144, 4, 1, fixedPhasor(79)},
};
constexpr SolarTerm kMarsTerms[] = {
    {2.043, 2, 0, fixedPhasor(89.76L)}, {1.77, 2, 1, fixedPhasor(306.27L)}, {0.585, 4, 2, fixedPhasor(185.82L)},
    {0.5, 4, 1, fixedPhasor(317.7L)},   {0.425, 3, 1, fixedPhasor(317.7L)}, {0.204, 5, 2, fixedPhasor(185.5L)},
};
constexpr SolarTerm kJupiterTerms[] = {
    {7.208, 1, 0, fixedPhasor(91.08999L)}, {2.731, 2, 0, fixedPhasor(270.25L)}, {2.6, 1, 1, fixedPhasor(174.77L)},
    {1.61, 2, 1, fixedPhasor(292.6L)},     {0.556, 3, 1, fixedPhasor(177.31L)},
};
constexpr SolarTerm kSaturnTerms[] = {
    {0.419, 1, 0, fixedPhasor(90.33999L)},
    {0.32, 1, 1, fixedPhasor(259.22L)},
};

template <std::size_t N>
Extended solarGroup(const SolarTerm (&terms)[N], const Multiples<5>& planet, const Multiples<3>& mc) {
  Extended sum = 0;
  for (const SolarTerm& t : terms) sum += Extended(t.coefficient) * (planet[t.n] * mc[-t.m] * t.phase).c;
  return sum / 3600;
}

}  // namespace

EclipticPosition computeSun(const FundamentalArguments& a, HeliocentricState& earth) {
  const Extended T = a.T;
  const Extended e = 0.01675104L - 0.0000418L * T - 0.000000126L * a.T2;
  const KeplerSolution kepler = solveKepler(a.M * kDegToRad, e);
  // tan(E/2) = sin E / (1 + cos E)
  const Extended v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * (kepler.sinE / (1 + kepler.cosE))) * kRadToDeg;
  const Extended trueLongitude = normalize360(v - a.M + a.L);

  const Extended P = (6.4L * sinDeg(231.19L + 20.2L * T) + (1.882L - 0.016L * T) * sinDeg(57.24L + 150.27L * T) +
                      0.266L * sinDeg(31.8L + 119 * T) + 0.202L * sinDeg(315.6L + 893.3L * T)) /
                     3600;
  const Extended Mc = a.M + P;
  const Multiples<3> mc(Phasor::ofDegrees(Mc));
  const Multiples<5> V(Phasor::ofDegrees(normalize360(63.07037L + 22518.442986L * T)));
  const Multiples<5> A(Phasor::ofDegrees(normalize360(165.94905L + 16859.069667L * T)));
  const Multiples<5> J(Phasor::ofDegrees(normalize360(221.64742L + 32964.466939L * T)));
  const Multiples<5> S(Phasor::ofDegrees(normalize360(193.1323L + 34777.259042L * T)));

  const Extended venus = solarGroup(kVenusTerms, V, mc);
  const Extended mars = solarGroup(kMarsTerms, A, mc);
  const Extended jupiter = solarGroup(kJupiterTerms, J, mc);
  const Extended saturn = solarGroup(kSaturnTerms, S, mc);
  const Extended moon = (6.454L * sinDeg(a.D) + 0.424L * sinDeg(a.D - a.M1)) / 3600;
  const Extended aberration = (20.47L + 0.342L * mc[1].c) / 3600;

  earth = heliocentricState(earthElements(a));
  return {normalize360(trueLongitude + P + venus + mars + jupiter + saturn + moon + a.dPsi - aberration), 0};
}

namespace {

// One term of a lunar series: coefficient (arc-seconds) times the sine of
// nl l + nlp l' + nF F + nD D.
struct LunarTerm {
  double coefficient;
  signed char nl, nlp, nF, nD;
};

// Longitude: 71 terms (terms 17 and 64 share the argument l - 4D).
constexpr LunarTerm kLongitudeTerms[] = {
    {+22639.55, 1, 0, 0, 0},  {-4586.47, 1, 0, 0, -2}, {+2369.912, 0, 0, 0, 2}, {+769.02, 2, 0, 0, 0},
    {-668.15, 0, 1, 0, 0},    {-411.61, 0, 0, 2, 0},   {-211.66, 2, 0, 0, -2},  {-205.96, 1, 1, 0, -2},
    {+191.95, 1, 0, 0, 2},    {-165.15, 0, 1, 0, -2},  {+147.69, 1, -1, 0, 0},  {-125.15, 0, 0, 0, 1},
    {-109.67, 1, 1, 0, 0},    {-55.17, 0, 0, 2, -2},   {-45.099, 1, 0, 2, 0},   {+39.53, 1, 0, -2, 0},
    {-38.43, 1, 0, 0, -4},    {+36.12, 3, 0, 0, 0},    {-30.77, 2, 0, 0, -4},   {+28.48, 1, -1, 0, -2},
    {-24.42, 0, 1, 0, 2},     {+18.61, 1, 0, 0, -1},   {+18.02, 0, 1, 0, 1},    {+14.58, 1, -1, 0, 2},
    {+14.39, 2, 0, 0, 2},     {+13.9, 0, 0, 0, 4},     {-13.19, 3, 0, 0, -2},   {+9.7, 2, -1, 0, 0},
    {+9.37, 1, 0, -2, -2},    {-8.63, 2, 1, 0, -2},    {-8.47, 1, 0, 0, 1},     {-8.096, 0, 2, 0, -2},
    {-7.65, 2, 1, 0, 0},      {-7.49, 0, 2, 0, 0},     {-7.41, 1, 2, 0, -2},    {-6.38, 1, 0, -2, 2},
    {-5.74, 0, 0, 2, 2},      {-4.39, 1, 1, 0, -4},    {-3.99, 2, 0, 2, 0},     {+3.22, 1, 0, 0, -3},
    {-2.92, 1, 1, 0, 2},      {-2.74, 2, 1, 0, -4},    {-2.49, 2, -1, 0, -2},   {+2.58, 1, -2, 0, 0},
    {+2.53, 1, -2, 0, -2},    {-2.15, 0, 1, 2, -2},    {+1.98, 1, 0, 0, 4},     {+1.94, 4, 0, 0, 0},
    {-1.88, 0, 1, 0, -4},     {+1.75, 2, 0, 0, -1},    {-1.44, 0, 1, -2, 2},    {-1.298, 2, 0, -2, 0},
    {+1.27, 1, 1, 0, 1},      {+1.23, 2, 0, 0, -3},    {-1.19, 3, 0, 0, -4},    {+1.18, 2, -1, 0, 2},
    {-1.17, 1, 2, 0, 0},      {-1.09, 1, -1, 0, -1},   {+1.06, 3, 0, 0, 2},     {-0.59, 2, 0, 0, 1},
    {-0.99, 1, 0, 2, 2},      {-0.95, 4, 0, 0, -2},    {-0.59, 2, 0, 0, -6},    {+0.64, 1, 0, 0, -4},
    {+0.56, 0, 1, 0, -1},     {+0.76, 1, -2, 0, 2},    {+0.58, 0, 0, 2, -1},    {-0.55, 3, 1, 0, 0},
    {+0.68, 3, -1, 0, 0},     {+0.557, 2, 0, 2, -2},   {+0.538, 2, 0, -2, -2},
};

static_assert(std::size(kLongitudeTerms) == 71);

// The argument of latitude's additive terms (the 3 lambda term apart).
constexpr LunarTerm kLatitudeArgumentTerms[] = {
    {+22609, 1, 0, 0, 0},  {-4578.1, 1, 0, 0, -2}, {+2373.4, 0, 0, 0, 2}, {+768, 2, 0, 0, 0},
    {+192.7, 1, 0, 0, 2},  {-182.4, 1, 1, 0, -2},  {-165.1, 0, 1, 0, -2}, {-152.5, 2, 0, 0, -2},
    {-138.8, -1, 1, 0, 0}, {-127, 0, 1, 0, 0},     {-115.2, 1, 1, 0, 0},  {-112.8, 0, 0, 0, 1},
    {-85.1, -1, 0, 2, 0},  {-52.1, 0, 0, 2, -2},   {-38.6, 1, 0, 0, -4},  {-34.1, 2, 0, 0, -4},
};

// Latitude terms beside the main one: F - 2D and seven small terms. Three of
// the small terms' arguments, as they were handed down, are not those of the
// lunar theory; these are: F - l - 2D, F - 2l (the -24.6 term) and
// F - l' - 2D.
constexpr LunarTerm kLatitudeTerms[] = {
    {-526.1, 0, 0, 1, -2}, {+44.3, 1, 0, 1, -2}, {-30.6, -1, 0, 1, -2}, {-24.6, -2, 0, 1, 0},
    {-22.6, 0, 1, 1, -2},  {+20.6, -1, 0, 1, 0}, {+11, 0, -1, 1, -2},   {-6, 1, 0, 1, -4},
};

// Phasors of the multiples of the four lunar arguments.
struct LunarArguments {
  Multiples<4> l;
  Multiples<2> lp;
  Multiples<2> F;
  Multiples<6> D;

  template <std::size_t N>
  Extended sum(const LunarTerm (&terms)[N]) const {
    Extended total = 0;
    for (const LunarTerm& t : terms) total += Extended(t.coefficient) * (l[t.nl] * lp[t.nlp] * F[t.nF] * D[t.nD]).s;
    return total;
  }
};

}  // namespace

EclipticPosition computeMoon(const FundamentalArguments& a, CorrectionFiles* files) {
  const Extended T = a.T;
  // The Moon works on its own copies of the arguments.
  Extended L1 = a.L1, D = a.D;
  Extended l = a.L1 - a.G;      // mean anomaly
  Extended F = a.L1 - a.omega;  // argument of latitude
  Extended lp = a.M;

  const Extended s1 = sinDeg(51.2L + 20.2L * T);
  const Extended Vt = 14.27L * sinDeg(193.4404L - 132.87L * T - 0.0091731L * a.T2);
  const Phasor omega = Phasor::ofDegrees(a.omega);
  const Phasor omegaShifted = Phasor::ofDegrees(a.omega + 275.05L - 2.3L * T);
  const Extended sO = omega.s;
  const Extended s2 = -15.58L * omegaShifted.s;
  L1 += (0.84L * s1 + Vt + 7.261L * sO) / 3600;
  l += (2.94L * s1 + Vt + 9.337L * sO) / 3600;
  D += (7.24L * s1 + 7.261L * sO) / 3600;
  lp += -6.4L * s1 / 3600;
  F += (0.21L * s1 + Vt - 88.699L * sO + s2) / 3600;

  const LunarArguments args{Multiples<4>(Phasor::ofDegrees(l)), Multiples<2>(Phasor::ofDegrees(lp)),
                            Multiples<2>(Phasor::ofDegrees(F)), Multiples<6>(Phasor::ofDegrees(D))};
  const Extended lambda = normalize360(L1 + args.sum(kLongitudeTerms) / 3600 + a.dPsi);

  const Extended s = args.sum(kLatitudeArgumentTerms) + 50.64L * sinDeg(3 * lambda);
  const Phasor S = Phasor::ofDegrees(F + s / 3600);
  const Extended c = 1 - 0.00004664L * omega.c - 0.0000754L * omegaShifted.c;
  const Extended beta = (18519.7L * c * S.s - 6.2L * (S * S * S).s + args.sum(kLatitudeTerms)) / 3600;

  Extended lon = lambda;
  if (files && moonCorrectionApplies(a.jd)) lon = normalize360(lambda + files->moonArcSeconds(a.jd) / 3600);
  return {lon, beta};
}

Extended meanNodeLongitude(const FundamentalArguments& a) {
  const Extended T = a.T;
  return normalize360(259.183275L - 1934.142L * T + 0.002078L * T * T + 0.0000022L * T * T * T);
}

namespace {

// One term of the true node (degrees): coefficient times the sine of
// nSun Sun + nMoon Moon + nW W + nG G' + nP P.
struct NodeTerm {
  double coefficient;
  signed char nSun, nMoon, nW, nG, nP;
};

constexpr NodeTerm kNodeTerms[] = {
    {+1.517, 2, 0, -2, 0, 0},  {-0.163, 1, 0, 0, 0, -1},  {-0.128, -2, 2, 0, 0, 0}, {+0.12, 0, 2, -2, 0, 0},
    {+0.107, 0, 0, -2, 2, 0},  {+0.063, 3, 0, -2, 0, -1}, {+0.04, -2, 1, 0, 1, 0},  {-0.04, 0, 1, -2, 1, 0},
    {+0.027, 0, 1, 0, -1, 0},  {-0.027, 1, 0, -2, 0, 1},  {+0.015, 2, 0, 0, -2, 0}, {-0.013, -2, 1, 2, -1, 0},
    {-0.013, 2, 1, -2, -1, 0}, {-0.007, -3, 2, 0, 0, 1},  {+0.005, 0, 3, -2, -1, 0}, {-0.005, -2, 3, 0, -1, 0},
};

constexpr Phasor kSolarPerigee = fixedPhasor(282.596403L);  // a fixed longitude P of the solar perigee

}  // namespace

Extended computeLunarNode(const FundamentalArguments& a, bool trueNode, Extended sun, Extended moon,
                          CorrectionFiles* files) {
  const Extended W = meanNodeLongitude(a);
  if (!trueNode) return W;
  const Multiples<3> S(Phasor::ofDegrees(sun));
  const Multiples<3> M(Phasor::ofDegrees(moon));
  const Multiples<2> N(Phasor::ofDegrees(W));
  const Multiples<2> G(Phasor::ofDegrees(meanPerigee(a.d, a.T)));
  const Multiples<1> P(kSolarPerigee);
  Extended sum = 0;
  for (const NodeTerm& t : kNodeTerms)
    sum += Extended(t.coefficient) * (S[t.nSun] * M[t.nMoon] * N[t.nW] * G[t.nG] * P[t.nP]).s;
  Extended node = normalize360(W + sum);
  if (files && nodeCorrectionApplies(a.jd)) node = normalize360(node + files->planetField(9, a.jd) / 60);
  return node;
}

Extended computeLunarApogee(const FundamentalArguments& a, bool corrected, CorrectionFiles* files) {
  Extended lon = a.G + 180;
  lon -= truncate(lon / 360) * 360;
  if (corrected && files && apogeeCorrectionApplies(a.jd))
    lon = normalize360(lon + files->apogeeArcSeconds(a.jd) / 3600);
  return lon;
}

}  // namespace qx
