#pragma once
// One drawing printed as one page: on a printer of the system (through CUPS)
// or into a PDF file, whichever the QPrinter is set up for. The page's size
// and orientation are the printer's; the drawing runs at the printer scale of
// the page width the printer reports, with round circles (PrintScaleGuard).

#include <QPrinter>
#include <functional>

#include "Drawing.h"

namespace qx {

// Landscape or portrait for the next job.
void setPrinterOrientation(QPrinter& printer, bool landscape);

// Begins the job, points the state's target at the printer page for `draw`,
// and ends the job; the state's scale, factors and target come back on every
// path. False when the printer cannot begin the job (no such printer, a PDF
// file that cannot be written).
bool printDrawing(QPrinter& printer, DrawingState& state, const std::function<void()>& draw);

}  // namespace qx
