#pragma once
// Drawing pieces shared by the image families: the display colours that the
// gauge images and the panels around them must agree on, seven-segment digits
// and text placement.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace ImageColours {
// Inside of every digit window and gauge housing.
inline QColor DisplayBack() {
    return QColor(0x0C, 0x11, 0x0E);
}
// Lit segments: the yellow-green of the panel's voltage labels.
inline QColor DisplayLit() {
    return QColor(0xCD, 0xDF, 0x4A);
}
inline QColor DisplayUnlit() {
    return QColor(0x1F, 0x2A, 0x1C);
}
// Housing frames and scale text on the dark panels.
inline QColor HousingEdge() {
    return QColor(0x3A, 0x46, 0x52);
}
inline QColor ScaleText() {
    return QColor(0xB8, 0xC4, 0xCE);
}
}  // namespace ImageColours

// A seven-segment digit filling cell; digit -1 draws every segment unlit.
void PaintSevenSegmentDigit(QPainter& painter, const QRectF& cell, int digit, const QColor& lit,
                            const QColor& unlit);

// The sans-serif face of every text drawn into the images, at a pixel size.
QFont ImageFont(int pixelSize, QFont::Weight weight = QFont::Bold);

// Dark rounded housing with a thin edge, optionally with a caption above its
// top edge inside the frame.
void PaintHousing(QPainter& painter, const QRectF& rect, const QString& caption = QString());

// A recessed display window (digit windows, bar grooves).
void PaintDisplayWindow(QPainter& painter, const QRectF& rect);
