#pragma once
// The time argument of the theories and the fundamental arguments shared by
// every body of one evaluation. The instant is used as given (UT, no Delta-T).

#include "Extended.h"

namespace qx {

struct FundamentalArguments {
  Extended jd = 0;
  Extended d = 0;   // days from 1900 January 0.5: JD - 2415020
  Extended T = 0;   // Julian centuries: d / 36525
  Extended T2 = 0;  // T * T
  // Degrees, each in 0..360.
  Extended omega = 0;  // longitude of the Moon's mean ascending node
  Extended L = 0;      // Sun's mean longitude
  Extended D = 0;      // Moon's mean elongation
  Extended G = 0;      // longitude of the Moon's mean perigee
  Extended M = 0;      // Sun's mean anomaly
  Extended L1 = 0;     // Moon's mean longitude
  Extended M1 = 0;     // Moon's mean anomaly
  // Degrees, not normalised.
  Extended dPsi = 0;  // nutation in longitude, added to every apparent longitude
  Extended eps = 0;   // mean obliquity of the ecliptic
};

FundamentalArguments fundamentalArguments(Extended jd);

// Longitude of the Moon's mean perigee at d days and T centuries from 1900
// January 0.5, degrees 0..360 (also used by the true node and the apogee).
Extended meanPerigee(Extended d, Extended T);

}  // namespace qx
