// Writes the symbol metafiles of the installation tree: the planets, nodes
// and angles in "Simboli", the signs in "Zodiaco", the elements and
// principles in "Simboli", each as a colour picture and as the white and
// black pictures of black drawing. The glyphs come from the DejaVu fonts;
// the output depends on nothing else, so running it again gives the same
// bytes.
//
// Usage: qxmorva-gen-symbols <installation tree> [--sheet <preview.png>]

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "EmfWriter.h"
#include "Outline.h"
#include "PreviewSheet.h"
#include "SymbolCatalogue.h"
#include "SymbolPicture.h"
#include "WorkFolder.h"

namespace {

const QString kGlyphFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const QString kLetterFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

// Reference device of the pictures: 1000 units make a 10 mm square.
constexpr double kPixelsPerMillimetre = 100;

// A symbol with more points than this would slow the wheel down.
constexpr std::size_t kMostPoints = 700;

std::vector<std::uint8_t> symbolMetafile(const qx::Polygons& polygons, qx::Rgb fill, qx::Rgb edge) {
  qx::EmfWriter writer(qx::kPictureSide, qx::kPictureSide, kPixelsPerMillimetre);
  writer.selectPen(qx::PenDesc{qx::PenStyle::Solid, qx::kEdgeWidth, edge});
  writer.selectBrush(qx::BrushDesc{fill, false});
  writer.polyPolygon(polygons);
  return writer.finish();
}

int usage(const char* program) {
  std::fprintf(stderr, "usage: %s <installation tree, e.g. data> [--sheet <preview.png>]\n", program);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 4) return usage(argv[0]);
  std::string sheetFile;
  if (argc == 4) {
    if (std::string(argv[2]) != "--sheet") return usage(argv[0]);
    sheetFile = argv[3];
  }
  // The glyph outlines need the platform's font machinery, not a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  try {
    const qx::WorkFolder folder(argv[1]);
    const qx::SymbolBuilder builder(kGlyphFont, kLetterFont);
    std::vector<qx::PreviewItem> preview;
    std::size_t files = 0;
    for (const qx::SymbolEntry& entry : qx::symbolCatalogue()) {
      const qx::Polygons polygons = builder.polygons(entry.design);
      const std::size_t points = qx::pointCount(polygons);
      if (points > kMostPoints) {
        std::fprintf(stderr, "%s: %zu points, more than %zu\n", entry.colourFile.c_str(), points, kMostPoints);
        return 1;
      }
      const qx::Rgb fill = entry.design.fill, edge = entry.design.edge;
      qx::saveMetafile(folder, entry.colourFile, symbolMetafile(polygons, fill, edge));
      qx::saveMetafile(folder, entry.whiteFile, symbolMetafile(polygons, qx::kWhite, qx::kWhite));
      qx::saveMetafile(folder, entry.blackFile, symbolMetafile(polygons, qx::kBlack, qx::kBlack));
      files += 3;
      std::printf("%-28s %-10s %4zu points in %zu contours\n", entry.colourFile.c_str(), entry.label.c_str(),
                  points, polygons.size());
      preview.push_back({entry.label + "  " + entry.colourFile.substr(entry.colourFile.find('\\') + 1), polygons,
                         fill, edge});
    }
    std::printf("%zu files written below %s\n", files, argv[1]);
    if (!sheetFile.empty() && !qx::previewSheet(preview).save(QString::fromStdString(sheetFile), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", sheetFile.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
