#pragma once
// The three record layouts of a subject archive:
//   NAME.ST1  IndexRecord       44 bytes  the sorted name index
//   NAME.ST2  BirthRecord      385 bytes  birth data and codes, appended only
//   NAME.ST3  AnnotationRecord 284 bytes  four annotation lines
// Record 0 of "TMPR.ST1" and "TMPR.ST2" is the current subject, read by the
// chart computation through these same types, so this header depends on
// nothing but the record primitives.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace qx {

// An index text: the name padded with blanks to 38 characters, then the
// number of the subject's birth record as 5 digits.
inline constexpr std::size_t kIndexNameWidth = 38;
inline constexpr std::size_t kIndexNumberWidth = 5;
inline constexpr std::size_t kIndexTextWidth = kIndexNameWidth + kIndexNumberWidth;  // 43
// The 5-digit fields cannot hold a larger record number.
inline constexpr long kLargestRecordNumber = 99999;

class IndexRecord : public FixedRecord<44> {
 public:
  static constexpr Field kText{0, 44, FieldType::ShortString, "Text"};
  static constexpr std::array<Field, 1> kLayout{kText};

  IndexRecord() = default;
  explicit IndexRecord(std::string_view indexText) { setIndexText(indexText); }

  std::string indexText() const { return text(kText); }
  void setIndexText(std::string_view value) { setText(kText, value); }
};

class BirthRecord : public FixedRecord<385> {
 public:
  // yyyymmddhhmm followed by the correction text ("+1", "-5,5").
  static constexpr Field kDateKey{0, 21, FieldType::ShortString, "DateKey"};
  // Characters 1-12 the coordinates text, 13 on the place name.
  static constexpr Field kPlaceField{21, 40, FieldType::ShortString, "PlaceField"};
  // "GR" Gregorian, "GI" Julian.
  static constexpr Field kCalendarCode{61, 3, FieldType::ShortString, "CalendarCode"};
  static constexpr Field kNationality{64, 21, FieldType::ShortString, "Nationality"};
  static constexpr Field kPlanetsCode{85, 73, FieldType::ShortString, "PlanetsCode"};
  static constexpr Field kCuspsCode{158, 61, FieldType::ShortString, "CuspsCode"};
  static constexpr Field kAspectsCode{219, 125, FieldType::ShortString, "AspectsCode"};
  // Two fields always written empty; the deletion window shows the second.
  static constexpr Field kReserved1{344, 22, FieldType::ShortString, "Reserved1"};
  static constexpr Field kReserved2{366, 13, FieldType::ShortString, "Reserved2"};
  // Number of the subject's record in NAME.ST3 as 5 digits; "00000" for none.
  static constexpr Field kAnnotationIndex{379, 6, FieldType::ShortString, "AnnotationIndex"};
  static constexpr std::array<Field, 10> kLayout{kDateKey,     kPlaceField, kCalendarCode, kNationality,
                                                 kPlanetsCode, kCuspsCode,  kAspectsCode,  kReserved1,
                                                 kReserved2,   kAnnotationIndex};

  std::string DateKey() const { return text(kDateKey); }
  void setDateKey(std::string_view v) { setText(kDateKey, v); }
  std::string PlaceField() const { return text(kPlaceField); }
  void setPlaceField(std::string_view v) { setText(kPlaceField, v); }
  std::string CalendarCode() const { return text(kCalendarCode); }
  void setCalendarCode(std::string_view v) { setText(kCalendarCode, v); }
  std::string Nationality() const { return text(kNationality); }
  void setNationality(std::string_view v) { setText(kNationality, v); }
  std::string PlanetsCode() const { return text(kPlanetsCode); }
  void setPlanetsCode(std::string_view v) { setText(kPlanetsCode, v); }
  std::string CuspsCode() const { return text(kCuspsCode); }
  void setCuspsCode(std::string_view v) { setText(kCuspsCode, v); }
  std::string AspectsCode() const { return text(kAspectsCode); }
  void setAspectsCode(std::string_view v) { setText(kAspectsCode, v); }
  std::string Reserved1() const { return text(kReserved1); }
  void setReserved1(std::string_view v) { setText(kReserved1, v); }
  std::string Reserved2() const { return text(kReserved2); }
  void setReserved2(std::string_view v) { setText(kReserved2, v); }
  std::string AnnotationIndex() const { return text(kAnnotationIndex); }
  void setAnnotationIndex(std::string_view v) { setText(kAnnotationIndex, v); }
};

class AnnotationRecord : public FixedRecord<284> {
 public:
  static constexpr Field kLine1{0, 71, FieldType::ShortString, "Line1"};
  static constexpr Field kLine2{71, 71, FieldType::ShortString, "Line2"};
  static constexpr Field kLine3{142, 71, FieldType::ShortString, "Line3"};
  // Characters 1-64 the fourth annotation line padded with blanks, 65-69 the
  // number of the subject's text file (5 digits) or nothing.
  static constexpr Field kLine4{213, 71, FieldType::ShortString, "Line4"};
  static constexpr std::array<Field, 4> kLayout{kLine1, kLine2, kLine3, kLine4};
  static constexpr std::size_t kLineWidth = 70;
  static constexpr std::size_t kNoteWidth = 64;
  static constexpr std::size_t kTextNumberWidth = 5;

  // Line 1 to 4.
  std::string Line(int line) const { return text(kLayout.at(std::size_t(line - 1))); }
  void setLine(int line, std::string_view v) { setText(kLayout.at(std::size_t(line - 1)), v); }

  // Characters 1-64 and 65-69 of line 4.
  std::string Line4Note() const { return Line(4).substr(0, kNoteWidth); }
  std::string TextNumber() const;
};

static_assert(tilesRecord(IndexRecord::kLayout, IndexRecord::kSize));
static_assert(tilesRecord(BirthRecord::kLayout, BirthRecord::kSize));
static_assert(tilesRecord(AnnotationRecord::kLayout, AnnotationRecord::kSize));

// The correction text of a date key: Corr in the general float-to-text form,
// with "+" in front when it is 0 or positive ("-1", "-2", "+5", "-5,5").
std::string correctionText(long double corr);

// A registration's date key: yyyymmddhhmm followed by the correction text.
std::string makeDateKey(int year, int month, int day, int hour, int minute, long double corr);

// Byte-by-byte order of index texts (unsigned bytes; a prefix sorts first).
int compareIndexTexts(std::string_view a, std::string_view b);

// The index text of a name and a birth-record number: the name cut to 38
// characters and padded with blanks to 38, then the number as 5 digits, so the
// number always stands in characters 39-43. The number must lie in
// 0..kLargestRecordNumber (std::invalid_argument otherwise).
std::string makeIndexText(std::string_view name, long recordNumber);

// The name of an index text: its first 38 characters without the padding
// blanks at the end. (The first 38 characters as stored are
// text.substr(0, kIndexNameWidth).)
std::string indexName(std::string_view indexText);

// The birth-record number in characters 39-43, or nothing when they are not
// five digits (the current subject after a recall holds a bare name).
std::optional<long> indexNumber(std::string_view indexText);

}  // namespace qx
