#pragma once
// Fonts and images need the GUI application object: one for the whole
// benchmark run, on the offscreen platform unless another is chosen.

#include <QGuiApplication>

namespace qxbench {

inline void ensureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "presentation_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

}  // namespace qxbench
