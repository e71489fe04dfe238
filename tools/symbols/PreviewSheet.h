#pragma once
// A contact sheet of the symbols for looking at them: each symbol in a row
// of four small tiles, the colour picture on black and on white, the white
// picture on black and the black one on white, at the size the chart window
// draws them and larger.

#include <QImage>
#include <string>
#include <vector>

#include "SymbolPicture.h"

namespace qx {

struct PreviewItem {
  std::string label;
  Polygons polygons;
  Rgb fill;
  Rgb edge;
};

QImage previewSheet(const std::vector<PreviewItem>& items);

}  // namespace qx
