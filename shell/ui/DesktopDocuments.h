#pragma once
// The documents of the working folder ("Istruzioni.pdf", "Istruzioni_J.pdf",
// "Dispensa.pdf") opened with the viewer the desktop associates with them.
// The file is handed to the desktop as a file URL; no command interpreter is
// involved.

#include <QString>
#include <QUrl>
#include <functional>
#include <string_view>

#include "WorkFolder.h"

class QWidget;

namespace qx {

// What hands a document to the desktop: true when a viewer took it.
using DocumentOpener = std::function<bool(const QUrl& document)>;

// Replaces the opener (tests put their own here so that no viewer starts);
// an empty function puts the desktop's back. Returns the one it replaces.
DocumentOpener setDocumentOpener(DocumentOpener opener);

// The messages of a document that cannot be shown.
QString missingDocumentMessage(std::string_view name);
QString noViewerMessage(std::string_view name);

// Opens the working folder's document `name` (found without regard to case).
// When the file is missing or nothing opens it, a message box says so and the
// result is false.
bool openDocument(QWidget* parent, const WorkFolder& folder, std::string_view name);

}  // namespace qx
