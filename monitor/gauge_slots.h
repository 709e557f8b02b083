#pragma once
// The image slots of the monitoring panel and of the lambda page's live view:
// their ids, the image each starts with and where each sits in client pixels
// (template positions converted with GaugeLayout). The gauge logic takes ids
// and left edges from here; the views create their slots from the lists.

#include <QRect>
#include <vector>

namespace MonitorSlots {
// Engine speed, large digits left to right.
constexpr int kRpmDigits[4] = {1505, 1495, 1485, 1475};
constexpr int kArcFirst = 1722;  // segment i is kArcFirst + i
// Small digits: one slot per digit value d, first slot + d; units, tenths,
// hundredths (the steps: hundreds, tens, ones).
constexpr int kTpsDigits[3] = {1670, 1660, 1650};
constexpr int kLambdaDigits[3] = {1640, 1630, 1620};
constexpr int kStepDigits[3] = {1701, 1691, 1681};
constexpr int kTpsSeparator = 1615;
constexpr int kLambdaSeparator = 1680;
constexpr int kTpsBar = 1322;
constexpr int kLambdaBar = 1323;
constexpr int kScaleGreen = 1752;
constexpr int kScaleRed = 1753;
constexpr int kMarker = 1807;
// Actuator picture of position k (0 closed .. 31 open) is kPictureClosed - k.
constexpr int kPictureClosed = 1474;
constexpr int kPictureCount = 32;
}  // namespace MonitorSlots

namespace LambdaSlots {
constexpr int kRpmDigits[4] = {1485, 1484, 1483, 1482};
constexpr int kInjectionDigits[3] = {1488, 1487, 1486};  // tens, units, tenths
constexpr int kArcFirst = 1778;
constexpr int kArcMarker = 1806;
}  // namespace LambdaSlots

namespace GaugeImages {
constexpr int kLargeDigitZero = 349;
constexpr int kSmallDigitZero = 359;
constexpr int kSmallSeparator = 369;
constexpr int kArcFirst = 379;
constexpr int kVoltageBar = 277;
constexpr int kActuatorClosed = 347;  // position k shows kActuatorClosed - k
constexpr int kScaleGreen = 407;
constexpr int kScaleRed = 408;
constexpr int kMarker = 419;
constexpr int kUnlitLargeDigit = 432;
constexpr int kLambdaArcMarker = 416;
}  // namespace GaugeImages

struct SlotPlacement {
    int slot;
    int imageId;  // the image the slot holds before any gauge draws
    QRect rect;
    bool keepsBottom;  // a bar: moving its top keeps its bottom edge
};

// Every slot of the monitoring panel, all hidden at first.
const std::vector<SlotPlacement>& MonitorSlotPlacements();
// Every slot of the lambda page's live view, all hidden at first.
const std::vector<SlotPlacement>& LambdaSlotPlacements();

// Where a slot sits; an empty rectangle for an unknown id.
QRect SlotRect(const std::vector<SlotPlacement>& placements, int slot);

// Image of the lambda page's arc segment i: three segments have their own.
int LambdaArcImage(int i);
