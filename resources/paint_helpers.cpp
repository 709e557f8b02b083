#include "resources/paint_helpers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <array>

namespace {

// Segments a..g: top, upper right, lower right, bottom, lower left, upper
// left, middle.
constexpr std::array<unsigned char, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                          0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygonF HorizontalSegment(double x0, double x1, double y, double t) {
    const double h = t / 2;
    return QPolygonF({QPointF(x0, y), QPointF(x0 + h, y - h), QPointF(x1 - h, y - h),
                      QPointF(x1, y), QPointF(x1 - h, y + h), QPointF(x0 + h, y + h)});
}

QPolygonF VerticalSegment(double x, double y0, double y1, double t) {
    const double h = t / 2;
    return QPolygonF({QPointF(x, y0), QPointF(x + h, y0 + h), QPointF(x + h, y1 - h),
                      QPointF(x, y1), QPointF(x - h, y1 - h), QPointF(x - h, y0 + h)});
}

}  // namespace

void PaintSevenSegmentDigit(QPainter& painter, const QRectF& cell, int digit, const QColor& lit,
                            const QColor& unlit) {
    const double t = qMax(1.6, cell.width() * 0.2);
    const double gap = t < 2.5 ? 0.3 : 0.6;
    const double left = cell.left() + t / 2;
    const double right = cell.right() - t / 2;
    const double top = cell.top() + t / 2;
    const double bottom = cell.bottom() - t / 2;
    const double middle = (top + bottom) / 2;
    const std::array<QPolygonF, 7> segments = {
        HorizontalSegment(left + gap, right - gap, top, t),
        VerticalSegment(right, top + gap, middle - gap, t),
        VerticalSegment(right, middle + gap, bottom - gap, t),
        HorizontalSegment(left + gap, right - gap, bottom, t),
        VerticalSegment(left, middle + gap, bottom - gap, t),
        VerticalSegment(left, top + gap, middle - gap, t),
        HorizontalSegment(left + gap, right - gap, middle, t),
    };
    const unsigned mask = digit >= 0 && digit <= 9 ? kDigitSegments[static_cast<size_t>(digit)] : 0;
    painter.save();
    painter.setPen(Qt::NoPen);
    for (size_t s = 0; s < segments.size(); ++s) {
        painter.setBrush((mask >> s) & 1u ? lit : unlit);
        painter.drawPolygon(segments[s]);
    }
    painter.restore();
}

QFont ImageFont(int pixelSize, QFont::Weight weight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void PaintHousing(QPainter& painter, const QRectF& rect, const QString& caption) {
    painter.save();
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(0x1B, 0x22, 0x2A));
    fill.setColorAt(1, QColor(0x10, 0x15, 0x1A));
    painter.setBrush(fill);
    painter.setPen(QPen(ImageColours::HousingEdge(), 1.5));
    painter.drawRoundedRect(rect, 8, 8);
    if (!caption.isEmpty()) {
        painter.setFont(ImageFont(11));
        painter.setPen(ImageColours::ScaleText());
        painter.drawText(QRectF(rect.left(), rect.top() + 3, rect.width(), 16),
                         Qt::AlignHCenter | Qt::AlignTop, caption);
    }
    painter.restore();
}

void PaintDisplayWindow(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setBrush(ImageColours::DisplayBack());
    painter.setPen(QPen(QColor(0x05, 0x07, 0x06), 1));
    painter.drawRoundedRect(rect, 2, 2);
    painter.setPen(QPen(QColor(0x4A, 0x56, 0x62), 1));
    painter.drawLine(rect.bottomLeft() + QPointF(2, 0.5), rect.bottomRight() + QPointF(-2, 0.5));
    painter.restore();
}
