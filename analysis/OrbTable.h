#pragma once
// The fourteen aspects the program knows and the orb of each in the set in
// force. The table index order is the program's own; the orb window and both
// orb files list the aspects in the window row order instead, and
// `kWindowRowIndex` maps one onto the other.

#include <array>
#include <string_view>

#include "Extended.h"

namespace qx {

inline constexpr int kAspectCount = 14;

// Table indices. 0 to 4 are the major aspects.
enum AspectIndex : int {
  kConjunction = 0,
  kSextile = 1,
  kSquare = 2,
  kTrine = 3,
  kOpposition = 4,
  kSemiSextile = 5,
  kDecile = 6,
  kNovile = 7,
  kSemiSquare = 8,
  kSeptile = 9,
  kQuintile = 10,
  kSesquiquadrate = 11,
  kBiquintile = 12,
  kQuincunx = 13,
};

struct AspectKind {
  std::string_view caption;  // the orb window's row caption
  Extended angle;            // exact angle in degrees
  int windowRow;             // 1..14
  int setAOrb;               // the fixed orb of set A, whole degrees
  Extended setBDefault;      // orbs of a new set B and C
  Extended setCDefault;
  int glyphCode;             // glyph of the aspect grid; 0 for none
};

// Indexed by `AspectIndex`.
extern const std::array<AspectKind, kAspectCount> kAspectKinds;

// Window row (1..14, here at position row - 1) to table index.
inline constexpr std::array<int, kAspectCount> kWindowRowIndex = {0, 5, 6, 7, 8, 9, 1, 10, 2, 3, 11, 12, 13, 4};

// The orbs of the set in force, one per aspect, by table index.
struct OrbTable {
  std::array<Extended, kAspectCount> orb{};

  Extended& operator[](int index) { return orb[std::size_t(index)]; }
  Extended operator[](int index) const { return orb[std::size_t(index)]; }

  // The fixed orbs of set A.
  static OrbTable setA();
};

// The 14 orbs of one set, in window row order, as the table index order.
OrbTable orbTableFromWindowRows(const std::array<Extended, kAspectCount>& rows);
std::array<Extended, kAspectCount> windowRowsFromOrbTable(const OrbTable& table);

// The orbs of set A, B and C as the orb files hold them (window row order):
// set A fixed, B and C their values before anything was edited.
std::array<Extended, kAspectCount> setAWindowRows();
std::array<Extended, kAspectCount> defaultSetBWindowRows();
std::array<Extended, kAspectCount> defaultSetCWindowRows();

}  // namespace qx
