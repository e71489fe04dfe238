#pragma once
// Mercury to Pluto and the five minor bodies: mean elements as polynomials in
// T, Kepler's equation, empirical perturbations of the outer planets for
// 1900-2100, the Earth's vector subtracted, light-time and nutation, and the
// DPR1 corrections over the file's window.

#include "Fundamentals.h"
#include "Kepler.h"
#include "Luminaries.h"

namespace qx {

class CorrectionFiles;

// Body numbers 3..10 and 15..19 (see ChartRecord.h). `pass` 0 is the main
// evaluation, which alone receives the latitude corrections.
EclipticPosition computePlanet(int body, const FundamentalArguments& args, const HeliocentricState& earth, int pass,
                               CorrectionFiles* files);

// The series alone: the position with the perturbations of bodies 6..10 on or
// off as `perturbed` says, no correction file.
EclipticPosition seriesPosition(int body, const FundamentalArguments& args, const HeliocentricState& earth,
                                bool perturbed);

// Whether the rectangular perturbations apply at T (1900 to 2100, inclusive).
inline bool perturbationsApply(Extended T) { return T >= 0 && T <= 2; }

// Mean elements of a body at T (angles converted to radians, M normalised).
OrbitalElements planetElements(int body, Extended T);

// The rectangular perturbations (AU) of bodies 6..10, zero outside 0 <= T <= 2
// and for the other bodies.
Vector3 planetPerturbation(int body, Extended T);

// The window over which the DPR1 planet fields are applied.
inline bool planetCorrectionApplies(Extended jd) { return jd >= 1721423.5L && jd < 2499373.5L; }

}  // namespace qx
