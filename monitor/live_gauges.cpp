#include "monitor/live_gauges.h"
#include "data/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/store_text.h"
#include "log/live_numbers.h"
#include "monitor/gauge_slots.h"
#include "resources/gauge_layout.h"

namespace {

// Scales of the panel, in client pixels of the 1024 x 768 background.
// The bar heights are worked out in this order of operations, so that the
// truncated pixel rows stay the same as the panel has always drawn them.
double TpsBarTop(double volts) {
    return std::trunc(376.0 - volts * 44.6 / 240 * 238.0);
}
double LambdaBarTop(double volts, int fullScale) {
    return std::trunc(376.0 - volts * 222.0 / (fullScale * 240) * 238.0);
}
constexpr double kLambdaLimitVolts = 1.0;
constexpr double kInvertedTpsVolts = 5.0;  // "10" = "2": the sensor reads 5 V at rest
constexpr int kMaxDrawnSteps = 240;
constexpr double kMarkerAtZero = 379.0;
constexpr double kMarkerTravel = 228.0;
constexpr double kPictureSteps = 31.0;
constexpr std::size_t kRpmTextLimit = 4;

std::vector<int> MonitorArcImages() {
    std::vector<int> images;
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i)
        images.push_back(GaugeImages::kArcFirst + i);
    return images;
}

std::vector<SmallDigit> SmallDigits(const int (&firstSlots)[3]) {
    return {SmallDigit(firstSlots[0]), SmallDigit(firstSlots[1]), SmallDigit(firstSlots[2])};
}

using LiveNumbers::RegisterNumber;

bool HasStepSettings(CRX4DATA& store) {
    std::string text;
    return StoreValueText(store, "3D", &text) && StoreValueText(store, "3E", &text);
}

std::string VoltageText(uint32_t counts) {
    return NumberText::Format("%2.2f", LiveNumbers::Volts(counts));
}

}  // namespace

GaugeUpdateCounts& ProgramGaugeUpdateCounts() {
    static GaugeUpdateCounts counts;
    return counts;
}

LiveGauges::LiveGauges(ImageSlots& slots, GaugeUpdateCounts& counts, int modelIndex)
    : slots_(slots),
      counts_(counts),
      modelIndex_(modelIndex),
      arc_(MonitorSlots::kArcFirst, MonitorArcImages()),
      tpsDigits_(SmallDigits(MonitorSlots::kTpsDigits)),
      lambdaDigits_(SmallDigits(MonitorSlots::kLambdaDigits)),
      stepDigits_(SmallDigits(MonitorSlots::kStepDigits)),
      shownPicture_(MonitorSlots::kPictureClosed - (MonitorSlots::kPictureCount - 1)) {
    for (int slot : MonitorSlots::kRpmDigits) rpmDigits_.emplace_back(slot, 0);
}

void LiveGauges::DrawStartImages() {
    for (int slot : MonitorSlots::kRpmDigits) slots_.Show(slot, GaugeImages::kLargeDigitZero);
    slots_.Show(MonitorSlots::kTpsSeparator, GaugeImages::kSmallSeparator);
    slots_.Show(MonitorSlots::kLambdaSeparator, GaugeImages::kSmallSeparator);
    const int open = MonitorSlots::kPictureCount - 1;
    slots_.Show(MonitorSlots::kPictureClosed - open, GaugeImages::kActuatorClosed - open);
    shownPicture_ = MonitorSlots::kPictureClosed - open;
}

int LiveGauges::UpdateLiveDisplay(CRX4DATA& store) {
    uint32_t position = 0;
    if (!RegisterNumber(store, "11", &position))
        return 1;
    const int p = static_cast<int>(position);
    if (p != lastPosition_ || counts_.actuator < GaugeUpdateCounts::kSettledUpdates) {
        counts_.actuator = std::min(counts_.actuator + 1, GaugeUpdateCounts::kSettledUpdates);
        if (ShowActuatorPosition(p, store) != 0)
            return 1;
    }

    int rpm = 0;
    std::string text;
    if (!LiveNumbers::Rpm(store, modelIndex_, &rpm, &text))
        return 1;
    // Five characters or more do not fit the digits: the last reading stays.
    if (text.size() > kRpmTextLimit)
        text = lastRpmText_;
    ShowRpm(text);
    if (rpm == 0 && p == 0) {
        ShowLambdaVoltage("0.00");
        ShowTpsVoltage("0.00", store);
    }
    lastRpmText_ = text;

    uint32_t tps = 0, lambda = 0;
    if (!RegisterNumber(store, "23", &tps))
        return 1;
    ShowTpsVoltage(VoltageText(tps), store);
    if (!RegisterNumber(store, "24", &lambda))
        return 1;
    ShowLambdaVoltage(VoltageText(lambda));
    return 0;
}

void LiveGauges::ShowRpm(const std::string& text) {
    const std::string four = FourCharacterRpm(text);
    for (int i = 0; i < 4; ++i) rpmDigits_[i].Draw(slots_, DigitOf(four[i]));
    arc_.Draw(slots_, NumberText::ToDouble(text));
}

void LiveGauges::DrawVoltageDigits(const std::string& text, std::vector<SmallDigit>& digits) {
    // Characters 0, 2 and 3; character 1 is the separator's fixed image.
    const std::size_t positions[3] = {0, 2, 3};
    for (int i = 0; i < 3; ++i)
        digits[i].Draw(slots_, positions[i] < text.size() ? DigitOf(text[positions[i]]) : kBlank);
}

void LiveGauges::MoveBar(int slot, double top) {
    const QRect rect = SlotRect(MonitorSlotPlacements(), slot);
    slots_.Move(slot, {rect.left(), static_cast<int>(top)});
    slots_.Show(slot, GaugeImages::kVoltageBar);
}

void LiveGauges::ShowTpsVoltage(const std::string& text, CRX4DATA& store) {
    DrawVoltageDigits(text, tpsDigits_);
    std::string direction;
    if (!StoreValueText(store, "10", &direction))
        return;
    double volts = NumberText::ToDouble(text);
    if (direction == "2")
        volts = kInvertedTpsVolts - volts;
    if (volts <= 0) {
        lastTps_ = 0;
        slots_.Hide(MonitorSlots::kTpsBar);
        return;
    }
    if (volts == lastTps_)
        return;
    lastTps_ = volts;
    MoveBar(MonitorSlots::kTpsBar, TpsBarTop(volts));
}

void LiveGauges::ShowLambdaVoltage(const std::string& text) {
    DrawVoltageDigits(text, lambdaDigits_);
    double volts = NumberText::ToDouble(text);
    if (volts <= 0) {
        lastLambda_ = 0;
        slots_.Hide(MonitorSlots::kLambdaBar);
        return;
    }
    if (volts == lastLambda_ && counts_.lambdaBar >= GaugeUpdateCounts::kSettledUpdates)
        return;
    counts_.lambdaBar = std::min(counts_.lambdaBar + 1, GaugeUpdateCounts::kSettledUpdates);
    volts = std::min(volts, kLambdaLimitVolts);
    lastLambda_ = volts;
    MoveBar(MonitorSlots::kLambdaBar, LambdaBarTop(volts, lambdaFullScale_));
}

int LiveGauges::ShowActuatorPosition(int position, CRX4DATA& store) {
    if (!HasStepSettings(store))
        return 1;
    lastPosition_ = position;
    char text[16];
    std::snprintf(text, sizeof(text), "%3d", position);
    for (int i = 0; i < 3; ++i) stepDigits_[i].Draw(slots_, DigitOf(text[i]));

    const double fraction = std::min(position, kMaxDrawnSteps) / double{kMaxDrawnSteps};
    const QRect marker = SlotRect(MonitorSlotPlacements(), MonitorSlots::kMarker);
    slots_.Move(MonitorSlots::kMarker,
                {marker.left(), static_cast<int>(kMarkerAtZero - fraction * kMarkerTravel)});
    slots_.Show(MonitorSlots::kMarker, GaugeImages::kMarker);

    const int k = static_cast<int>(fraction * kPictureSteps);
    const int picture = MonitorSlots::kPictureClosed - k;
    if (picture != shownPicture_) {
        slots_.Show(picture, GaugeImages::kActuatorClosed - k);
        slots_.Hide(shownPicture_);
        shownPicture_ = picture;
    }
    return 0;
}

void LiveGauges::ShowActuatorScale(CRX4DATA& store, bool noAnswer) {
    if (!HasStepSettings(store))
        return;
    std::string colour;
    if (!StoreValueText(store, "83", &colour))
        colour = "0";
    int wanted = 0;
    if (colour == "0")
        wanted = MonitorSlots::kScaleGreen;
    else if (colour == "1")
        wanted = MonitorSlots::kScaleRed;
    else
        return;
    if (noAnswer)
        wanted = kNoScale;
    if (wanted == shownScale_)
        return;
    if (shownScale_ != kNoScale)
        slots_.Hide(shownScale_);
    if (wanted != kNoScale)
        slots_.Show(wanted, wanted == MonitorSlots::kScaleGreen ? GaugeImages::kScaleGreen
                                                                : GaugeImages::kScaleRed);
    shownScale_ = wanted;
}
