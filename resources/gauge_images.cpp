// Gauge parts: seven-segment digits, the engine-speed arc, the voltage bar,
// the actuator's step scale, marker and valve pictures. They sit in slots on
// the dark panels, so each is opaque on the display colour.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <iterator>

#include "resources/gauge_layout.h"
#include "resources/image_entry.h"
#include "resources/paint_helpers.h"

namespace {

constexpr int kLargeDigitFirst = 349;
constexpr int kSmallDigitFirst = 359;
constexpr int kUnlitLargeDigit = 432;
constexpr int kSmallSeparator = 369;
constexpr int kArcFirst = 379;
constexpr int kActuatorClosed = 347;  // 347 - k shows position k of 0 ... 31
constexpr int kActuatorPositions = 32;
constexpr int kVoltageBar = 277;
constexpr int kScaleGreen = 407;
constexpr int kScaleRed = 408;
constexpr int kStepMarker = 419;
constexpr int kLambdaArcMarker = 416;
// The lambda page's own images for its 6th, 9th and 11th arc segments.
constexpr int kLambdaSegments[] = {412, 413, 414};
constexpr int kLambdaSegmentIndex[] = {5, 8, 10};

void FillDisplay(QPainter& painter, QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), ImageColours::DisplayBack());
}

void PaintDigit(QPainter& painter, QSize size, int digit) {
    FillDisplay(painter, size);
    const double margin = size.width() > 10 ? 2.0 : 1.0;
    PaintSevenSegmentDigit(
        painter, QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin),
        digit, ImageColours::DisplayLit(), ImageColours::DisplayUnlit());
}

void PaintSeparator(QPainter& painter, QSize size, int) {
    FillDisplay(painter, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColours::DisplayLit());
    painter.drawRect(QRectF(1, size.height() - 3.5, 2, 2));
}

// Green through yellow to red from the left end of the arc to the right.
QColor ArcColour(int i) {
    const double t = static_cast<double>(i) / (GaugeLayout::kArcSegmentCount - 1);
    if (t < 0.6)
        return QColor::fromHsvF(0.33 - t / 0.6 * 0.17, 0.85, 0.95);
    return QColor::fromHsvF(0.16 - (t - 0.6) / 0.4 * 0.16, 0.9, 0.95);
}

void PaintSegment(QPainter& painter, QSize size, const QColor& colour) {
    FillDisplay(painter, size);
    QLinearGradient fill(0, 0, size.width(), 0);
    fill.setColorAt(0, colour.darker(130));
    fill.setColorAt(0.45, colour.lighter(125));
    fill.setColorAt(1, colour.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 1.5, 1.5);
}

void PaintArcSegment(QPainter& painter, QSize size, int i) {
    PaintSegment(painter, size, ArcColour(i));
}

// The lambda page marks three speeds of its arc in the panel's cyan.
void PaintLambdaSegment(QPainter& painter, QSize size, int) {
    PaintSegment(painter, size, QColor(0x3C, 0xC8, 0xE6));
}

// Lit LED column: uniform along its height because the slot is cut from the
// top when the value drops.
void PaintVoltageBar(QPainter& painter, QSize size, int) {
    FillDisplay(painter, size);
    QLinearGradient fill(0, 0, size.width(), 0);
    fill.setColorAt(0, ImageColours::DisplayLit().darker(160));
    fill.setColorAt(0.4, ImageColours::DisplayLit().lighter(115));
    fill.setColorAt(1, ImageColours::DisplayLit().darker(160));
    painter.fillRect(QRectF(1, 0, size.width() - 2, size.height()), fill);
    painter.setPen(QPen(ImageColours::DisplayBack(), 1));
    for (int y = 5; y < size.height(); y += 6)
        painter.drawLine(QPointF(1, y + 0.5), QPointF(size.width() - 1, y + 0.5));
}

// Step scale 0 ... 240 from bottom to top; the marker's tip meets step s at
// y = 235 - s * 228 / 240 of this image.
void PaintStepScale(QPainter& painter, QSize size, int red) {
    FillDisplay(painter, size);
    const QColor band = red ? QColor(0xE0, 0x3A, 0x2E) : QColor(0x3C, 0xC0, 0x4E);
    QLinearGradient fill(0, 0, 8, 0);
    fill.setColorAt(0, band.darker(140));
    fill.setColorAt(0.5, band.lighter(115));
    fill.setColorAt(1, band.darker(140));
    painter.fillRect(QRectF(2, 6, 7, 230), fill);
    painter.setPen(QPen(ImageColours::ScaleText(), 1));
    for (int step = 0; step <= 240; step += 20) {
        const double y = 235.5 - step * 228.0 / 240.0;
        const double length = step % 60 == 0 ? 13 : 7;
        painter.drawLine(QPointF(11, y), QPointF(11 + length, y));
    }
}

// Pointer aimed left at the step scale.
void PaintStepMarker(QPainter& painter, QSize size, int) {
    FillDisplay(painter, size);
    QPainterPath arrow;
    arrow.moveTo(0.5, size.height() / 2.0);
    arrow.lineTo(size.width() - 0.5, 1);
    arrow.lineTo(size.width() - 0.5, size.height() - 1);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0xFF, 0xF4, 0xB0), 1));
    painter.setBrush(QColor(0xFF, 0xC8, 0x28));
    painter.drawPath(arrow);
}

void PaintLambdaArcMarker(QPainter& painter, QSize size, int) {
    FillDisplay(painter, size);
    painter.fillRect(QRectF(0.5, 0, size.width() - 1, size.height()), QColor(0x3C, 0xC8, 0xE6));
}

// Stepper valve seen in section: motor block on top, a pintle on its shaft
// lifting off the seat as the valve opens, gas passing through the gap.
void PaintActuator(QPainter& painter, QSize size, int position) {
    FillDisplay(painter, size);
    const double open = static_cast<double>(position) / (kActuatorPositions - 1);
    const double w = size.width();

    // Motor block with cooling ribs.
    QLinearGradient body(0, 0, w, 0);
    body.setColorAt(0, QColor(0x5A, 0x64, 0x70));
    body.setColorAt(0.5, QColor(0xA8, 0xB4, 0xC0));
    body.setColorAt(1, QColor(0x4A, 0x54, 0x60));
    painter.setPen(QPen(QColor(0x22, 0x28, 0x30), 1));
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(7.5, 2.5, w - 15, 20), 2, 2);
    painter.setPen(QPen(QColor(0x3A, 0x42, 0x4C), 1));
    for (double y = 7.5; y < 21; y += 4) painter.drawLine(QPointF(10, y), QPointF(w - 10, y));

    // Gas channel and seat.
    const double seatY = 56;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2A, 0x32, 0x3A));
    painter.drawRect(QRectF(2, 26, w - 4, 40));
    QColor gas(0x3C, 0xC8, 0xE6);
    gas.setAlphaF(0.25 + 0.6 * open);
    painter.setBrush(gas);
    painter.drawRect(QRectF(4, 28, w - 8, seatY - 28 - 1));
    painter.drawRect(QRectF(w / 2 - 6, seatY, 12, 10));
    painter.setBrush(QColor(0x78, 0x84, 0x90));
    painter.drawRect(QRectF(2, seatY, w / 2 - 8, 4));
    painter.drawRect(QRectF(w / 2 + 6, seatY, w / 2 - 8, 4));

    // Pintle: seated at 0 steps, lifted by up to 16 pixels fully open.
    const double lift = 16.0 * open;
    const double tipY = seatY + 5 - lift;
    painter.setBrush(QColor(0xC8, 0xD0, 0xD8));
    painter.drawRect(QRectF(w / 2 - 1.5, 22, 3, tipY - 30));
    QPainterPath pintle;
    pintle.moveTo(w / 2 - 9, tipY - 9);
    pintle.lineTo(w / 2 + 9, tipY - 9);
    pintle.lineTo(w / 2 + 3, tipY);
    pintle.lineTo(w / 2 - 3, tipY);
    pintle.closeSubpath();
    painter.setPen(QPen(QColor(0x30, 0x38, 0x40), 1));
    painter.setBrush(QColor(0xE0, 0xA0, 0x30));
    painter.drawPath(pintle);

    // Opening level along the bottom edge.
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColours::DisplayUnlit());
    painter.drawRect(QRectF(4, size.height() - 2.5, w - 8, 2));
    painter.setBrush(ImageColours::DisplayLit());
    painter.drawRect(QRectF(4, size.height() - 2.5, (w - 8) * open, 2));
}

}  // namespace

std::vector<ImageEntry> GaugeImageEntries() {
    std::vector<ImageEntry> entries;
    for (int d = 0; d < 10; ++d) {
        entries.push_back({kLargeDigitFirst + d, QSize(17, 27), PaintDigit, d});
        entries.push_back({kSmallDigitFirst + d, QSize(9, 14), PaintDigit, d});
    }
    entries.push_back({kUnlitLargeDigit, QSize(17, 27), PaintDigit, -1});
    entries.push_back({kSmallSeparator, QSize(4, 14), PaintSeparator, 0});
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i) {
        entries.push_back({kArcFirst + i, GaugeLayout::ArcSegmentSize(i), PaintArcSegment, i});
    }
    for (size_t n = 0; n < std::size(kLambdaSegments); ++n) {
        entries.push_back({kLambdaSegments[n], GaugeLayout::ArcSegmentSize(kLambdaSegmentIndex[n]),
                           PaintLambdaSegment, 0});
    }
    for (int k = 0; k < kActuatorPositions; ++k) {
        entries.push_back({kActuatorClosed - k, QSize(46, 69), PaintActuator, k});
    }
    entries.push_back({kVoltageBar, QSize(12, 240), PaintVoltageBar, 0});
    entries.push_back({kScaleGreen, QSize(26, 241), PaintStepScale, 0});
    entries.push_back({kScaleRed, QSize(26, 241), PaintStepScale, 1});
    entries.push_back({kStepMarker, QSize(13, 16), PaintStepMarker, 0});
    entries.push_back({kLambdaArcMarker, QSize(4, 10), PaintLambdaArcMarker, 0});
    return entries;
}
