#include "Fundamentals.h"

#include "Angles.h"

namespace qx {

Extended meanPerigee(Extended d, Extended T) {
  // The T² coefficient is negative: with it the mean anomaly L1 - G agrees
  // with M1 below, and the perigee follows the classical series.
  return normalize360(334.32956L + 0.11140408L * d + (-0.010325L - 0.000012L * T) * T * T);
}

FundamentalArguments fundamentalArguments(Extended jd) {
  FundamentalArguments a;
  a.jd = jd;
  a.d = jd - 2415020;
  a.T = a.d / 36525;
  a.T2 = a.T * a.T;
  const Extended d = a.d, T = a.T, T2 = a.T2;
  a.omega = normalize360(259.1833L - 0.05295392L * d + (0.002078L + 0.000002L * T) * T2);
  a.L = normalize360(279.69668L + 36000.7689L * T + 0.0003025L * T2);
  a.D = normalize360(350.737486L + 445267.114L * T - 0.001436L * T2);
  a.G = meanPerigee(d, T);
  a.M = normalize360(358.47584L + 35999.04975L * T - 0.00015L * T2);
  a.L1 = normalize360(270.434164L + 13.1763965L * d + (-0.001133L + 0.0000019L * T) * T2);
  a.M1 = normalize360(296.1046083L + 477198.849L * T + 0.009191671L * T2);
  a.dPsi = (-(17.2327L + 0.01737L * T) * sinDeg(a.omega) - 1.273L * sinDeg(2 * a.L)) / 3600;
  a.eps = 23.4522944L - 0.0130125L * T;
  return a;
}

}  // namespace qx
