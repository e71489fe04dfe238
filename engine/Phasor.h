#pragma once
// A unit phasor (cos x, sin x) of an angle, with the products that sum and
// subtract angles. The series of the Sun, the Moon and the node are sums of
// sines of integer combinations of a few arguments; building each term from
// the phasors of those arguments gives the same sines for a few
// multiplications instead of one trigonometric evaluation per term.

#include <array>
#include <cstdlib>

#include "Angles.h"
#include "Extended.h"
#include "Trig.h"

namespace qx {

struct Phasor {
  Extended c = 1, s = 0;  // cos, sin

  static Phasor ofDegrees(Extended x) {
    const SinCos sc = sinCosDegrees(x);
    return {sc.cos, sc.sin};
  }
  Phasor conj() const { return {c, -s}; }
};

// The phasor of a fixed angle (degrees), folded by the compiler.
constexpr Phasor fixedPhasor(Extended degrees) {
  return {__builtin_cosl(degrees * kDegToRad), __builtin_sinl(degrees * kDegToRad)};
}

inline Phasor operator*(Phasor a, Phasor b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

// Phasors of n x for n = -N..N from the phasor of x.
template <int N>
class Multiples {
 public:
  explicit Multiples(Phasor base) {
    powers_[N] = Phasor{};
    for (int n = 1; n <= N; ++n) {
      powers_[N + n] = powers_[N + n - 1] * base;
      powers_[N - n] = powers_[N + n].conj();
    }
  }
  Phasor operator[](int n) const { return powers_[std::size_t(n + N)]; }

 private:
  std::array<Phasor, 2 * N + 1> powers_;
};

}  // namespace qx
