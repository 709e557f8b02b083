// Draws contact sheets of the pictures for review:
//   controls_sheet <folder>
// writes controls-sheet.png (buttons in their states, labels, gauge parts,
// reduced backgrounds), controls-monitor.png / controls-lambda.png (the
// panels with every gauge part placed in its slot, lit) and controls-splash.png.
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

#include "controls/font_label.h"
#include "controls/image_button.h"
#include "resources/gauge_layout.h"
#include "resources/image_registry.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFF;

QPixmap ButtonShot(int image, QSize size, bool pressed, bool enabled, int style = 20,
                   const QString& text = {}) {
    CImageButton button;
    button.resize(size);
    button.setText(text);
    button.SetTextColour(style == 20 ? 200 : 0);
    button.SetLayoutStyle(style);
    button.SetImage(image, kWhite);
    button.setDown(pressed);
    button.setEnabled(enabled);
    return button.grab();
}

void Caption(QPainter& painter, int x, int y, const QString& text) {
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    painter.drawText(x, y, text);
}

QImage Sheet() {
    QImage sheet(1240, 1100, QImage::Format_RGB32);
    sheet.fill(QColor(0xE4, 0xE4, 0xE4));
    QPainter painter(&sheet);

    const int icons[] = {229, 232, 234, 230, 270, 233, 228, 273};
    const char* names[] = {"229 next",    "232 return", "234 load",  "230 save",
                           "270 monitor", "233 exit",   "228 write", "273 calibrate"};
    for (int n = 0; n < 8; ++n) {
        const int x = 20 + n * 150;
        Caption(painter, x, 20, QString::fromUtf8(names[n]));
        painter.drawPixmap(x, 28, ButtonShot(icons[n], {64, 64}, false, true));
        painter.drawPixmap(x + 70, 28, ButtonShot(icons[n], {64, 64}, true, true));
        painter.drawPixmap(x, 98, ButtonShot(icons[n], {48, 48}, false, false));
        painter.drawPixmap(x + 70, 98, ResourceImage(icons[n]).scaled(64, 64));
    }
    for (int n = 0; n < 3; ++n) {
        const int x = 20 + n * 100;
        painter.drawPixmap(x, 180, ButtonShot(260 + n, {84, 84}, false, true));
    }
    painter.drawPixmap(340, 190,
                       ButtonShot(273, {170, 48}, false, true, 5, QStringLiteral("CALIBRAR")));
    painter.drawPixmap(520, 190,
                       ButtonShot(273, {170, 48}, false, false, 5, QStringLiteral("CALIBRAR")));

    CFontLabel title;
    title.resize(300, 26);
    title.setText(QStringLiteral("Selecione o Idioma"));
    title.SetLabelFont(QStringLiteral("Ms Sans Serif"), 20, 0, 1);
    title.SetLabelStyle(32);
    painter.drawPixmap(700, 180, title.grab());
    CFontLabel small;
    small.resize(300, 40);
    small.setText(QStringLiteral("Marcha Lenta & Alta Rotação  1-240 Passos"));
    small.SetLabelFont(QStringLiteral("Ms Sans Serif"), 14, 0, 1);
    painter.drawPixmap(700, 212, small.grab());
    CFontLabel volts;
    volts.resize(120, 30);
    volts.setText(QStringLiteral("0V 5V"));
    volts.setStyleSheet(QStringLiteral("background: #161b20"));
    volts.setAutoFillBackground(true);
    volts.SetLabelFont(QStringLiteral("ARIAL BLACK"), 12, 0x4ADFCD, 32);
    painter.drawPixmap(1010, 180, volts.grab());

    // Gauge parts at twice their size.
    painter.save();
    painter.translate(20, 280);
    painter.scale(2, 2);
    for (int d = 0; d < 10; ++d) painter.drawPixmap(d * 20, 0, ResourceImage(349 + d));
    painter.drawPixmap(200, 0, ResourceImage(432));
    for (int d = 0; d < 10; ++d) painter.drawPixmap(230 + d * 11, 0, ResourceImage(359 + d));
    painter.drawPixmap(342, 0, ResourceImage(369));
    for (int i = 0; i < 28; ++i) painter.drawPixmap(i * 10, 40, ResourceImage(379 + i));
    for (int n = 0; n < 3; ++n) painter.drawPixmap(290 + n * 10, 40, ResourceImage(412 + n));
    painter.drawPixmap(330, 40, ResourceImage(416));
    painter.drawPixmap(340, 40, ResourceImage(419));
    painter.restore();

    for (int k = 0; k < 32; ++k) {
        painter.drawPixmap(20 + (k % 16) * 50, 430 + (k / 16) * 74, ResourceImage(347 - k));
    }
    painter.drawPixmap(830, 420, ResourceImage(277));
    painter.drawPixmap(850, 420, ResourceImage(407));
    painter.drawPixmap(880, 420, ResourceImage(408));

    const int backgrounds[] = {246, 247, 248, 249, 250, 251, 314, 269, 180, 275, 276};
    for (int n = 0; n < 11; ++n) {
        const QPixmap image = ResourceImage(backgrounds[n]);
        const int x = 20 + (n % 6) * 200;
        const int y = 690 + (n / 6) * 180;
        painter.drawPixmap(x, y, image.scaledToWidth(190, Qt::SmoothTransformation));
        Caption(painter, x, y + 160, QString::number(backgrounds[n]));
    }
    return sheet;
}

QPoint Slot(int x, int y) {
    return GaugeLayout::DialogUnitsToPixels(x, y);
}

// The monitoring panel at 2750 rpm, 3.46 V throttle, 0.72 V lambda, 150 steps.
QImage MonitorPanel() {
    QImage panel = ResourceImage(276).toImage();
    QPainter painter(&panel);
    const int rpm[] = {2, 7, 5, 0};
    const int rpmX[] = {174, 188, 202, 216};
    for (int n = 0; n < 4; ++n) painter.drawPixmap(Slot(rpmX[n], 178), ResourceImage(349 + rpm[n]));
    for (int i = 0; i < 11; ++i)
        painter.drawPixmap(GaugeLayout::MonitorArcSegmentRect(i).topLeft(), ResourceImage(379 + i));
    const struct {
        int x[3];
        int digits[3];
        int separator;
    } readings[] = {{{17, 28, 37}, {3, 4, 6}, 25}, {{252, 262, 271}, {0, 7, 2}, 259}};
    for (const auto& r : readings) {
        for (int n = 0; n < 3; ++n)
            painter.drawPixmap(Slot(r.x[n], 253), ResourceImage(359 + r.digits[n]));
        painter.drawPixmap(Slot(r.separator, 253), ResourceImage(369));
    }
    const QPixmap bar = ResourceImage(277);
    const QPoint tps = Slot(30, 94);
    const int tpsTop = static_cast<int>(376.0 - 3.46 * 44.6 / 240 * 238.0);
    painter.drawPixmap(tps.x(), tpsTop, bar, 0, 0, 12, tps.y() + 240 - tpsTop);
    const QPoint lambda = Slot(265, 93);
    const int lambdaTop = static_cast<int>(376.0 - 0.72 * 222.0 / 240 * 238.0);
    painter.drawPixmap(lambda.x(), lambdaTop, bar, 0, 0, 12, lambda.y() + 240 - lambdaTop);
    const int steps[] = {1, 5, 0};
    const int stepX[] = {309, 317, 326};
    for (int n = 0; n < 3; ++n)
        painter.drawPixmap(Slot(stepX[n], 253), ResourceImage(359 + steps[n]));
    painter.drawPixmap(Slot(312, 94), ResourceImage(407));
    painter.drawPixmap(Slot(331, 0).x(), static_cast<int>(379.0 - 150.0 / 240 * 228.0),
                       ResourceImage(419));
    const int k = static_cast<int>(150.0 / 240 * 31.0);
    painter.drawPixmap(Slot(424, 253), ResourceImage(347 - k));
    return panel;
}

// The lambda page's live view at 1250 rpm and 12.5 ms.
QImage LambdaPanel() {
    QImage panel = ResourceImage(314).toImage();
    QPainter painter(&panel);
    const int rpm[] = {1, 2, 5, 0};
    const int rpmX[] = {411, 425, 439, 453};
    for (int n = 0; n < 4; ++n) painter.drawPixmap(Slot(rpmX[n], 223), ResourceImage(349 + rpm[n]));
    const int ms[] = {1, 2, 5};
    const int msX[] = {335, 350, 370};
    for (int n = 0; n < 3; ++n) painter.drawPixmap(Slot(msX[n], 155), ResourceImage(349 + ms[n]));
    for (int i = 0; i < 5; ++i)
        painter.drawPixmap(GaugeLayout::LambdaArcSegmentRect(i).topLeft(), ResourceImage(379 + i));
    painter.drawPixmap(GaugeLayout::LambdaArcMarkerPosition(), ResourceImage(416));
    return panel;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: controls_sheet <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool written =
        Sheet().save(folder.filePath(QStringLiteral("controls-sheet.png"))) &&
        MonitorPanel().save(folder.filePath(QStringLiteral("controls-monitor.png"))) &&
        LambdaPanel().save(folder.filePath(QStringLiteral("controls-lambda.png"))) &&
        ResourceImage(180).save(folder.filePath(QStringLiteral("controls-splash.png")));
    return written ? 0 : 1;
}
