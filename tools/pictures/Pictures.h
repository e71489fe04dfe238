#pragma once
// The program's own bitmaps, drawn with a painter: the main window's banner
// and logo, the exit picture, the lock glyphs of the choosers, the glyphs of
// the graphic sheet's tool buttons and the application icon.
//
// Each picture is drawn at its final size, antialiased; texts are set as
// outlines from font files (a missing file raises std::runtime_error), so
// the same build on the same system draws the same pixels.

#include <QColor>
#include <QImage>

namespace qx {

// The background of the button glyphs (a button face); it is also the
// colour of each glyph's lower-left pixel, the pixel a button takes as the
// transparent colour of its glyph.
inline const QColor kGlyphBackground{0xEF, 0xEF, 0xEF};
// The main window's background and the colour of its bottom panel, behind
// the logo and the exit picture.
inline const QColor kWindowBackground{0xDE, 0xDE, 0xDE};
inline const QColor kBottomPanel{0xFE, 0xE2, 0xBA};

QImage bannerPicture();               // 636 x 60
QImage logoPicture();                 // 60 x 60, on the window's background
QImage applicationIcon();             // 256 x 256 with transparency
QImage exitPicture(bool pressed);     // 40 x 40, on the bottom panel's colour
QImage lockPicture(bool shut);        // 24 x 24
QImage pagePicture(bool landscape);   // 24 x 24
QImage colourModePicture(bool black); // 24 x 24: the wheel in colour or in black
// 24 x 24: the spindle and the line of the aspect figures, the one the
// button turns to below the one in force.
QImage aspectStylePicture(bool fromSpindles);

}  // namespace qx
