#pragma once
// Putting a drawing on the clipboard: the enhanced metafile itself, for the
// applications that paste metafiles, and always an image of it, so that any
// desktop application can paste the drawing.

#include <QImage>
#include <QMimeData>
#include <QSize>
#include <memory>

#include "Metafile.h"

namespace qx {

// The clipboard formats that carry the metafile's bytes.
inline constexpr const char* kEmfMimeType = "image/x-emf";
inline constexpr const char* kWindowsEmfMimeType = "application/x-qt-windows-mime;value=\"Enhanced Metafile\"";

// The picture's size in device units of its reference device (the frame,
// or the bounds when the frame is empty), at most `limit` on its longer side
// with the proportions kept, and at least 1 x 1.
QSize metafileImageSize(const Metafile& metafile, int limit = 4096);

// The metafile played onto a white image of `size` pixels.
QImage metafileImage(const Metafile& metafile, QSize size);

// The data placed on the clipboard: the metafile under both metafile formats
// and its image (metafileImageSize) as the image format.
std::unique_ptr<QMimeData> metafileMimeData(const Metafile& metafile);

// Replaces the clipboard's content with the metafile (needs the GUI
// application).
void copyMetafileToClipboard(const Metafile& metafile);

}  // namespace qx
