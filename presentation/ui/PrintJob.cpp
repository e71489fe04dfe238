#include "PrintJob.h"

#include <QPageLayout>
#include <QPainter>

#include "PainterTarget.h"

namespace qx {

void setPrinterOrientation(QPrinter& printer, bool landscape) {
  printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool printDrawing(QPrinter& printer, DrawingState& state, const std::function<void()>& draw) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  try {
    PainterTarget target(painter, TargetKind::Printer);
    const PrintScaleGuard printing(state, target, printer.width());
    draw();
  } catch (...) {
    // The job is ended (and a PDF closed) before the error goes on.
    painter.end();
    throw;
  }
  return painter.end();
}

}  // namespace qx
