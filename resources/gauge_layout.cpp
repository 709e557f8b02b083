#include "resources/gauge_layout.h"

#include <cmath>

namespace GaugeLayout {

namespace {

constexpr double kHalfPi = 1.5707963267948966;

QRect ArcSegmentOnCurve(int i, QPoint first, QPoint last) {
    const double t = static_cast<double>(i) / (kArcSegmentCount - 1);
    const double x = first.x() + (last.x() - first.x()) * t;
    const double y = first.y() + (last.y() - first.y()) * std::sin(t * kHalfPi);
    return QRect(QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))),
                 ArcSegmentSize(i));
}

}  // namespace

QSize ArcSegmentSize(int i) {
    return QSize(8, 16 + static_cast<int>(std::lround(7.0 * i / (kArcSegmentCount - 1))));
}

QRect MonitorArcSegmentRect(int i) {
    return ArcSegmentOnCurve(i, DialogUnitsToPixels(70, 160), DialogUnitsToPixels(229, 122));
}

QRect LambdaArcSegmentRect(int i) {
    return ArcSegmentOnCurve(i, QPoint(520, 318), QPoint(757, 286));
}

QPoint LambdaArcMarkerPosition() {
    return QPoint(518, 340);
}

QRect MonitorSettingsPanel() {
    return QRect(712, 130, 290, 360);
}

QRect MonitorButtonStrip() {
    return QRect(0, 688, 1024, 80);
}

QRect LambdaLivePanel() {
    return QRect(486, 214, 300, 196);
}

}  // namespace GaugeLayout
