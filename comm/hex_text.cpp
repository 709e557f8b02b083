#include "comm/hex_text.h"

#include <algorithm>
#include <cstdlib>

uint32_t HexTextToInt(const char* text) {
    if (text == nullptr)
        return 0;
    return static_cast<uint32_t>(std::strtoul(text, nullptr, 16));
}

std::string IntToHexText(uint32_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.push_back(kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    std::reverse(text.begin(), text.end());
    return text;
}
