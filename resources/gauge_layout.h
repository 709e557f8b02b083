#pragma once
// Where the gauge slots sit, in client pixels: on the 1024 x 768 monitoring
// panel and in the live view of the lambda page. The panel backgrounds draw
// the housings, tracks and digit windows around these places, so the dialogs
// that place the slots take them from here.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace GaugeLayout {

// The dialog templates are laid out in units of the 8-point dialog font, whose
// average character cell is 6 x 13 pixels (4 x 8 units): the 8 x 148 bar slot
// becomes the 12 x 240 bar image.
constexpr QPoint DialogUnitsToPixels(int x, int y) {
    return QPoint(x * 3 / 2, y * 13 / 8);
}

constexpr int kArcSegmentCount = 28;

// Arc segment i (0 = leftmost) grows from 8 x 16 to 8 x 23 pixels.
QSize ArcSegmentSize(int i);

// The monitoring panel's arc runs from (70, 160) to (229, 122) in dialog
// units, rising steeply first and flattening towards the top end.
QRect MonitorArcSegmentRect(int i);

// The lambda page's arc: the same curve placed above its engine-speed digits.
QRect LambdaArcSegmentRect(int i);

// The lambda page's arc marker (image 416), under the left end of the arc.
QPoint LambdaArcMarkerPosition();

// Light plate on the right of the monitoring panel for the step fields, their
// labels and the calibration button (their black text needs a light ground).
QRect MonitorSettingsPanel();

// Dark strip along the bottom of the monitoring panel for Return and Exit.
QRect MonitorButtonStrip();

// Dark instrument window of the lambda page's live view.
QRect LambdaLivePanel();

}  // namespace GaugeLayout
