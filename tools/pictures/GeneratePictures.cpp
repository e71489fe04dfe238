// Writes the program's bitmaps: the exit picture of the installation tree
// (data/FineProg.bmp and data/FineProgClic.bmp, loaded from the working
// folder at run time) and the pictures built into the program
// (shell/ui/pictures/: banner, logo, padlocks, the sheet window's glyphs,
// the application icon) with the resource list that names them. Nothing in
// the output depends on the time or the machine's fonts: running it again
// gives the same bytes.
//
// Usage: qxmorva-gen-pictures <project root>

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Pictures.h"
#include "WorkFolder.h"

namespace {

struct Picture {
  const char* name;
  std::function<QImage()> draw;
};

void save(const QImage& image, const std::filesystem::path& path) {
  const bool png = path.extension() == ".png";
  const QImage out = png ? image : image.convertToFormat(QImage::Format_RGB888);  // 24-bit bitmaps
  if (!out.save(QString::fromStdString(path.string()), png ? "PNG" : "BMP"))
    throw std::runtime_error("cannot write " + path.string());
  std::printf("%-40s %dx%d\n", path.string().c_str(), image.width(), image.height());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <project root>\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  try {
    const qx::WorkFolder project(argv[1]);
    const qx::WorkFolder installation(project.resolve("data"));
    if (!std::filesystem::is_directory(installation.root()))
      throw std::runtime_error(installation.root().string() + " is not the installation tree");

    save(qx::exitPicture(false), installation.pathForWrite("FineProg.bmp"));
    save(qx::exitPicture(true), installation.pathForWrite("FineProgClic.bmp"));

    const std::vector<Picture> builtIn = {
        {"Banner.bmp", qx::bannerPicture},
        {"Logo.bmp", qx::logoPicture},
        {"LockOpen.bmp", [] { return qx::lockPicture(false); }},
        {"LockShut.bmp", [] { return qx::lockPicture(true); }},
        {"SetupL.bmp", [] { return qx::pagePicture(true); }},
        {"SetupP.bmp", [] { return qx::pagePicture(false); }},
        {"StColor.bmp", [] { return qx::colourModePicture(false); }},
        {"StNero.bmp", [] { return qx::colourModePicture(true); }},
        {"LosLin.bmp", [] { return qx::aspectStylePicture(true); }},
        {"LinLos.bmp", [] { return qx::aspectStylePicture(false); }},
        {"qxmorva.png", qx::applicationIcon},
    };
    std::string resources = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const Picture& picture : builtIn) {
      save(picture.draw(), project.pathForWrite(std::string("shell/ui/pictures/") + picture.name));
      resources += std::string("  <file>") + picture.name + "</file>\n";
    }
    resources += "</qresource>\n</RCC>\n";

    const std::filesystem::path list = project.pathForWrite("shell/ui/pictures/pictures.qrc");
    std::ofstream out(list, std::ios::binary | std::ios::trunc);
    out << resources;
    if (!out.flush()) throw std::runtime_error("cannot write " + list.string());
    std::printf("%s\n", list.string().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
