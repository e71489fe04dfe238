#include "Planets.h"

#include <cmath>

#include "Angles.h"
#include "CorrectionFiles.h"

namespace qx {

namespace {

struct Polynomial {
  double c0 = 0, c1 = 0, c2 = 0;
  Extended at(Extended T) const { return Extended(c0) + Extended(c1) * T + Extended(c2) * T * T; }
};

struct ElementSet {
  Polynomial M, e, a, w, N, i;
};

// Bodies 3..10: the element set used when T >= -2 (from 1700 on).
constexpr ElementSet kMajorElements[8] = {
    // 3 Mercury
    {{102.2793806, 149472.51523, 0.000006389}, {0.20561421, 0.00002046, -0.00000003}, {0.3870984},
     {28.75375278, 0.370280556, 0.000120833}, {47.14594444, 1.185208333, 0.000173889},
     {7.002880556, 0.001860833, -0.000018333}},
    // 4 Venus
    {{212.6032194, 58517.80386, 0.001286056}, {0.00682069, -0.00004774, 0.0000091}, {0.7233316},
     {54.38418611, 0.508186111, -0.001386389}, {75.77964722, 0.89985, 0.00041},
     {3.393630556, 0.00100583, -0.000000972}},
    // 5 Mars
    {{319.529425, 19139.8585, 0.000180806}, {0.0933129, 0.000092064, -0.000000077}, {1.5236915},
     {285.4317611, 1.069766667, 0.00013125}, {48.78644167, 0.770991667, -0.000001389},
     {1.850333333, -0.000675, 0.000012611}},
    // 6 Jupiter
    {{225.49281253, 3033.687936}, {0.04838144, -0.0000155}, {5.20290493}, {273.3930152, 1.33834464},
     {99.41984827, 1.05829152}, {1.3096585, -0.00515613}},
    // 7 Saturn
    {{174.215296, 1223.507963}, {0.05422831, -0.00020495}, {9.55251745}, {338.911673, -0.31667941},
     {112.8261394, 0.82587569}, {2.49080547, -0.00466035}},
    // 8 Uranus
    {{74.17574887, 427.2742717}, {0.04681664, 0.00041875}, {19.22150505}, {95.68630387, 2.05082548},
     {73.52220082, 0.52415598}, {0.77256652, 0.00012824}},
    // 9 Neptune
    {{30.1329437, 240.4551595}, {0.00912805, -0.00127185}, {30.1137593}, {284.168255, -21.6328615},
     {130.6841531, 1.10046492}, {1.77939281, -0.00975088}},
    // 10 Pluto
    {{229.7810007, 145.1781092}, {0.24797376, 0.00289875}, {39.53903455}, {113.5365761, 0.20863761},
     {108.94405, 1.37395444}, {17.15140319, -0.01611824}},
};

// Bodies 6..10 before 1700 (T < -2).
constexpr ElementSet kEarlyElements[5] = {
    // 6 Jupiter
    {{225.32833, 3034.69202, -0.00072}, {0.04833, 0.00016}, {5.202561}, {273.27754, 0.59943, 0.0007},
     {99.44338, 1.01053, 0.00035}, {1.30874, -0.005696}},
    // 7 Saturn
    {{175.46622, 1221.55147, -0.0005}, {0.05589, -0.00035}, {9.55475}, {338.30777, 1.08522, 0.00098},
     {112.79039, 0.873195, -0.00015}, {2.49252, -0.00392, -0.00002}},
    // 8 Uranus
    {{72.64882, 428.37911, 0.00008}, {0.046344, -0.00003}, {19.21814}, {98.07155, 0.98577, -0.00107},
     {73.4771, 0.49867, 0.00131}, {0.77246, 0.00063, 0.00004}},
    // 9 Neptune
    {{37.73067, 218.46134, -0.00007}, {0.008997}, {30.10957}, {276.04597, 0.32564, 0.00014},
     {130.68136, 1.09894, 0.000249}, {1.77924, -0.00954}},
    // 10 Pluto
    {{229.94722, 144.91306}, {0.24864}, {39.51774}, {113.52136}, {108.95444, 1.39601, 0.00031}, {17.14678}},
};

// Bodies 15..19.
constexpr ElementSet kMinorElements[5] = {
    // 15 Ceres
    {{108.2925, 7820.36556}, {0.0794314}, {2.7672273}, {71.0794444}, {80.23555556, 1.3960111}, {10.59694444}},
    // 16 Pallas
    {{106.6641667, 7806.531667}, {0.2347096}, {2.7704955}, {310.166111}, {172.497222, 1.39601111}, {34.81416667}},
    // 17 Juno
    {{267.685, 8256.081111}, {0.2562318}, {2.6689897}, {245.3752778}, {170.137777, 1.396011111, 0.0003083333},
     {13.01694444}},
    // 18 Vesta
    {{138.7733333, 9924.931111}, {0.0902807}, {2.360723}, {149.6386111}, {103.2197222, 1.396011111, 0.000308333},
     {7.139444444}},
    // 19 Chiron
    {{34.6127752, 713.5756219}, {0.382270369, -0.004694073}, {13.66975144}, {337.407213, 2.163306646},
     {208.1482658, 1.247724355}, {6.911179715, 0.011236955}},
};

// One periodic perturbation term: A cosDeg(r T + p), in AU.
struct PeriodicTerm {
  double A, r, p;
};

struct AxisPerturbation {
  Polynomial secular;
  const PeriodicTerm* terms;
  int count;
  Extended at(Extended T) const {
    Extended sum = secular.at(T);
    for (int k = 0; k < count; ++k) sum += Extended(terms[k].A) * cosDeg(Extended(terms[k].r) * T + Extended(terms[k].p));
    return sum;
  }
};

constexpr PeriodicTerm kJupiterY[] = {{0.0051, 581.7, -9.7},     {-0.0005, 2510.7, -12.5}, {-0.0026, 1313.7, -61.4},
                                      {0.0013, 2370.79, -24.6},  {-0.0013, 3599.3, 37.7},  {-0.001, 2574.7, 31.4},
                                      {-0.00096, 6708.2, -114.5}, {-0.0006, 5499.4, -74.97}, {-0.0013, 1419, 54.2},
                                      {0.0006, 6339.3, -109},    {0.0007, 4824.5, -50.9}};
constexpr PeriodicTerm kJupiterX[] = {{-0.0023, 676.2, 0.9},     {0.00045, 2361.4, 174.9}, {0.0015, 1427.5, -188.8},
                                      {0.0006, 2110.1, 153.6},   {0.0014, 3606.8, -57.7},  {-0.0017, 2540.2, 121.7},
                                      {-0.00099, 6704.8, -22.3}, {-0.0006, 5480.2, 24.5},  {0.00096, 1651.3, -118.3},
                                      {0.0006, 6310.8, -4.8},    {0.0007, 4826.6, 36.2}};
constexpr PeriodicTerm kSaturnY[] = {{0.0134, 1238.9, -16.4}, {-0.00426, 3040.9, -25.2}, {0.0064, 1835.3, 36.1},
                                     {-0.0153, 610.8, -44.2}, {-0.0015, 2480.5, -69.4}};
constexpr PeriodicTerm kSaturnX[] = {{0.0111, 1242.2, 78.3}, {-0.0045, 3034.96, 62.8}, {-0.0066, 1829.2, -51.5},
                                     {-0.0078, 640.6, 24.2}, {-0.0016, 2363.4, -141.4}};
constexpr PeriodicTerm kSaturnZ[] = {{-0.0005, 1251.1, 43.7}, {0.0005, 622.8, 13.7}, {0.0003, 1824.7, -71.1},
                                     {0.0001, 2997.1, 78.2}};
constexpr PeriodicTerm kUranusY[] = {{0.0299, 422.3, -17.7}, {-0.0049, 3035.1, -31.3}, {-0.0038, 945.3, 60.1},
                                     {-0.0023, 1227, -4.99}};
constexpr PeriodicTerm kUranusX[] = {{0.0317, 404.3, 81.9}, {-0.00495, 3037.9, 57.3}, {0.004, 993.5, -54.4},
                                     {-0.0018, 1249.4, 79.2}};
constexpr PeriodicTerm kUranusZ[] = {{0.0005, 352.5, -54.99}, {0.0001, 3027.5, 54.2}, {-0.0001, 1150.3, -88}};
constexpr PeriodicTerm kNeptuneY[] = {{-0.1923, 175.7, 31.8}, {0.0122, 542.1, 189.6}, {0.0027, 1219.4, 178.1},
                                      {-0.00496, 3035.6, -31.3}};
constexpr PeriodicTerm kNeptuneX[] = {{-0.00496, 3035.3, 58.7}, {0.0961, 177.1, -68.8}, {-0.0073, 630.9, 51},
                                      {-0.0025, 1236.6, 78}};
constexpr PeriodicTerm kNeptuneZ[] = {{0.0001, 3049.3, 44.2}, {-0.0002, 893.9, 48.5}, {0.00007, 1416.5, -25.2}};
constexpr PeriodicTerm kPlutoY[] = {{0.0371, 372, -331.3}, {-0.0049, 3049.6, -39.2}, {-0.0108, 566.2, 318.3},
                                    {0.0003, 1746.5, -238.3}};
constexpr PeriodicTerm kPlutoX[] = {{0.049, 273.97, 89.97}, {-0.0049, 3030.6, 61.3}, {0.0027, 1075.3, -28.1},
                                    {-0.0007, 1402.3, 20.3}};
constexpr PeriodicTerm kPlutoZ[] = {{0.0117, 302.6, -77.3}, {0.00198, 528.1, 48.6}, {-0.0002, 1000.4, -46.1}};

template <std::size_t N>
constexpr AxisPerturbation axis(Polynomial p, const PeriodicTerm (&terms)[N]) {
  return {p, terms, int(N)};
}

struct BodyPerturbation {
  AxisPerturbation x, y, z;
};

const BodyPerturbation kPerturbations[5] = {
    // 6 Jupiter
    {axis({0.002, -0.0134, 0.0127}, kJupiterX), axis({-0.001, -0.0005, 0.0045}, kJupiterY), {{}, nullptr, 0}},
    // 7 Saturn
    {axis({-0.0014, 0.0026, 0}, kSaturnX), axis({-0.0009, 0.0037, 0}, kSaturnY), axis({0.0006, -0.0002, 0}, kSaturnZ)},
    // 8 Uranus
    {axis({0.0134, -0.02186, 0}, kUranusX), axis({-0.0021, -0.0159, 0}, kUranusY),
     axis({-0.0003, 0.0005, 0}, kUranusZ)},
    // 9 Neptune
    {axis({-0.1122, 0.166, -0.0544}, kNeptuneX), axis({0.1832, -0.6718, 0.2726}, kNeptuneY),
     axis({0.00196, -0.0119, 0.0111}, kNeptuneZ)},
    // 10 Pluto
    {axis({-0.0603, 0.5002, -0.6126}, kPlutoX), axis({-0.0426, 0.073, -0.029}, kPlutoY),
     axis({0.0145, -0.0928, 0.1195}, kPlutoZ)},
};

// The perturbation formulas of bodies 6..10, without the date window.
Vector3 perturbationTerms(int body, Extended T) {
  const BodyPerturbation& p = kPerturbations[body - 6];
  return {p.x.at(T), p.y.at(T), p.z.at(T)};
}

// a^1.5 of every element set, computed once: the semi-major axes are
// constants of the sets.
struct AxisPowers {
  Extended major[8], early[5], minor[5];
};

const AxisPowers& axisPowers() {
  static const AxisPowers powers = [] {
    AxisPowers p{};
    auto power = [](const ElementSet& set) { return std::exp(1.5L * std::log(set.a.at(0))); };
    for (int k = 0; k < 8; ++k) p.major[k] = power(kMajorElements[k]);
    for (int k = 0; k < 5; ++k) p.early[k] = power(kEarlyElements[k]);
    for (int k = 0; k < 5; ++k) p.minor[k] = power(kMinorElements[k]);
    return p;
  }();
  return powers;
}

}  // namespace

OrbitalElements planetElements(int body, Extended T) {
  const ElementSet* set = nullptr;
  Extended aPow15 = 0;
  if (body >= 3 && body <= 10) {
    const bool early = body >= 6 && T < -2;
    set = early ? &kEarlyElements[body - 6] : &kMajorElements[body - 3];
    aPow15 = early ? axisPowers().early[body - 6] : axisPowers().major[body - 3];
  } else if (body >= 15 && body <= 19) {
    set = &kMinorElements[body - 15];
    aPow15 = axisPowers().minor[body - 15];
  } else {
    return {};
  }
  OrbitalElements el;
  el.M = normalize360(set->M.at(T)) * kDegToRad;
  el.e = set->e.at(T);
  el.a = set->a.at(T);
  el.w = set->w.at(T) * kDegToRad;
  el.N = set->N.at(T) * kDegToRad;
  el.i = set->i.at(T) * kDegToRad;
  el.aPow15 = aPow15;
  return el;
}

Vector3 planetPerturbation(int body, Extended T) {
  if (body < 6 || body > 10 || !perturbationsApply(T)) return {};
  return perturbationTerms(body, T);
}

EclipticPosition seriesPosition(int body, const FundamentalArguments& args, const HeliocentricState& earth,
                                bool perturbed) {
  const HeliocentricState state = heliocentricState(planetElements(body, args.T));
  const Vector3 w = state.velocity - earth.velocity;
  Vector3 H = state.position;
  if (perturbed && body >= 6 && body <= 10) H = H + perturbationTerms(body, args.T);
  const Vector3 G = H - earth.position;
  const Extended planar2 = G.x * G.x + G.y * G.y;
  const Extended q = (G.x * w.y - G.y * w.x) / planar2;  // radians a day
  const Extended distance = std::sqrt(planar2 + G.z * G.z);
  const Extended lightTime = distance * 0.0057683L * q * kRadToDeg;
  EclipticPosition p;
  p.lon = normalize360(std::atan2(G.y, G.x) * kRadToDeg + args.dPsi - lightTime);
  p.lat = std::atan(G.z / std::sqrt(planar2)) * kRadToDeg;
  return p;
}

namespace {

Extended wrap180(Extended degrees) {
  degrees = normalize360(degrees);
  return degrees > 180 ? degrees - 360 : degrees;
}

// A DPR1 field interpolated at the instant. Each record holds the reference
// minus the series as evaluated at the record's own instant. When the outer
// planets' perturbations switch on or off (1900, 2100) between the record and
// the instant, the record was made against the other form of the series, so it
// is first brought to the instant's form: the difference of the two forms at
// the record's instant is added. Without this the correction jumps by up to
// 6' in the five days around the switch.
Extended planetCorrection(int body, int field, bool latitude, const FundamentalArguments& args,
                          CorrectionFiles& files) {
  CorrectionFiles::FiveDayPair pair = files.planetRecords(field, args.jd);
  if (body >= 6 && body <= 10) {
    const bool here = perturbationsApply(args.T);
    Extended* values[2] = {&pair.first, &pair.second};
    for (int r = 0; r < 2; ++r) {
      const Extended recordJd = pair.firstJd + 5 * r;
      if (perturbationsApply((recordJd - 2415020) / 36525) == here) continue;
      const FundamentalArguments at = fundamentalArguments(recordJd);
      HeliocentricState earth;
      computeSun(at, earth);
      const EclipticPosition asMade = seriesPosition(body, at, earth, !here);
      const EclipticPosition asNeeded = seriesPosition(body, at, earth, here);
      const Extended difference = latitude ? asMade.lat - asNeeded.lat : wrap180(asMade.lon - asNeeded.lon);
      *values[r] += difference * 60;
    }
  }
  return pair.interpolate(args.jd);
}

}  // namespace

EclipticPosition computePlanet(int body, const FundamentalArguments& args, const HeliocentricState& earth, int pass,
                               CorrectionFiles* files) {
  EclipticPosition p = seriesPosition(body, args, earth, perturbationsApply(args.T));
  if (files && body <= 10 && planetCorrectionApplies(args.jd)) {
    p.lon = normalize360(p.lon + planetCorrection(body, body - 2, false, args, *files) / 60);
    if (pass == 0) p.lat += planetCorrection(body, body + 7, true, args, *files) / 60;
  }
  return p;
}

}  // namespace qx
