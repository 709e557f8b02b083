#include "monitor/live_values.h"

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/number_text.h"
#include "data/store_text.h"

namespace {
constexpr double kVoltsPerCount = 0.02;
constexpr double kInjectionMsPerCount = 0.1;
// Q5100 counts crankshaft periods: rpm = kQ5100RpmFactor * "2B" / (N * "2C").
constexpr double kQ5100RpmFactor = 120000000.0;
constexpr double kNoZeroDivision = 1e-17;
}  // namespace

bool LiveRegisterNumber(CRX4DATA& store, const char* reg, uint32_t* value) {
    std::string text;
    if (!StoreValueText(store, reg, &text))
        return false;
    *value = HexTextToInt(text.c_str());
    return true;
}

std::string LiveVoltageText(uint32_t counts) {
    return NumberText::Format("%2.2f", counts * kVoltsPerCount);
}

std::string LiveInjectionText(uint32_t counts) {
    return NumberText::Format("%2.1f", counts * kInjectionMsPerCount);
}

bool LiveRpmText(CRX4DATA& store, int modelIndex, int* rpm, std::string* text) {
    uint32_t low = 0, middle = 0, high = 0;
    if (!LiveRegisterNumber(store, "28", &low) || !LiveRegisterNumber(store, "29", &middle))
        return false;
    if (modelIndex != 1) {
        *rpm = static_cast<int>(low + 256 * middle);
        *text = std::to_string(*rpm);
        return true;
    }
    uint32_t factor = 0, divisor = 0;
    if (!LiveRegisterNumber(store, "2A", &high) || !LiveRegisterNumber(store, "2B", &factor) ||
        !LiveRegisterNumber(store, "2C", &divisor))
        return false;
    const double count = low + 256.0 * middle + 65536.0 * high;
    const double quotient = kQ5100RpmFactor * factor / (count * divisor + kNoZeroDivision);
    // A quotient beyond an int (no speed count yet) is no reading at all.
    if (quotient >= 2147483648.0) {
        *rpm = -1;
        *text = "overflow";
        return true;
    }
    *rpm = static_cast<int>(quotient);
    *text = std::to_string(*rpm);
    return true;
}
