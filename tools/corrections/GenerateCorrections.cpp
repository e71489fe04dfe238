// Generates the three correction files of "FilePosi" from the Swiss Ephemeris.
//
// Every value is the reference's apparent geocentric position at the record's
// instant, the Julian Day taken as UT, minus the engine's own series evaluated
// at the same Julian Day, so the files also absorb Delta-T, which the series
// ignore:
//   DSEL.rnd    Moon longitude, int16 arc-seconds, daily from JD 1721420.5;
//   NOJLNE.rnd  interpolated lunar apogee minus the mean apogee, int32
//               arc-seconds, daily from JD 2341972.5;
//   DPR1.rnd    planet longitudes and latitudes and the true node (field 9),
//               arc-minutes, every 5 days; record k at JD 1721409 + 5k, the
//               first instant that looks it up, so that interpolation never
//               leaves its interval.
// Each file covers its whole window of use. A value that does not fit its
// field stops the generator.
//
// Usage: qxmorva-gen-corrections <installation tree>   (e.g. data)
// The files are written to its folder "FilePosi".

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "ChartRecord.h"
#include "CorrectionFiles.h"
#include "Fundamentals.h"
#include "Luminaries.h"
#include "Planets.h"
#include "RealCodecs.h"

namespace {

using qx::Extended;

// Last instant (exclusive) at which each file is read, and the record counts
// that cover every lookup before it (each lookup reads records i and i + 1).
constexpr Extended kWindowEnd = 2499373.5L;
constexpr Extended kApogeeWindowEnd = 2488433.5L;

double wrap180(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 180) degrees -= 360;
  if (degrees < -180) degrees += 360;
  return degrees;
}

struct Reference {
  double lon, lat;
};

Reference reference(double jd, int body) {
  double x[6];
  char error[AS_MAXCH];
  if (swe_calc_ut(jd, body, SEFLG_SWIEPH, x, error) < 0) {
    std::fprintf(stderr, "reference failed at JD %.1f body %d: %s\n", jd, body, error);
    std::exit(1);
  }
  return {x[0], x[1]};
}

template <class T>
T checkedField(double value, const char* what, double jd) {
  const double rounded = std::nearbyint(value);
  if (rounded < double(std::numeric_limits<T>::min()) || rounded > double(std::numeric_limits<T>::max())) {
    std::fprintf(stderr, "%s: %.0f does not fit its field at JD %.1f\n", what, rounded, jd);
    std::exit(1);
  }
  return static_cast<T>(rounded);
}

void putLittleEndian(std::vector<std::uint8_t>& out, std::size_t offset, std::int32_t value, int width) {
  for (int i = 0; i < width; ++i) out[offset + std::size_t(i)] = std::uint8_t(std::uint32_t(value) >> (8 * i));
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
}

std::size_t dailyRecordCount(Extended firstDay, Extended windowEnd) {
  // The last lookup is just before windowEnd; it reads records i and i + 1.
  const long last = qx::dailyRecordIndex(windowEnd - 1e-6L, firstDay);
  return std::size_t(last + 2);
}

std::vector<std::uint8_t> moonFile() {
  const std::size_t count = dailyRecordCount(qx::kMoonFileFirstDay, kWindowEnd);
  std::vector<std::uint8_t> out(count * 2);
  double largest = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Extended jd = qx::kMoonFileFirstDay + Extended(i);
    const qx::EclipticPosition series = qx::computeMoon(qx::fundamentalArguments(jd), nullptr);
    const double arcSeconds = wrap180(reference(double(jd), SE_MOON).lon - double(series.lon)) * 3600;
    largest = std::max(largest, std::fabs(arcSeconds));
    putLittleEndian(out, i * 2, checkedField<std::int16_t>(arcSeconds, "DSEL", double(jd)), 2);
  }
  std::printf("DSEL: %zu records, largest |value| %.0f\"\n", count, largest);
  return out;
}

std::vector<std::uint8_t> apogeeFile() {
  const std::size_t count = dailyRecordCount(qx::kApogeeFileFirstDay, kApogeeWindowEnd);
  std::vector<std::uint8_t> out(count * 4);
  double largest = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Extended jd = qx::kApogeeFileFirstDay + Extended(i);
    const Extended mean = qx::computeLunarApogee(qx::fundamentalArguments(jd), false, nullptr);
    const double arcSeconds = wrap180(reference(double(jd), SE_INTP_APOG).lon - double(mean)) * 3600;
    largest = std::max(largest, std::fabs(arcSeconds));
    putLittleEndian(out, i * 4, checkedField<std::int32_t>(arcSeconds, "NOJLNE", double(jd)), 4);
  }
  std::printf("NOJLNE: %zu records, largest |value| %.0f\"\n", count, largest);
  return out;
}

// DPR1 after DSEL: the true node of the series uses the Moon as the engine
// evaluates it, that is with the DSEL correction.
std::vector<std::uint8_t> planetFile(const std::filesystem::path& tree) {
  const long lastIndex = qx::fiveDayRecordIndex(kWindowEnd - 1e-6L);
  const std::size_t count = std::size_t(lastIndex + 2);
  std::vector<std::uint8_t> out(count * qx::Dpr1Layout::kSize, 0);
  qx::CorrectionFiles files{qx::WorkFolder(tree)};
  int largest[18] = {0};
  for (std::size_t k = 0; k < count; ++k) {
    const Extended jd = qx::kPlanetFileBase + 0.5L + 5 * Extended(k);
    const double j = double(jd);
    qx::Dpr1Record record;
    record.setReal(qx::Dpr1Layout::kJulianDay, jd);

    const qx::FundamentalArguments args = qx::fundamentalArguments(jd);
    qx::HeliocentricState earth;
    const qx::EclipticPosition sun = qx::computeSun(args, earth);
    for (int body = qx::kMercury; body <= qx::kPluto; ++body) {
      const qx::EclipticPosition series = qx::computePlanet(body, args, earth, 0, nullptr);
      const Reference ref = reference(j, SE_MERCURY + (body - qx::kMercury));
      const double lonMinutes = wrap180(ref.lon - double(series.lon)) * 60;
      const double latMinutes = (ref.lat - double(series.lat)) * 60;
      const qx::Field& lonField = qx::Dpr1Layout::kFields[std::size_t(body - 2 - 1)];
      const qx::Field& latField = qx::Dpr1Layout::kFields[std::size_t(body + 7 - 1)];
      std::int32_t lonValue, latValue;
      if (lonField.type == qx::FieldType::Int16) {
        lonValue = checkedField<std::int16_t>(lonMinutes, lonField.name, j);
        latValue = checkedField<std::int16_t>(latMinutes, latField.name, j);
      } else {
        lonValue = checkedField<std::int8_t>(lonMinutes, lonField.name, j);
        latValue = checkedField<std::int8_t>(latMinutes, latField.name, j);
      }
      record.setInteger(lonField, lonValue);
      record.setInteger(latField, latValue);
      largest[body - 2] = std::max(largest[body - 2], std::abs(lonValue));
      largest[body + 7] = std::max(largest[body + 7], std::abs(latValue));
    }
    files.beginEvaluation();
    const qx::EclipticPosition moon =
        qx::computeMoon(args, qx::moonCorrectionApplies(jd) ? &files : nullptr);
    const Extended node = qx::computeLunarNode(args, true, sun.lon, moon.lon, nullptr);
    const double nodeMinutes = wrap180(reference(j, SE_TRUE_NODE).lon - double(node)) * 60;
    const std::int32_t nodeValue = checkedField<std::int8_t>(nodeMinutes, "true node", j);
    record.setInteger(qx::Dpr1Layout::kFields[8], nodeValue);
    largest[9] = std::max(largest[9], std::abs(nodeValue));
    std::copy(record.bytes().begin(), record.bytes().end(), out.begin() + std::ptrdiff_t(k * qx::Dpr1Layout::kSize));
  }
  std::printf("DPR1: %zu records, largest |field| in arc-minutes:", count);
  for (int f = 1; f <= 17; ++f) std::printf(" %d", largest[f]);
  std::printf("\n");
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <installation tree, e.g. data>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path tree = argv[1];
  const std::filesystem::path folder = tree / "FilePosi";
  std::filesystem::create_directories(folder);
  swe_set_ephe_path(QX_SWE_EPHE_DIR);
  writeFile(folder / "DSEL.rnd", moonFile());
  writeFile(folder / "NOJLNE.rnd", apogeeFile());
  writeFile(folder / "DPR1.rnd", planetFile(tree));
  swe_close();
  return 0;
}
