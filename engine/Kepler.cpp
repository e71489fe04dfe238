#include "Kepler.h"

#include <cmath>

#include "Trig.h"

namespace qx {

KeplerSolution solveKepler(Extended meanAnomaly, Extended eccentricity) {
  // Halley's method (cubic convergence) from E = M + e sin M: three or four
  // steps for the eccentricities of the element sets (at most 0.38). The last
  // step is below 1e-9 rad, so the root's sine and cosine follow from the
  // last evaluated pair by the angle-addition series to well below one unit
  // in the last place.
  const Extended e = eccentricity;
  SinCos sc = sinCosRadians(meanAnomaly);
  Extended E = meanAnomaly + e * sc.sin;
  for (int step = 0; step < 50; ++step) {
    sc = sinCosRadians(E);
    const Extended f = E - e * sc.sin - meanAnomaly;
    const Extended f1 = 1 - e * sc.cos;
    const Extended f2 = e * sc.sin;
    const Extended delta = f / (f1 - f * f2 / (2 * f1));
    E -= delta;
    if (std::fabs(delta) < 1e-9L) {
      const Extended d2 = delta * delta / 2;
      const Extended d3 = delta * d2 / 3;
      // sin(E0 - d) and cos(E0 - d) to the third order in d.
      return {E, sc.sin * (1 - d2) - sc.cos * (delta - d3), sc.cos * (1 - d2) + sc.sin * (delta - d3)};
    }
  }
  sc = sinCosRadians(E);
  return {E, sc.sin, sc.cos};
}

namespace {

// Rotates a vector (x, y) of the orbital plane into the ecliptic frame: by w
// in the plane (u = polar angle + w), tilted by i about the line of nodes and
// turned by N about the ecliptic pole. The polar angle enters only through its
// sine and cosine, which are y/r and x/r; a zero y is replaced by 1.75453e-07
// as the angle's quadrant rule requires.
struct OrbitRotation {
  SinCos w, node, inclination;
};

Vector3 toEcliptic(Extended x, Extended y, const OrbitRotation& rot) {
  const Extended r = std::sqrt(x * x + y * y);
  if (y == 0) y = 1.75453e-07L;
  const Extended rAngle = std::sqrt(x * x + y * y);
  const Extended ca = x / rAngle, sa = y / rAngle;
  const Extended cu = ca * rot.w.cos - sa * rot.w.sin;
  const Extended su = sa * rot.w.cos + ca * rot.w.sin;
  const Extended cN = rot.node.cos, sN = rot.node.sin;
  const Extended ci = rot.inclination.cos, si = rot.inclination.sin;
  return {r * (cN * cu - sN * su * ci), r * (sN * cu + cN * su * ci), r * su * si};
}

}  // namespace

HeliocentricState heliocentricState(const OrbitalElements& el) {
  const KeplerSolution k = solveKepler(el.M, el.e);
  const Extended aPow15 = el.aPow15 != 0 ? el.aPow15 : std::exp(1.5L * std::log(el.a));
  const Extended rate = 0.01720209L / ((1 - el.e * k.cosE) * aPow15);
  const Extended root = std::sqrt(1 - el.e * el.e);
  const Extended x = el.a * (k.cosE - el.e);
  const Extended y = el.a * root * k.sinE;
  const Extended vx = -el.a * rate * k.sinE;
  const Extended vy = el.a * rate * root * k.cosE;
  const OrbitRotation rotation{sinCosRadians(el.w), sinCosRadians(el.N), sinCosRadians(el.i)};
  return {toEcliptic(x, y, rotation), toEcliptic(vx, vy, rotation)};
}

}  // namespace qx
