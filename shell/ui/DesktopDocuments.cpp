#include "DesktopDocuments.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

#include "Cp1252.h"

namespace qx {

namespace {

bool openWithDesktop(const QUrl& document) { return QDesktopServices::openUrl(document); }

DocumentOpener& currentOpener() {
  static DocumentOpener opener = openWithDesktop;
  return opener;
}

QString documentName(std::string_view name) { return QString::fromStdString(cp1252ToUtf8(name)); }

void tell(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("QxMorva"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessaggioDocumento"));
  box.exec();
}

}  // namespace

DocumentOpener setDocumentOpener(DocumentOpener opener) {
  DocumentOpener previous = std::move(currentOpener());
  currentOpener() = opener ? std::move(opener) : DocumentOpener(openWithDesktop);
  return previous;
}

QString missingDocumentMessage(std::string_view name) {
  return QStringLiteral("Il documento \"%1\" non è presente nella cartella di lavoro.").arg(documentName(name));
}

QString noViewerMessage(std::string_view name) {
  return QStringLiteral("Impossibile aprire il documento \"%1\": nessun visualizzatore disponibile.")
      .arg(documentName(name));
}

bool openDocument(QWidget* parent, const WorkFolder& folder, std::string_view name) {
  const QString path = QFile::decodeName(QByteArray::fromStdString(folder.resolve(name).string()));
  const QFileInfo file(path);
  if (!file.isFile()) {
    tell(parent, missingDocumentMessage(name));
    return false;
  }
  if (!currentOpener()(QUrl::fromLocalFile(file.absoluteFilePath()))) {
    tell(parent, noViewerMessage(name));
    return false;
  }
  return true;
}

}  // namespace qx
