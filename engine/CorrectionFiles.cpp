#include "CorrectionFiles.h"

#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <fstream>

#include "Angles.h"
#include "IoError.h"

namespace qx {

long dailyRecordIndex(Extended jd, Extended firstDay) {
  return long(std::nearbyint(jd - firstDay - 0.5L));
}

long fiveDayRecordIndex(Extended jd) { return long(truncate(jd - kPlanetFileBase - 0.5L)) / 5; }

CorrectionFiles::CorrectionFiles(WorkFolder folder) : folder_(std::move(folder)) {}

const std::vector<std::uint8_t>& CorrectionFiles::contents(CachedFile& file) {
  if (file.loaded && file.generation == generation_) return file.bytes;
  file.generation = generation_;

  struct stat st {};
  if (file.path.empty() || ::stat(file.path.c_str(), &st) != 0) {
    file.path = folder_.resolve(file.name);
    if (::stat(file.path.c_str(), &st) != 0) {
      file.loaded = false;
      throw IoError(IoErrorCode::FileNotFound, file.path.string());
    }
  }
  const bool unchanged = file.loaded && file.device == st.st_dev && file.inode == st.st_ino &&
                         file.size == static_cast<unsigned long long>(st.st_size) &&
                         file.mtimeSeconds == st.st_mtim.tv_sec && file.mtimeNanoseconds == st.st_mtim.tv_nsec;
  if (unchanged) return file.bytes;

  std::ifstream in(file.path, std::ios::binary);
  file.bytes.resize(static_cast<std::size_t>(st.st_size));
  if (!in || !in.read(reinterpret_cast<char*>(file.bytes.data()), std::streamsize(file.bytes.size()))) {
    file.loaded = false;
    throw IoError(IoErrorCode::FileNotFound, file.path.string());
  }
  file.device = st.st_dev;
  file.inode = st.st_ino;
  file.size = static_cast<unsigned long long>(st.st_size);
  file.mtimeSeconds = st.st_mtim.tv_sec;
  file.mtimeNanoseconds = st.st_mtim.tv_nsec;
  file.loaded = true;
  return file.bytes;
}

const std::uint8_t* CorrectionFiles::record(CachedFile& file, long index) {
  const std::vector<std::uint8_t>& bytes = contents(file);
  const std::size_t records = bytes.size() / file.recordSize;
  if (index < 0 || std::size_t(index) >= records) throw IoError(IoErrorCode::ReadPastEnd, file.path.string());
  return bytes.data() + std::size_t(index) * file.recordSize;
}

namespace {

std::int32_t littleEndian(const std::uint8_t* p, std::size_t width) {
  if (width == 2) return static_cast<std::int16_t>(p[0] | (p[1] << 8));
  return static_cast<std::int32_t>(std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                                   (std::uint32_t(p[3]) << 24));
}

}  // namespace

Extended CorrectionFiles::moonArcSeconds(Extended jd) {
  const long i = dailyRecordIndex(jd, kMoonFileFirstDay);
  const Extended a = littleEndian(record(moon_, i), 2);
  const Extended b = littleEndian(record(moon_, i + 1), 2);
  Extended value = a + (jd - (i + kMoonFileFirstDay)) * (b - a);
  if (value > 21600) value -= 21600;
  return value;
}

Extended CorrectionFiles::apogeeArcSeconds(Extended jd) {
  const long i = dailyRecordIndex(jd, kApogeeFileFirstDay);
  const Extended a = littleEndian(record(apogee_, i), 4);
  const Extended b = littleEndian(record(apogee_, i + 1), 4);
  return a + (jd - (i + kApogeeFileFirstDay)) * (b - a);
}

const CorrectionFiles::PlanetPair& CorrectionFiles::planetPair(Extended jd) {
  const long k = fiveDayRecordIndex(jd);
  if (pair_.index == k && pair_.generation == generation_) return pair_;
  std::memcpy(pair_.first.data(), record(planets_, k), Dpr1Layout::kSize);
  std::memcpy(pair_.second.data(), record(planets_, k + 1), Dpr1Layout::kSize);
  pair_.firstJd = pair_.first.real(Dpr1Layout::kJulianDay);
  pair_.index = k;
  pair_.generation = generation_;
  return pair_;
}

CorrectionFiles::FiveDayPair CorrectionFiles::planetRecords(int field, Extended jd) {
  const PlanetPair& pair = planetPair(jd);
  const Field& f = Dpr1Layout::kFields[std::size_t(field - 1)];
  return {Extended(pair.first.integer(f)), Extended(pair.second.integer(f)), pair.firstJd};
}

Extended CorrectionFiles::FiveDayPair::interpolate(Extended jd) const {
  Extended value = first + (jd - firstJd) * (second - first) / 5;
  if (value > 21600) value -= 21600;
  return value;
}

Extended CorrectionFiles::planetField(int field, Extended jd) { return planetRecords(field, jd).interpolate(jd); }

}  // namespace qx
