// Command button pictures and the language badges. They are drawn on pure
// white, the transparent colour of the buttons, so anything of the picture
// that must stay visible avoids pure white (kPaper).
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "resources/image_entry.h"
#include "resources/paint_helpers.h"

namespace {

const QSize kIconSize(32, 32);
const QSize kBadgeSize(64, 44);
const QColor kPaper(0xF4, 0xF4, 0xF0);
const QColor kInk(0x1E, 0x26, 0x30);

QLinearGradient VerticalGradient(double top, double bottom, const QColor& colour) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, colour.lighter(135));
    gradient.setColorAt(1, colour.darker(115));
    return gradient;
}

// Broad arrow pointing right; mirrored for Return.
void PaintArrow(QPainter& painter, QSize size, int pointsLeft) {
    if (pointsLeft) {
        painter.translate(size.width(), 0);
        painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(3, 11);
    arrow.lineTo(15, 11);
    arrow.lineTo(15, 3.5);
    arrow.lineTo(29.5, 16);
    arrow.lineTo(15, 28.5);
    arrow.lineTo(15, 21);
    arrow.lineTo(3, 21);
    arrow.closeSubpath();
    const QColor colour = pointsLeft ? QColor(0xD0, 0x7A, 0x12) : QColor(0x1C, 0x8A, 0x3A);
    painter.setPen(QPen(colour.darker(160), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(VerticalGradient(3, 29, colour));
    painter.drawPath(arrow);
}

void PaintFolderOpen(QPainter& painter, QSize, int) {
    const QColor back(0xC8, 0x8A, 0x1C);
    const QColor front(0xF2, 0xBE, 0x3C);
    QPainterPath rear;
    rear.moveTo(2.5, 7.5);
    rear.lineTo(11, 7.5);
    rear.lineTo(13.5, 10.5);
    rear.lineTo(25.5, 10.5);
    rear.lineTo(25.5, 26.5);
    rear.lineTo(2.5, 26.5);
    rear.closeSubpath();
    painter.setPen(QPen(back.darker(170), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(back);
    painter.drawPath(rear);
    // A sheet sticking out of the open folder.
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(7.5, 4.5, 14, 14));
    QPainterPath flap;
    flap.moveTo(2.5, 26.5);
    flap.lineTo(8.5, 14.5);
    flap.lineTo(30.5, 14.5);
    flap.lineTo(25.5, 26.5);
    flap.closeSubpath();
    painter.setBrush(VerticalGradient(14, 27, front));
    painter.drawPath(flap);
}

void PaintFloppy(QPainter& painter, QSize, int) {
    const QColor body(0x2A, 0x4E, 0x96);
    QPainterPath disk;
    disk.moveTo(3.5, 3.5);
    disk.lineTo(25, 3.5);
    disk.lineTo(28.5, 7);
    disk.lineTo(28.5, 28.5);
    disk.lineTo(3.5, 28.5);
    disk.closeSubpath();
    painter.setPen(QPen(body.darker(170), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(VerticalGradient(3, 29, body));
    painter.drawPath(disk);
    painter.setPen(QPen(QColor(0x60, 0x68, 0x70), 1));
    painter.setBrush(QColor(0xC4, 0xCA, 0xD0));
    painter.drawRect(QRectF(9.5, 3.5, 13, 9));
    painter.setBrush(QColor(0x40, 0x48, 0x50));
    painter.drawRect(QRectF(17.5, 5.5, 3, 5));
    painter.setPen(QPen(QColor(0x80, 0x88, 0x90), 1));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(7.5, 16.5, 17, 10));
    painter.setPen(QPen(QColor(0xB0, 0x40, 0x30), 1));
    painter.drawLine(QPointF(10, 20), QPointF(22, 20));
    painter.drawLine(QPointF(10, 23), QPointF(19, 23));
}

// Dial with coloured zones and a needle.
void PaintGauge(QPainter& painter, QSize, int) {
    const QPointF centre(16, 19);
    painter.setPen(QPen(kInk, 1.4));
    painter.setBrush(QColor(0x26, 0x30, 0x3C));
    painter.drawEllipse(centre, 14, 14);
    const QRectF zones(5, 8, 22, 22);
    const struct {
        int start;
        int span;
        QColor colour;
    } arcs[] = {{200, -80, QColor(0x3C, 0xC0, 0x4E)},
                {120, -60, QColor(0xF0, 0xC8, 0x28)},
                {60, -80, QColor(0xE0, 0x3A, 0x2E)}};
    for (const auto& arc : arcs) {
        painter.setPen(QPen(arc.colour, 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(zones, arc.start * 16, arc.span * 16);
    }
    painter.setPen(QPen(QColor(0xFF, 0x60, 0x40), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, QPointF(24, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD8, 0xDC, 0xE0));
    painter.drawEllipse(centre, 2.2, 2.2);
}

// Power symbol: a broken ring with a bar through the gap.
void PaintPower(QPainter& painter, QSize, int) {
    const QColor red(0xC8, 0x24, 0x1E);
    painter.setPen(Qt::NoPen);
    painter.setBrush(VerticalGradient(2, 30, red));
    painter.drawEllipse(QPointF(16, 16), 14, 14);
    painter.setPen(QPen(kPaper, 3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(8.5, 9, 15, 15), 125 * 16, 290 * 16);
    painter.drawLine(QPointF(16, 6.5), QPointF(16, 15.5));
}

// Two arrows chasing each other round a circle: look again (the port list).
void PaintRefresh(QPainter& painter, QSize, int) {
    const QColor blue(0x1E, 0x5A, 0xA8);
    painter.setPen(QPen(blue, 3.2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF ring(6.5, 6.5, 19, 19);
    painter.drawArc(ring, 20 * 16, 140 * 16);
    painter.drawArc(ring, 200 * 16, 140 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blue);
    // Heads at the arcs' ends, pointing along the turn.
    const QPointF heads[2][3] = {{{3, 13.5}, {11.5, 13.5}, {7.2, 19.5}},
                                 {{29, 18.5}, {20.5, 18.5}, {24.8, 12.5}}};
    for (const auto& head : heads) painter.drawPolygon(head, 3);
}

// Control unit (a chip with pins) receiving a downward arrow.
void PaintWriteToEcu(QPainter& painter, QSize, int) {
    painter.setPen(QPen(QColor(0x80, 0x88, 0x90), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (double x = 9; x <= 23; x += 4.6) {
        painter.drawLine(QPointF(x, 14), QPointF(x, 31));
    }
    for (double y = 18.5; y <= 28; y += 4.5) {
        painter.drawLine(QPointF(1, y), QPointF(31, y));
    }
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(VerticalGradient(15, 30, QColor(0x3A, 0x42, 0x4E)));
    painter.drawRoundedRect(QRectF(5.5, 15.5, 21, 14), 1.5, 1.5);
    painter.setPen(QPen(QColor(0x9A, 0xA4, 0xB0), 1));
    painter.setFont(ImageFont(7));
    painter.drawText(QRectF(5.5, 16, 21, 13), Qt::AlignCenter, QStringLiteral("ECU"));
    QPainterPath arrow;
    arrow.moveTo(12.5, 1.5);
    arrow.lineTo(19.5, 1.5);
    arrow.lineTo(19.5, 7);
    arrow.lineTo(24, 7);
    arrow.lineTo(16, 14.5);
    arrow.lineTo(8, 7);
    arrow.lineTo(12.5, 7);
    arrow.closeSubpath();
    const QColor orange(0xE8, 0x6A, 0x10);
    painter.setPen(QPen(orange.darker(160), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(VerticalGradient(1, 15, orange));
    painter.drawPath(arrow);
}

// Three tuning sliders: adjusting the gas flow.
void PaintCalibrate(QPainter& painter, QSize, int) {
    const double knobs[] = {20, 9, 15};
    for (int n = 0; n < 3; ++n) {
        const double x = 7 + n * 9;
        painter.setPen(QPen(QColor(0x50, 0x58, 0x62), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, 4), QPointF(x, 28));
        painter.setPen(QPen(QColor(0x12, 0x4C, 0x8C), 1));
        painter.setBrush(VerticalGradient(knobs[n] - 3, knobs[n] + 3, QColor(0x2C, 0x7C, 0xD8)));
        painter.drawRoundedRect(QRectF(x - 4.5, knobs[n] - 3, 9, 6), 1.5, 1.5);
    }
}

void PaintBadgeFrame(QPainter& painter, QSize size) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.2));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
}

void PaintBadgeCode(QPainter& painter, QSize size, const QString& code, const QColor& fill,
                    const QColor& outline) {
    QPainterPath text;
    QFont font = ImageFont(19, QFont::Black);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    text.addText(0, 0, font, code);
    const QRectF box = text.boundingRect();
    text.translate(size.width() / 2.0 - box.center().x(), size.height() / 2.0 - box.center().y());
    painter.setPen(QPen(outline, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(text);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(text);
}

QPainterPath BadgeShape(QSize size) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 5, 5);
    return shape;
}

// Language badges in the colours the languages are known by; not flags.
void PaintBadgePortuguese(QPainter& painter, QSize size, int) {
    painter.setClipPath(BadgeShape(size));
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(0x1A, 0x8C, 0x44));
    QPainterPath diamond;
    diamond.moveTo(size.width() / 2.0, 4);
    diamond.lineTo(size.width() - 5, size.height() / 2.0);
    diamond.lineTo(size.width() / 2.0, size.height() - 4);
    diamond.lineTo(5, size.height() / 2.0);
    diamond.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF6, 0xD0, 0x2A));
    painter.drawPath(diamond);
    painter.setClipping(false);
    PaintBadgeCode(painter, size, QStringLiteral("PT"), QColor(0x1C, 0x3C, 0x8C), kPaper);
    PaintBadgeFrame(painter, size);
}

void PaintBadgeSpanish(QPainter& painter, QSize size, int) {
    painter.setClipPath(BadgeShape(size));
    const QColor red(0xC4, 0x1E, 0x24);
    painter.fillRect(QRect(QPoint(0, 0), size), red);
    painter.fillRect(QRectF(0, size.height() / 4.0, size.width(), size.height() / 2.0),
                     QColor(0xF6, 0xC4, 0x20));
    painter.setClipping(false);
    PaintBadgeCode(painter, size, QStringLiteral("ES"), red.darker(120), kPaper);
    PaintBadgeFrame(painter, size);
}

void PaintBadgeEnglish(QPainter& painter, QSize size, int) {
    painter.setClipPath(BadgeShape(size));
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(0x1E, 0x32, 0x78));
    painter.setPen(QPen(kPaper, 7));
    painter.drawLine(QPointF(0, 0), QPointF(size.width(), size.height()));
    painter.drawLine(QPointF(0, size.height()), QPointF(size.width(), 0));
    painter.setPen(QPen(QColor(0xC8, 0x1E, 0x2C), 3));
    painter.drawLine(QPointF(0, 0), QPointF(size.width(), size.height()));
    painter.drawLine(QPointF(0, size.height()), QPointF(size.width(), 0));
    painter.setClipping(false);
    PaintBadgeCode(painter, size, QStringLiteral("EN"), kPaper, QColor(0x1E, 0x32, 0x78));
    PaintBadgeFrame(painter, size);
}

}  // namespace

std::vector<ImageEntry> ButtonImageEntries() {
    return {
        {228, kIconSize, PaintWriteToEcu, 0},
        {229, kIconSize, PaintArrow, 0},
        {230, kIconSize, PaintFloppy, 0},
        {232, kIconSize, PaintArrow, 1},
        {233, kIconSize, PaintPower, 0},
        {234, kIconSize, PaintFolderOpen, 0},
        {270, kIconSize, PaintGauge, 0},
        {273, kIconSize, PaintCalibrate, 0},
        {281, kIconSize, PaintRefresh, 0},
        {260, kBadgeSize, PaintBadgePortuguese, 0},
        {261, kBadgeSize, PaintBadgeSpanish, 0},
        {262, kBadgeSize, PaintBadgeEnglish, 0},
    };
}
