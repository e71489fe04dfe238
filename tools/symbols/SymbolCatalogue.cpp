#include "SymbolCatalogue.h"

#include <array>

namespace qx {

namespace {

std::string twoDigits(int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); }

// The colours: each legible on the black screen and on white paper, the
// darker edge keeping the light ones (the Moon, the nodes, air) crisp on
// paper.
struct Colours {
  Rgb fill;
  Rgb edge;
};
constexpr Colours kFire{0xF04A3A, 0x7A1510};
constexpr Colours kEarth{0x4CB84C, 0x1F5E1F};
constexpr Colours kAir{0xF2D230, 0x7A6400};
constexpr Colours kWater{0x2EB8E6, 0x0C5470};

// The drawing layer's planet files by number, after its remap of the display
// points (9 -> 13, 10 -> 14, 11 -> 15, then 8 -> 11); 08 to 10 and 12 are
// the further bodies of the pages that draw them by number.
struct PlanetSymbol {
  int file;
  const char* label;
  ShapeKind kind;
  char32_t codePoint;
  const char* letters;
  Colours colours;
};
constexpr std::array<PlanetSymbol, 15> kPlanets{{
    {1, "Sole", ShapeKind::Character, U'\u2609', "", {0xFFB21A, 0x8A5A00}},
    {2, "Luna", ShapeKind::Character, U'\u263D', "", {0xB4C8E6, 0x3A5478}},
    {3, "Mercurio", ShapeKind::Character, U'\u263F', "", {0x2EC4B0, 0x0E6258}},
    {4, "Venere", ShapeKind::Character, U'\u2640', "", {0x5CC85C, 0x1F6A1F}},
    {5, "Marte", ShapeKind::Character, U'\u2642', "", {0xF04A3A, 0x7A1510}},
    {6, "Giove", ShapeKind::Character, U'\u2643', "", {0x8C7CFF, 0x2E2580}},
    {7, "Saturno", ShapeKind::Character, U'\u2644', "", {0xB8956A, 0x5A4426}},
    {8, "Urano", ShapeKind::Character, U'\u2645', "", {0x33D6FF, 0x0A5A80}},
    {9, "Nettuno", ShapeKind::Character, U'\u2646', "", {0x4F86F7, 0x153F80}},
    {10, "Plutone", ShapeKind::Character, U'\u2647', "", {0xC2408A, 0x5C1240}},
    {11, "Nodo Nord", ShapeKind::Character, U'\u260A', "", {0xC9A6FF, 0x4B2E80}},
    {12, "Luna Nera", ShapeKind::Character, U'\u26B8', "", {0xA090C0, 0x3A3050}},
    {13, "Nodo Sud", ShapeKind::Character, U'\u260B', "", {0xC9A6FF, 0x4B2E80}},
    {14, "Ascendente", ShapeKind::Monogram, 0, "AS", {0xFF8040, 0x7A3010}},
    {15, "Medio Cielo", ShapeKind::Monogram, 0, "MC", {0xFF8040, 0x7A3010}},
}};

// Signs 1 Aries ... 12 Pisces; the colour is the element of the triplicity.
constexpr std::array<const char*, 12> kSignNames{"Ariete",   "Toro",    "Gemelli",    "Cancro",
                                                 "Leone",    "Vergine", "Bilancia",   "Scorpione",
                                                 "Sagittario", "Capricorno", "Acquario", "Pesci"};
constexpr std::array<Colours, 4> kTriplicity{kFire, kEarth, kAir, kWater};

// The chart window's sign prefix and the summary sheets' one.
constexpr std::array<const char*, 2> kSignPrefixes{"", "M"};

struct ElementSymbol {
  const char* name;
  const char* label;
  ShapeKind kind;
  AlchemicalSign sign;
  char32_t codePoint;
  Colours colours;
};
constexpr std::array<ElementSymbol, 7> kElements{{
    {"ElFuo1", "Fuoco", ShapeKind::Alchemical, AlchemicalSign::Fire, 0, kFire},
    {"ElTer1", "Terra", ShapeKind::Alchemical, AlchemicalSign::Earth, 0, kEarth},
    {"ElAri1", "Aria", ShapeKind::Alchemical, AlchemicalSign::Air, 0, kAir},
    {"ElAcq1", "Acqua", ShapeKind::Alchemical, AlchemicalSign::Water, 0, kWater},
    {"ElSal2", "Sale", ShapeKind::Alchemical, AlchemicalSign::Salt, 0, {0xD0D0D0, 0x505050}},
    {"ElZol2", "Zolfo", ShapeKind::Alchemical, AlchemicalSign::Sulphur, 0, {0xF2A81C, 0x7A4E00}},
    {"ElMer2", "Mercurio", ShapeKind::Character, AlchemicalSign::Fire, U'\u263F', {0xB8C8DC, 0x3A4E68}},
}};

}  // namespace

std::vector<SymbolEntry> symbolCatalogue() {
  std::vector<SymbolEntry> entries;
  for (const PlanetSymbol& p : kPlanets) {
    const std::string nn = twoDigits(p.file);
    SymbolDesign design;
    design.kind = p.kind;
    design.codePoint = p.codePoint;
    design.letters = p.letters;
    design.fill = p.colours.fill;
    design.edge = p.colours.edge;
    entries.push_back({p.label, "Simboli\\PiaX" + nn + ".emf", "Simboli\\PiaXB" + nn + ".emf",
                       "Simboli\\PiaXN" + nn + ".emf", design});
  }
  for (const char* prefix : kSignPrefixes) {
    for (int sign = 1; sign <= 12; ++sign) {
      const std::string nn = twoDigits(sign);
      const std::string p = prefix;
      SymbolDesign design;
      design.kind = ShapeKind::Character;
      design.codePoint = U'\u2648' + static_cast<char32_t>(sign - 1);
      design.fill = kTriplicity[(sign - 1) % 4].fill;
      design.edge = kTriplicity[(sign - 1) % 4].edge;
      entries.push_back({kSignNames[sign - 1], "Zodiaco\\Seg" + p + nn + ".emf", "Zodiaco\\Seg" + p + "B" + nn + ".emf",
                         "Zodiaco\\Seg" + p + "N" + nn + ".emf", design});
    }
  }
  for (const ElementSymbol& e : kElements) {
    const std::string name = e.name;
    SymbolDesign design;
    design.kind = e.kind;
    design.sign = e.sign;
    design.codePoint = e.codePoint;
    design.fill = e.colours.fill;
    design.edge = e.colours.edge;
    entries.push_back({e.label, "Simboli\\" + name + ".emf", "Simboli\\" + name + "B.emf", "Simboli\\" + name + "N.emf",
                       design});
  }
  return entries;
}

}  // namespace qx
