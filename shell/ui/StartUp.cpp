#include "StartUp.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QStringList>

#include "Cp1252.h"
#include "ShellState.h"
#include "TFoMorva.h"

namespace qx {

namespace {

QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }

void tell(QMessageBox::Icon icon, const QString& name, const QString& text) {
  QMessageBox box(icon, QStringLiteral("QxMorva"), text, QMessageBox::Ok);
  box.setObjectName(name);
  box.exec();
}

}  // namespace

std::optional<Extended> defaultPrinterPageWidth() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return std::nullopt;
  QPrinter printer(info, QPrinter::HighResolution);
  if (!printer.isValid()) return std::nullopt;
  const int width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
  if (width <= 0) return std::nullopt;
  return Extended(width);
}

std::unique_ptr<TFoMorva> startUp(ShellState& state, const PrinterProbe& probe) {
  // 1-2.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
  const std::vector<std::string> restored = state.startUp(screenSize.width(), screenSize.height());
  if (!restored.empty()) {
    QStringList lines;
    for (const std::string& message : restored) lines << fromCp1252(message);
    tell(QMessageBox::Information, QStringLiteral("MessaggioRipristino"), lines.join('\n'));
  }

  // 3.
  if (state.setPrinter(probe ? probe() : std::nullopt))
    tell(QMessageBox::Warning, QStringLiteral("MessaggioStampante"), fromCp1252(kNoPrinterWarning));

  // 4.
  auto mainWindow = std::make_unique<TFoMorva>(state);

  // 5. Centred on the screen.
  if (screen) {
    const QRect area = screen->availableGeometry();
    mainWindow->move(area.center() - mainWindow->rect().center());
  }
  mainWindow->show();
  return mainWindow;
}

}  // namespace qx
