#pragma once
// Small drawing helpers shared by the pictures.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace qx {

// The font files the pictures' texts are set in.
inline const QString kSerifBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
inline const QString kSansFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A text as a filled outline, its baseline starting at the origin, set in
// the font file at `pixels` to the em. Outlines rather than the painter's
// text drawing keep the result free of hinting and font matching.
QPainterPath textOutline(const QString& fontFile, double pixels, const QString& text);

// A blank picture of the given size and colour (Format_RGB32), or a
// transparent one (Format_ARGB32_Premultiplied) when `background` is
// transparent.
QImage blankPicture(int width, int height, const QColor& background);

// A painter with antialiasing on.
void prepare(QPainter& painter);

// The round emblem of the program (a night-blue disc, a golden zodiac ring,
// a green leaf), inscribed in `box`.
void drawEmblem(QPainter& painter, const QRectF& box);

// A five-pointed star of outer radius r about c.
QPainterPath starPath(QPointF c, double r, double innerRatio = 0.45);

}  // namespace qx
