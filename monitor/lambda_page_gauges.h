#pragma once
// The live view of the full lambda page: engine-speed digits and arc,
// injection-time digits, all drawn over image slots from the live store.

#include <vector>

#include "monitor/gauge_parts.h"
#include "monitor/image_slots.h"

class CRX4DATA;

class LambdaPageGauges {
  public:
    explicit LambdaPageGauges(ImageSlots& slots);

    // The seven digits unlit, as the view opens.
    void DrawStartImages();
    // Speed count "28" + 256 * "29" on every model, into four digits (a
    // blank shows 0). The arc follows only while arcFollowsSpeed (the page's
    // signal type "Real"); the speed is remembered in either case. 1 when a
    // register is missing.
    int ShowLambdaPageRpm(CRX4DATA& store, bool arcFollowsSpeed);
    // Injection time "81" * 0.1 ms as tens, units and tenths; 1 when "81" is
    // missing.
    int ShowLambdaPageInjection(CRX4DATA& store);
    // Hides the arc, the seven digits and the arc marker; the next readings
    // draw them all again.
    void HideLambdaPageGauges();

  private:
    void DrawLargeDigits(const char* text, const int* positions, std::vector<LargeDigit>& digits);

    ImageSlots& slots_;
    std::vector<LargeDigit> rpmDigits_;
    std::vector<LargeDigit> injectionDigits_;
    SpeedArc arc_;
};
