#include "monitor/lambda_page_gauges.h"
#include "data/number_text.h"

#include <cstdio>
#include <string>

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/store_text.h"
#include "log/live_numbers.h"
#include "monitor/gauge_slots.h"
#include "resources/gauge_layout.h"

namespace {

std::vector<int> LambdaArcImages() {
    std::vector<int> images;
    for (int i = 0; i < GaugeLayout::kArcSegmentCount; ++i) images.push_back(LambdaArcImage(i));
    return images;
}

std::vector<LargeDigit> LargeDigits(const int* slots, int count) {
    std::vector<LargeDigit> digits;
    // Unlit digits count as nothing shown: the first reading draws them all.
    for (int i = 0; i < count; ++i) digits.emplace_back(slots[i], LargeDigit::kNothing);
    return digits;
}

using LiveNumbers::RegisterNumber;

}  // namespace

LambdaPageGauges::LambdaPageGauges(ImageSlots& slots)
    : slots_(slots),
      rpmDigits_(LargeDigits(LambdaSlots::kRpmDigits, 4)),
      injectionDigits_(LargeDigits(LambdaSlots::kInjectionDigits, 3)),
      arc_(LambdaSlots::kArcFirst, LambdaArcImages()) {}

void LambdaPageGauges::DrawStartImages() {
    for (int slot : LambdaSlots::kRpmDigits) slots_.Show(slot, GaugeImages::kUnlitLargeDigit);
    for (int slot : LambdaSlots::kInjectionDigits) slots_.Show(slot, GaugeImages::kUnlitLargeDigit);
}

void LambdaPageGauges::DrawLargeDigits(const char* text, const int* positions,
                                       std::vector<LargeDigit>& digits) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = DigitOf(text[positions[i]]);
        // Here a blank is lit as 0, like the page's other readings.
        digits[i].Draw(slots_, digit == kBlank ? 0 : digit);
    }
}

int LambdaPageGauges::ShowLambdaPageRpm(CRX4DATA& store, bool arcFollowsSpeed) {
    uint32_t low = 0, high = 0;
    if (!RegisterNumber(store, "28", &low) || !RegisterNumber(store, "29", &high))
        return 1;
    const int rpm = static_cast<int>(low + 256 * high);
    const std::string four = FourCharacterRpm(std::to_string(rpm));
    constexpr int kPositions[4] = {0, 1, 2, 3};
    DrawLargeDigits(four.c_str(), kPositions, rpmDigits_);
    if (arcFollowsSpeed)
        arc_.Draw(slots_, rpm);
    else
        arc_.Remember(rpm);
    return 0;
}

int LambdaPageGauges::ShowLambdaPageInjection(CRX4DATA& store) {
    uint32_t counts = 0;
    if (!RegisterNumber(store, "81", &counts))
        return 1;
    std::string shown = NumberText::Format("%2.1f", LiveNumbers::InjectionMs(counts));
    if (shown == "0.0")
        shown = "00.0";
    else if (shown.size() == 3)
        shown = " " + shown;
    // Tens, units and tenths; character 2 is the printed decimal point.
    constexpr int kPositions[3] = {0, 1, 3};
    DrawLargeDigits(shown.c_str(), kPositions, injectionDigits_);
    return 0;
}

void LambdaPageGauges::HideLambdaPageGauges() {
    arc_.Hide(slots_);
    for (int slot = LambdaSlots::kRpmDigits[3]; slot <= LambdaSlots::kInjectionDigits[0]; ++slot)
        slots_.Hide(slot);
    slots_.Hide(LambdaSlots::kArcMarker);
    for (LargeDigit& digit : rpmDigits_) digit.Forget();
    for (LargeDigit& digit : injectionDigits_) digit.Forget();
}
