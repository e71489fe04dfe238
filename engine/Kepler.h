#pragma once
// Elliptic motion: Kepler's equation, the position and velocity in the plane
// of the orbit, and the rotation of a vector of that plane to the ecliptic.

#include "Extended.h"

namespace qx {

struct Vector3 {
  Extended x = 0, y = 0, z = 0;
};

inline Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Osculating elements at one instant: angles in radians, a in AU.
struct OrbitalElements {
  Extended M = 0;  // mean anomaly
  Extended e = 0;  // eccentricity
  Extended a = 0;  // semi-major axis
  Extended w = 0;  // argument of perihelion
  Extended N = 0;  // longitude of the ascending node
  Extended i = 0;  // inclination
  // a^1.5 (as exp(1.5 ln a)) for the rate of E; filled from `a` when 0.
  Extended aPow15 = 0;
};

// E - e sin E = M solved to convergence (the series' accuracy needs the
// converged root: a fixed small number of passes leaves Mercury ~70" off),
// with the sine and cosine of the root.
struct KeplerSolution {
  Extended E, sinE, cosE;
};
KeplerSolution solveKepler(Extended meanAnomaly, Extended eccentricity);

struct HeliocentricState {
  Vector3 position;  // AU
  Vector3 velocity;  // AU per day
};

// Position and velocity on the ellipse, rotated by w, tilted by i about the
// line of nodes and turned by N about the ecliptic pole.
HeliocentricState heliocentricState(const OrbitalElements& elements);

}  // namespace qx
