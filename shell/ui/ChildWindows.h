#pragma once
// The windows the application creates at start, after the main window and in
// this order, all hidden. A window whose own behaviour is built is created as
// its class; every other one as a PlaceholderWindow with its class name,
// instance name and caption. Each has the main window as its parent, so they
// all go with it.

#include <QWidget>
#include <array>
#include <string_view>

namespace qx {

class ShellState;

// Numbered as in the order of creation; 1 is the main window itself.
enum class WindowId : int {
  FoMorva = 1,
  FoNomUte,
  FormRich,
  FgrNaMorva,
  FoMetGra,
  FoPrint,
  FoOrbMorva,
  FoInputMorva,
  FormRegMorva,
  FoCancel,
  FgrTxtMorva,
  FoSpeLin,
  FoStampa,
  FoTerapi,
  FoSintom2,
  FoSintom3,
  FoModifi,
  FoMainArc,
  FoAggRep,
  FoAggiorna,
  FoReMaiH,
  FoSegnat,
  FoUtilit,
  FoPiante,
  FoMali,
  FoSintesi,
  FgrMorva,
  FoIstDef,
};

inline constexpr int kWindowCount = 28;

struct WindowEntry {
  WindowId id;
  std::string_view className;  // the instance name is the class name without its leading "T"
  std::string_view caption;    // empty: none shown, or set at run time
};

extern const std::array<WindowEntry, kWindowCount> kWindowTable;

const WindowEntry& windowEntry(WindowId id);
QString instanceName(const WindowEntry& entry);

class ChildWindows {
 public:
  // Creates windows 2 to 28 in order, as children of `mainWindow`.
  ChildWindows(ShellState& state, QWidget* mainWindow);

  QWidget* window(WindowId id) const;
  template <class Window>
  Window* as(WindowId id) const {
    return qobject_cast<Window*>(window(id));
  }

  // Whether the window is the real one (not a placeholder).
  bool isBuilt(WindowId id) const;

  // The three full-screen windows.
  static constexpr std::array<WindowId, 3> kFullScreen = {WindowId::FgrMorva, WindowId::FgrTxtMorva,
                                                           WindowId::FgrNaMorva};

 private:
  std::array<QWidget*, kWindowCount + 1> windows_{};  // index = WindowId, 1 unused (the main window)
};

}  // namespace qx
