#include "monitor/gauge_slots.h"

#include "resources/gauge_layout.h"

namespace {

using GaugeLayout::DialogUnitsToPixels;

// Template positions (dialog units) of the small-digit positions and their
// first slots; each position holds ten slots, one per digit value.
struct DigitRow {
    const int* firstSlots;
    int x[3];
};
constexpr int kSmallDigitRowY = 253;
constexpr QSize kSmallDigit(9, 14);
constexpr QSize kLargeDigit(17, 27);
constexpr QSize kSeparator(4, 14);
constexpr QSize kBar(12, 240);
constexpr QSize kScaleSize(26, 241);
constexpr QSize kMarkerSize(13, 16);
constexpr QSize kPicture(46, 69);
constexpr QSize kLambdaMarker(4, 10);

QRect At(int x, int y, QSize size) {
    return QRect(DialogUnitsToPixels(x, y), size);
}

std::vector<SlotPlacement> BuildMonitorPlacements() {
    using namespace MonitorSlots;
    std::vector<SlotPlacement> out;
    const int rpmX[4] = {174, 188, 202, 216};
    for (int i = 0; i < 4; ++i)
        out.push_back(
            {kRpmDigits[i], GaugeImages::kLargeDigitZero, At(rpmX[i], 178, kLargeDigit), false});
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i)
        out.push_back({kArcFirst + i, GaugeImages::kArcFirst + i,
                       GaugeLayout::MonitorArcSegmentRect(i), false});
    const DigitRow rows[] = {{kTpsDigits, {17, 28, 37}},
                             {kLambdaDigits, {252, 262, 271}},
                             {kStepDigits, {309, 317, 326}}};
    for (const DigitRow& row : rows) {
        for (int p = 0; p < 3; ++p)
            for (int d = 0; d < 10; ++d)
                out.push_back({row.firstSlots[p] + d, GaugeImages::kSmallDigitZero + d,
                               At(row.x[p], kSmallDigitRowY, kSmallDigit), false});
    }
    out.push_back(
        {kTpsSeparator, GaugeImages::kSmallSeparator, At(25, kSmallDigitRowY, kSeparator), false});
    out.push_back({kLambdaSeparator, GaugeImages::kSmallSeparator,
                   At(259, kSmallDigitRowY, kSeparator), false});
    out.push_back({kTpsBar, GaugeImages::kVoltageBar, At(30, 94, kBar), true});
    out.push_back({kLambdaBar, GaugeImages::kVoltageBar, At(265, 93, kBar), true});
    out.push_back({kScaleGreen, GaugeImages::kScaleGreen, At(312, 94, kScaleSize), false});
    out.push_back({kScaleRed, GaugeImages::kScaleRed, At(312, 94, kScaleSize), false});
    out.push_back({kMarker, GaugeImages::kMarker, At(331, 234, kMarkerSize), false});
    for (int k = 0; k < kPictureCount; ++k)
        out.push_back(
            {kPictureClosed - k, GaugeImages::kActuatorClosed - k, At(424, 253, kPicture), false});
    return out;
}

std::vector<SlotPlacement> BuildLambdaPlacements() {
    using namespace LambdaSlots;
    std::vector<SlotPlacement> out;
    const int rpmX[4] = {411, 425, 439, 453};
    for (int i = 0; i < 4; ++i)
        out.push_back(
            {kRpmDigits[i], GaugeImages::kUnlitLargeDigit, At(rpmX[i], 223, kLargeDigit), false});
    const int injectionX[3] = {335, 350, 370};
    for (int i = 0; i < 3; ++i)
        out.push_back({kInjectionDigits[i], GaugeImages::kUnlitLargeDigit,
                       At(injectionX[i], 155, kLargeDigit), false});
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i)
        out.push_back(
            {kArcFirst + i, LambdaArcImage(i), GaugeLayout::LambdaArcSegmentRect(i), false});
    out.push_back({kArcMarker, GaugeImages::kLambdaArcMarker,
                   QRect(GaugeLayout::LambdaArcMarkerPosition(), kLambdaMarker), false});
    return out;
}

}  // namespace

const std::vector<SlotPlacement>& MonitorSlotPlacements() {
    static const std::vector<SlotPlacement> kPlacements = BuildMonitorPlacements();
    return kPlacements;
}

const std::vector<SlotPlacement>& LambdaSlotPlacements() {
    static const std::vector<SlotPlacement> kPlacements = BuildLambdaPlacements();
    return kPlacements;
}

QRect SlotRect(const std::vector<SlotPlacement>& placements, int slot) {
    for (const SlotPlacement& placement : placements) {
        if (placement.slot == slot)
            return placement.rect;
    }
    return QRect();
}

int LambdaArcImage(int i) {
    // The 6th, 9th and 11th segment of the lambda page's arc are drawn apart.
    struct OwnImage {
        int segment;
        int imageId;
    };
    constexpr OwnImage kOwnImages[] = {{5, 412}, {8, 413}, {10, 414}};
    for (const OwnImage& own : kOwnImages) {
        if (own.segment == i)
            return own.imageId;
    }
    return GaugeImages::kArcFirst + i;
}
