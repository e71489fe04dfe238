#include "OrbTable.h"

namespace qx {

const std::array<AspectKind, kAspectCount> kAspectKinds = {{
    {"Congiunzione", 0.0L, 1, 10, 10.0L, 5.0L, 1},
    {"Sestile", 60.0L, 7, 4, 3.0L, 3.0L, 2},
    {"Quadrato", 90.0L, 9, 6, 4.0L, 4.5L, 3},
    {"Trigono", 120.0L, 10, 8, 4.0L, 5.0L, 4},
    {"Opposizione", 180.0L, 14, 9, 8.0L, 7.0L, 5},
    {"SemiSestile", 30.0L, 2, 1, 1.0L, 1.0L, 9},
    {"Decile", 36.0L, 3, 1, 0.5L, 0.5L, 0},
    {"Novile", 40.0L, 4, 1, 0.5L, 0.5L, 0},
    {"SemiQuadrato", 45.0L, 5, 1, 1.0L, 1.0L, 7},
    {"Settile", 360.0L / 7.0L, 6, 1, 0.5L, 0.5L, 0},
    {"Quintile", 72.0L, 8, 1, 1.0L, 1.0L, 10},
    {"SesquiQuadr", 135.0L, 11, 1, 1.0L, 0.8L, 6},
    {"BiQuintile", 144.0L, 12, 1, 1.0L, 0.8L, 11},
    {"Quinconce", 150.0L, 13, 1, 2.0L, 1.5L, 8},
}};

OrbTable OrbTable::setA() { return orbTableFromWindowRows(setAWindowRows()); }

OrbTable orbTableFromWindowRows(const std::array<Extended, kAspectCount>& rows) {
  OrbTable table;
  for (std::size_t row = 0; row < rows.size(); ++row) table[kWindowRowIndex[row]] = rows[row];
  return table;
}

std::array<Extended, kAspectCount> windowRowsFromOrbTable(const OrbTable& table) {
  std::array<Extended, kAspectCount> rows{};
  for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = table[kWindowRowIndex[row]];
  return rows;
}

namespace {

template <typename Pick>
std::array<Extended, kAspectCount> rowsOf(Pick pick) {
  std::array<Extended, kAspectCount> rows{};
  for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = pick(kAspectKinds[std::size_t(kWindowRowIndex[row])]);
  return rows;
}

}  // namespace

std::array<Extended, kAspectCount> setAWindowRows() {
  return rowsOf([](const AspectKind& k) { return Extended(k.setAOrb); });
}

std::array<Extended, kAspectCount> defaultSetBWindowRows() {
  return rowsOf([](const AspectKind& k) { return k.setBDefault; });
}

std::array<Extended, kAspectCount> defaultSetCWindowRows() {
  return rowsOf([](const AspectKind& k) { return k.setCDefault; });
}

}  // namespace qx
