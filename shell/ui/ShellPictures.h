#pragma once
// The main window's pictures: the banner, the logo and the lock glyphs are
// resources of the application (":/pictures/NAME.bmp"); the exit picture is
// the working folder's "FineProg.bmp" and, while pressed, "FineProgClic.bmp".
// A picture that cannot be loaded is a null pixmap (or an empty icon), and the
// window shows a plain frame in its place.

#include <QIcon>
#include <QPixmap>
#include <QString>

#include "WorkFolder.h"

namespace qx {

// ":/pictures/" + name + ".bmp" ("Banner", "Logo").
QPixmap applicationPicture(const QString& name);

// A button glyph ("LockOpen", "LockShut"): the picture with its lower-left
// pixel's colour taken as transparent, as button glyphs are drawn.
QIcon glyphIcon(const QString& name);

// "FineProgClic.bmp" when pressed, "FineProg.bmp" otherwise.
QPixmap exitPicture(const WorkFolder& folder, bool pressed);

// The glyph of the printer-type button: a small printer, drawn here.
QIcon printerTypeGlyph();

}  // namespace qx
