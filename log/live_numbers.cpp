#include "log/live_numbers.h"

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/store_text.h"

namespace LiveNumbers {

namespace {
constexpr double kNoZeroDivision = 1e-17;
constexpr int kQ5100 = 1;
}  // namespace

bool RegisterNumber(CRX4DATA& store, const char* reg, uint32_t* value) {
    std::string text;
    if (!StoreValueText(store, reg, &text))
        return false;
    *value = HexTextToInt(text.c_str());
    return true;
}

bool Rpm(CRX4DATA& store, int modelIndex, int* rpm, std::string* text) {
    uint32_t low = 0, middle = 0, high = 0;
    if (!RegisterNumber(store, "28", &low) || !RegisterNumber(store, "29", &middle))
        return false;
    if (modelIndex != kQ5100) {
        *rpm = static_cast<int>(low + 256 * middle);
        *text = std::to_string(*rpm);
        return true;
    }
    uint32_t factor = 0, divisor = 0;
    if (!RegisterNumber(store, "2A", &high) || !RegisterNumber(store, "2B", &factor) ||
        !RegisterNumber(store, "2C", &divisor))
        return false;
    const double count = low + 256.0 * middle + 65536.0 * high;
    const double quotient = kQ5100RpmFactor * factor / (count * divisor + kNoZeroDivision);
    if (quotient >= 2147483648.0) {
        *rpm = -1;
        *text = "overflow";
        return true;
    }
    *rpm = static_cast<int>(quotient);
    *text = std::to_string(*rpm);
    return true;
}

}  // namespace LiveNumbers
