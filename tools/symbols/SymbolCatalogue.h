#pragma once
// Every symbol picture of the installation: its three files (the colour
// picture, the white one for black drawing on the screen, the black one for
// black drawing on paper), what it depicts and its colours.

#include <string>
#include <vector>

#include "DrawTarget.h"
#include "Shapes.h"

namespace qx {

enum class ShapeKind { Character, Monogram, Alchemical };

struct SymbolDesign {
  ShapeKind kind = ShapeKind::Character;
  char32_t codePoint = 0;                      // Character
  const char* letters = "";                    // Monogram
  AlchemicalSign sign = AlchemicalSign::Fire;  // Alchemical
  Rgb fill = kBlack;  // the colour picture's fill
  Rgb edge = kBlack;  // and its thin outline, a darker shade of the fill
};

struct SymbolEntry {
  std::string label;       // for messages: "Sole", "Ariete", "Fuoco" ...
  std::string colourFile;  // "Simboli\\PiaX01.emf"
  std::string whiteFile;   // "Simboli\\PiaXB01.emf"
  std::string blackFile;   // "Simboli\\PiaXN01.emf"
  SymbolDesign design;
};

// The planets by file number (01 Sun ... 15 Midheaven), the signs under the
// chart window's and the summary sheets' prefixes, the elements and the
// principles.
std::vector<SymbolEntry> symbolCatalogue();

}  // namespace qx
