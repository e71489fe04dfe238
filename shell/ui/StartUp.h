#pragma once
// The program's start, up to the main window shown:
//   1-2. the state's defaults with the screen's size, and the orb settings;
//   3.   the printer probe: without a printer the warning "OCCORRE INSTALLARE
//        DRIVER STAMPANTE - VEDERE MANUALE (inizio)" (one OK button) and no
//        printing; with one, the printer scale from its page width and the
//        landscape orientation;
//   4.   the windows, the main window first;
//   5.   the main window, centred on the screen, shown; its first activation
//        follows (and after it, once per run, the usage log).

#include <QtGlobal>
#include <functional>
#include <memory>
#include <optional>

#include "Extended.h"

namespace qx {

class ShellState;
class TFoMorva;

// The default printer's page width in device pixels, or nothing when no
// printer driver answers.
using PrinterProbe = std::function<std::optional<Extended>()>;
std::optional<Extended> defaultPrinterPageWidth();

// Runs steps 1 to 5 and gives the main window (shown). A file error of the
// first two steps reaches the caller.
std::unique_ptr<TFoMorva> startUp(ShellState& state, const PrinterProbe& probe = defaultPrinterPageWidth);

}  // namespace qx
