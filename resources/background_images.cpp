// Window backgrounds: the light wizard pages (black labels sit on them), the
// small start-up pages, the splash, and the dark instrument panels of the
// monitoring screen and of the lambda page's live view.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "i18n/ui_text.h"
#include "resources/gauge_layout.h"
#include "resources/image_entry.h"
#include "resources/paint_helpers.h"

namespace {

const QSize kPageSize(800, 580);
const QSize kSmallPageSize(487, 190);
const QSize kPanelSize(1024, 768);
const QSize kSplashSize(498, 289);

// One accent per background, so that the page families can be told apart.
const QColor kAccents[] = {
    QColor(0x1E, 0x6F, 0xB8),  // 246 vehicle, Q5100
    QColor(0x24, 0x4C, 0xA0),  // 247 vehicle
    QColor(0x13, 0x8A, 0x7E),  // 248 customer, actuator, lambda, Q5100
    QColor(0x2E, 0x8B, 0x3E),  // 249 customer, actuator, lambda, auxiliary
    QColor(0xB8, 0x6E, 0x1A),  // 250 basic pages
    QColor(0x86, 0x4C, 0xAE),  // 251 basic vehicle
};
constexpr int kFirstPage = 246;
constexpr int kLambdaLive = 314;
constexpr int kSmallPage = 269;
constexpr int kSplash = 180;
constexpr int kMonitorQ5100 = 275;
constexpr int kMonitor = 276;

void PaintBrand(QPainter& painter, const QRectF& box, int pixelSize, const QColor& colour) {
    QFont font = ImageFont(pixelSize, QFont::Black);
    font.setItalic(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize / 6.0);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ZANO"));
}

// Light brushed panel with a header band closed by the accent line and a
// darker footer band under the command buttons.
void PaintLightPanel(QPainter& painter, QSize size, const QColor& accent, int header, int footer) {
    const double w = size.width();
    const double h = size.height();
    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, QColor(0xEE, 0xF2, 0xF6));
    base.setColorAt(1, QColor(0xCE, 0xD7, 0xE0));
    painter.fillRect(QRectF(0, 0, w, h), base);
    QRadialGradient sheen(QPointF(w * 0.2, h * 0.1), w * 0.8);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 0, w, h), sheen);

    // Two faint sweeps of the accent across the lower right.
    QColor sweep = accent;
    sweep.setAlpha(22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sweep);
    for (int n = 0; n < 2; ++n) {
        QPainterPath path;
        path.moveTo(w * (0.35 + 0.15 * n), h);
        path.cubicTo(w * 0.6, h * 0.75, w * 0.8, h * (0.62 + 0.1 * n), w, h * (0.4 + 0.12 * n));
        path.lineTo(w, h);
        path.closeSubpath();
        painter.drawPath(path);
    }

    QLinearGradient band(0, 0, 0, header);
    band.setColorAt(0, QColor(0xFA, 0xFB, 0xFC));
    band.setColorAt(1, QColor(0xDE, 0xE5, 0xEC));
    painter.fillRect(QRectF(0, 0, w, header), band);
    painter.fillRect(QRectF(0, header, w, 3), accent);
    painter.fillRect(QRectF(0, header + 3, w, 1), accent.darker(150));
    painter.fillRect(QRectF(14, header * 0.25, 5, header * 0.5), accent);

    if (footer > 0) {
        QLinearGradient foot(0, h - footer, 0, h);
        foot.setColorAt(0, QColor(0xC4, 0xCE, 0xD8));
        foot.setColorAt(1, QColor(0xB2, 0xBE, 0xCA));
        painter.fillRect(QRectF(0, h - footer, w, footer), foot);
        painter.fillRect(QRectF(0, h - footer, w, 1), QColor(0x9A, 0xA8, 0xB6));
        painter.fillRect(QRectF(0, h - footer + 1, w, 1), QColor(0xE6, 0xEC, 0xF2));
    }
    painter.setPen(QPen(QColor(0x8E, 0x9C, 0xAA), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

void PaintPage(QPainter& painter, QSize size, int accent) {
    const QColor colour = kAccents[accent];
    PaintLightPanel(painter, size, colour, 52, 64);
    QColor brand = colour.darker(115);
    brand.setAlpha(200);
    PaintBrand(painter, QRectF(0, 0, size.width() - 22, 52), 24, brand);
}

void PaintSmallPage(QPainter& painter, QSize size, int) {
    const QColor accent = kAccents[0];
    PaintLightPanel(painter, size, accent, 40, 0);
    QColor brand = accent;
    brand.setAlpha(150);
    PaintBrand(painter, QRectF(0, size.height() - 26, size.width() - 12, 22), 14, brand);
}

void PaintArcTrack(QPainter& painter, QRect (*segment)(int), bool withScale) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColours::DisplayUnlit());
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i) {
        painter.drawRoundedRect(QRectF(segment(i)).adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    }
    if (withScale) {
        // One segment per 250 rpm: thousands every fourth segment.
        painter.setFont(ImageFont(11));
        painter.setPen(ImageColours::ScaleText());
        for (int k = 0; k <= 7; ++k) {
            const QRect at = segment(qMin(4 * k, GaugeLayout::kArcSegmentCount - 1));
            const double x = k == 7 ? at.right() + 1 : at.left();
            painter.drawText(QRectF(x - 10, at.top() - 18, 20, 14), Qt::AlignCenter,
                             QString::number(k));
        }
    }
    painter.restore();
}

void PaintCaption(QPainter& painter, const QRectF& box, const QString& text, int pixelSize = 11,
                  Qt::Alignment alignment = Qt::AlignCenter) {
    painter.setFont(ImageFont(pixelSize));
    painter.setPen(ImageColours::ScaleText());
    painter.drawText(box, alignment, text);
}

QPointF Px(int x, int y) {
    return GaugeLayout::DialogUnitsToPixels(x, y);
}

// Window behind n digits of the given size whose left edges are given in
// dialog units on one row.
void PaintDigitWindow(QPainter& painter, std::initializer_list<int> xs, int y, QSize digit) {
    const QPointF first = Px(*xs.begin(), y);
    const QPointF last = Px(*(xs.end() - 1), y);
    PaintDisplayWindow(
        painter, QRectF(first.x() - 4, first.y() - 4, last.x() - first.x() + digit.width() + 8,
                        digit.height() + 8));
}

// Voltage column: bar groove with ticks, digits below, caption on top.
void PaintVoltageColumn(QPainter& painter, double left, const QPointF& bar,
                        std::initializer_list<int> digits, const QString& caption) {
    PaintHousing(painter, QRectF(left, 120, 58, 318), caption);
    PaintDisplayWindow(painter, QRectF(bar.x() - 2, bar.y() - 2, 16, 244));
    painter.setPen(QPen(ImageColours::ScaleText(), 1));
    for (int n = 0; n <= 10; ++n) {
        const double y = 376.5 - n * 22.0;
        const double length = n % 2 == 0 ? 6 : 3;
        painter.drawLine(QPointF(bar.x() + 16, y), QPointF(bar.x() + 16 + length, y));
    }
    PaintDigitWindow(painter, digits, 253, QSize(9, 14));
}

void PaintMonitor(QPainter& painter, QSize size, int q5100) {
    const double w = size.width();
    const double h = size.height();
    const QColor accent = q5100 ? kAccents[2] : kAccents[0];
    QLinearGradient base(0, 0, 0, h);
    base.setColorAt(0, QColor(0x2A, 0x32, 0x3C));
    base.setColorAt(1, QColor(0x12, 0x17, 0x1C));
    painter.fillRect(QRectF(0, 0, w, h), base);
    QRadialGradient glow(QPointF(w * 0.3, h * 0.35), w * 0.6);
    glow.setColorAt(0, QColor(255, 255, 255, 18));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillRect(QRectF(0, 0, w, h), glow);

    QLinearGradient band(0, 0, 0, 64);
    band.setColorAt(0, QColor(0x38, 0x42, 0x4E));
    band.setColorAt(1, QColor(0x22, 0x29, 0x31));
    painter.fillRect(QRectF(0, 0, w, 64), band);
    painter.fillRect(QRectF(0, 64, w, 3), accent);
    QColor brand = accent.lighter(150);
    brand.setAlpha(220);
    PaintBrand(painter, QRectF(0, 0, w - 28, 64), 30, brand);

    // Engine speed: arc with its thousands scale and the four-digit window.
    PaintHousing(painter, QRectF(80, 168, 280, 162));
    PaintArcTrack(painter, GaugeLayout::MonitorArcSegmentRect, true);
    PaintDigitWindow(painter, {174, 188, 202, 216}, 178, QSize(17, 27));
    PaintCaption(painter, QRectF(92, 290, 150, 16), QStringLiteral("RPM x 1000"), 11,
                 Qt::AlignLeft);
    PaintCaption(painter, QRectF(92, 306, 150, 16), QStringLiteral("RPM"), 13, Qt::AlignLeft);

    PaintVoltageColumn(painter, 14, Px(30, 94), {17, 28, 37}, QStringLiteral("TPS"));
    PaintVoltageColumn(painter, 367, Px(265, 93), {252, 262, 271}, QStringLiteral("LAMBDA"));

    // Actuator: step scale with the marker's lane, step digits, valve picture.
    PaintHousing(painter, QRectF(450, 120, 72, 318), Tr("PASSOS"));
    const QPointF scale = Px(312, 94);
    PaintDisplayWindow(painter, QRectF(scale.x() - 2, scale.y() - 2, 46, 245));
    PaintDigitWindow(painter, {309, 317, 326}, 253, QSize(9, 14));
    const QPointF picture = Px(424, 253);
    PaintHousing(painter, QRectF(picture.x() - 18, picture.y() - 34, 82, 112),
                 Tr("ATUADOR"));
    PaintDisplayWindow(painter, QRectF(picture.x() - 3, picture.y() - 3, 52, 75));

    const QRect plate = GaugeLayout::MonitorSettingsPanel();
    QLinearGradient light(0, plate.top(), 0, plate.bottom());
    light.setColorAt(0, QColor(0xE8, 0xED, 0xF2));
    light.setColorAt(1, QColor(0xC8, 0xD2, 0xDC));
    painter.setPen(QPen(QColor(0x6A, 0x78, 0x86), 1.5));
    painter.setBrush(light);
    painter.drawRoundedRect(QRectF(plate), 10, 10);
    painter.fillRect(QRectF(plate.left() + 12, plate.top() + 10, plate.width() - 24, 3), accent);

    const QRect strip = GaugeLayout::MonitorButtonStrip();
    painter.fillRect(strip, QColor(0x0E, 0x12, 0x16));
    painter.fillRect(QRectF(strip.left(), strip.top(), strip.width(), 1), QColor(0x3A, 0x46, 0x52));
}

void PaintLambdaLive(QPainter& painter, QSize size, int) {
    PaintPage(painter, size, 3);
    const QRect panel = GaugeLayout::LambdaLivePanel();
    PaintHousing(painter, QRectF(panel));
    // Injection time: tens, units, point, tenths.
    const QPointF tens(502, 251);
    PaintDisplayWindow(painter, QRectF(tens.x() - 5, tens.y() - 4, 80, 35));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ImageColours::DisplayLit());
    painter.drawRect(QRectF(546, 274, 3, 3));
    PaintCaption(painter, QRectF(tens.x() - 5, panel.top() + 6, 200, 16), Tr("INJEÇÃO"),
                 11, Qt::AlignLeft);
    PaintCaption(painter, QRectF(582, 262, 30, 16), QStringLiteral("ms"), 13, Qt::AlignLeft);

    PaintArcTrack(painter, GaugeLayout::LambdaArcSegmentRect, true);
    PaintDisplayWindow(painter, QRectF(612, 358, 89, 35));
    PaintCaption(painter, QRectF(706, 370, 60, 16), QStringLiteral("RPM"), 13, Qt::AlignLeft);
    PaintCaption(painter, QRectF(496, 370, 110, 16), QStringLiteral("RPM x 1000"), 11,
                 Qt::AlignLeft);
}

void PaintSplash(QPainter& painter, QSize size, int) {
    const double w = size.width();
    const double h = size.height();
    QLinearGradient base(0, 0, w, h);
    base.setColorAt(0, QColor(0x1C, 0x3A, 0x5E));
    base.setColorAt(1, QColor(0x0C, 0x16, 0x24));
    painter.fillRect(QRectF(0, 0, w, h), base);

    // A speed dial beside the name, lit from green to red, needle near the top.
    const QRectF dial(335, 72, 136, 136);
    for (int n = 0; n < 24; ++n) {
        const double t = n / 23.0;
        QColor colour = QColor::fromHsvF(0.33 * (1 - t), 0.85, 0.95);
        colour.setAlpha(200);
        painter.setPen(QPen(colour, 9, Qt::SolidLine, Qt::FlatCap));
        painter.drawArc(dial, static_cast<int>((225 - n * 11.74) * 16), -8 * 16);
    }
    painter.setPen(QPen(QColor(0xF0, 0x70, 0x40), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(dial.center(), dial.center() + QPointF(38, -40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0xDC, 0xE8));
    painter.drawEllipse(dial.center(), 6, 6);
    PaintBrand(painter, QRectF(0, 70, w * 0.62, 90), 72, QColor(0xF0, 0xF4, 0xF8));
    painter.fillRect(QRectF(40, 168, w * 0.62 - 40, 3), kAccents[0].lighter(140));
    painter.setFont(ImageFont(17, QFont::Normal));
    painter.setPen(QColor(0xD0, 0xDC, 0xE8));
    painter.drawText(QRectF(40, 178, w - 80, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     Tr("Configuração e monitoramento"));
    painter.setFont(ImageFont(13, QFont::Normal));
    painter.setPen(QColor(0x90, 0xA4, 0xB8));
    painter.drawText(QRectF(40, 204, w - 80, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     Tr("Centrais de gás natural veicular  Q7100 · Q5100"));
    painter.setPen(QPen(QColor(0x5A, 0x78, 0x98), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

}  // namespace

std::vector<ImageEntry> BackgroundImageEntries() {
    std::vector<ImageEntry> entries;
    for (int n = 0; n < 6; ++n) entries.push_back({kFirstPage + n, kPageSize, PaintPage, n});
    entries.push_back({kLambdaLive, kPageSize, PaintLambdaLive, 0});
    entries.push_back({kSmallPage, kSmallPageSize, PaintSmallPage, 0});
    entries.push_back({kSplash, kSplashSize, PaintSplash, 0});
    entries.push_back({kMonitorQ5100, kPanelSize, PaintMonitor, 1});
    entries.push_back({kMonitor, kPanelSize, PaintMonitor, 0});
    return entries;
}
