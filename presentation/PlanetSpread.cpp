#include "PlanetSpread.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace qx {

std::vector<float> spreadAngles(const std::vector<float>& angles, float spacing) {
  const std::size_t n = angles.size();
  if (n < 2) return angles;

  // Sorted ascending, each angle keeping its body.
  std::vector<std::size_t> body(n);
  std::iota(body.begin(), body.end(), std::size_t(0));
  std::stable_sort(body.begin(), body.end(), [&](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
  std::vector<float> sorted(n);
  for (std::size_t k = 0; k < n; ++k) sorted[k] = angles[body[k]];

  // The largest circular gap; the gap before the first angle runs from the
  // last one round through 360. The first largest gap found wins.
  std::size_t start = 0;
  float largest = sorted[0] + 360.0f - sorted[n - 1];
  for (std::size_t k = 1; k < n; ++k) {
    const float gap = sorted[k] - sorted[k - 1];
    if (gap > largest) {
      largest = gap;
      start = k;
    }
  }

  // a[1..n] is the rotated, increasing list; a[0] and a[n + 1] are the
  // sentinels (the last one round the circle before the first, the first one
  // round the circle after the last).
  std::vector<float> a(n + 2);
  std::vector<std::size_t> order(n + 2);
  std::vector<bool> turned(n + 2, false);
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t from = (start + k) % n;
    a[k + 1] = sorted[from];
    order[k + 1] = body[from];
    if (from < start) {
      a[k + 1] += 360.0f;
      turned[k + 1] = true;
    }
  }
  const std::vector<float> kept(a);
  a[0] = a[n] - 360.0f;
  a[n + 1] = a[1] + 360.0f;

  int m = 0;  // angles pushed in the current run
  for (std::size_t j = 1; j <= n; ++j) {
    if (a[j + 1] - a[j] <= spacing) {
      a[j + 1] = a[j] + spacing;
      ++m;
      continue;
    }
    // The run of m + 1 angles ending at j is complete.
    const std::size_t first = j - std::size_t(m);
    const float h = (a[j] - kept[j]) / 2.0f;
    const float g = a[first] - a[first - 1];
    float back = 0.0f;
    if (g >= spacing + h) {
      back = h;
    } else if (g > spacing && m > 1) {
      back = g - spacing;
    }
    for (std::size_t k = first; k <= j; ++k) a[k] -= back;
    m = 0;
  }

  std::vector<float> spread(n);
  for (std::size_t k = 1; k <= n; ++k) spread[order[k]] = turned[k] ? a[k] - 360.0f : a[k];
  return spread;
}

}  // namespace qx
