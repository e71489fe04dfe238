#pragma once
// The three correction files that bring the series closer to an accurate
// ephemeris over their date windows:
//   "FilePosi\\DSEL.rnd"   Moon longitude, int16 arc-seconds, one record a day
//                          (record i: day i + 1721420.5);
//   "FilePosi\\NOJLNE.rnd" lunar apogee, int32 arc-seconds, one record a day
//                          (record i: day i + 2341972.5);
//   "FilePosi\\DPR1.rnd"   planets and true node, 32-byte records every 5 days,
//                          fields in arc-minutes, the record's Julian Day as a
//                          6-byte real.
// Each file is read whole on first use and kept in memory. At every new
// evaluation (`beginEvaluation`) the file's identity, size and modification
// time are checked once, so a replaced file is seen at the next evaluation.
// A missing file, or a record past its end, raises IoError.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "Extended.h"
#include "RecordLayout.h"
#include "WorkFolder.h"

namespace qx {

// Record layout of "FilePosi\\DPR1.rnd".
struct Dpr1Layout {
  static constexpr std::size_t kSize = 32;
  static constexpr Field kJulianDay{0, 6, FieldType::Real48, "JD"};
  // Fields 1..17 in the file's numbering; field f of the 17 at kFields[f - 1].
  static constexpr std::array<Field, 17> kFields{{
      {6, 1, FieldType::Int8, "lon Mercury"},    {7, 1, FieldType::Int8, "lon Venus"},
      {8, 1, FieldType::Int8, "lon Mars"},       {9, 1, FieldType::Int8, "lon Jupiter"},
      {10, 1, FieldType::Int8, "lon Saturn"},    {11, 1, FieldType::Int8, "lon Uranus"},
      {12, 1, FieldType::Int8, "lon Neptune"},   {14, 2, FieldType::Int16, "lon Pluto"},
      {16, 1, FieldType::Int8, "true node"},     {17, 1, FieldType::Int8, "lat Mercury"},
      {18, 1, FieldType::Int8, "lat Venus"},     {19, 1, FieldType::Int8, "lat Mars"},
      {20, 1, FieldType::Int8, "lat Jupiter"},   {21, 1, FieldType::Int8, "lat Saturn"},
      {22, 1, FieldType::Int8, "lat Uranus"},    {23, 1, FieldType::Int8, "lat Neptune"},
      {24, 2, FieldType::Int16, "lat Pluto"},
  }};
  static constexpr Field kUnused13{13, 1, FieldType::Unused, "unused"};
  static constexpr Field kUnusedTail{26, 6, FieldType::Unused, "unused"};
};
using Dpr1Record = FixedRecord<Dpr1Layout::kSize>;

// Names and day numbering of the files.
inline constexpr std::string_view kMoonFileName = "FilePosi\\DSEL.rnd";
inline constexpr std::string_view kApogeeFileName = "FilePosi\\NOJLNE.rnd";
inline constexpr std::string_view kPlanetFileName = "FilePosi\\DPR1.rnd";
inline constexpr Extended kMoonFileFirstDay = 1721420.5L;
inline constexpr Extended kApogeeFileFirstDay = 2341972.5L;
inline constexpr Extended kPlanetFileBase = 1721408.5L;

// Index of the first daily record used for `jd`: round(jd - firstDay - 0.5).
long dailyRecordIndex(Extended jd, Extended firstDay);
// Index of the first five-day record used for `jd`: trunc(jd - base - 0.5) div 5.
long fiveDayRecordIndex(Extended jd);

class CorrectionFiles {
 public:
  explicit CorrectionFiles(WorkFolder folder);

  // Marks the start of an evaluation: each file is checked again (once) at its
  // next use.
  void beginEvaluation() { ++generation_; }

  // Interpolated corrections at `jd` (arc-seconds for the daily files,
  // arc-minutes for the DPR1 fields 1..17).
  Extended moonArcSeconds(Extended jd);
  Extended apogeeArcSeconds(Extended jd);
  Extended planetField(int field, Extended jd);

  // The two records of a DPR1 field that `planetField` interpolates: their
  // values and the first record's Julian Day (the second lies 5 days later).
  struct FiveDayPair {
    Extended first = 0, second = 0, firstJd = 0;
    Extended interpolate(Extended jd) const;
  };
  FiveDayPair planetRecords(int field, Extended jd);

 private:
  struct CachedFile {
    std::string_view name;
    std::size_t recordSize;
    std::filesystem::path path;
    std::vector<std::uint8_t> bytes;
    bool loaded = false;
    unsigned long long generation = 0;
    // Identity of the loaded content.
    unsigned long long device = 0, inode = 0, size = 0;
    long long mtimeSeconds = 0, mtimeNanoseconds = 0;
  };

  // The file's bytes, reloaded when it changed since the last evaluation.
  const std::vector<std::uint8_t>& contents(CachedFile& file);
  const std::uint8_t* record(CachedFile& file, long index);

  // The last pair of DPR1 records read: the planets and the node of one
  // evaluation all read the same two records.
  struct PlanetPair {
    long index = -1;
    unsigned long long generation = 0;
    Dpr1Record first, second;
    Extended firstJd = 0;
  };
  const PlanetPair& planetPair(Extended jd);

  WorkFolder folder_;
  unsigned long long generation_ = 1;
  PlanetPair pair_;
  CachedFile moon_{kMoonFileName, 2, {}, {}};
  CachedFile apogee_{kApogeeFileName, 4, {}, {}};
  CachedFile planets_{kPlanetFileName, Dpr1Layout::kSize, {}, {}};
};

}  // namespace qx
