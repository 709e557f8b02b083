#include "data/utf8_text.h"

namespace {

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8Left(const std::string& text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuation(text[i])) {
            if (characters == maxCharacters) {
                return text.substr(0, i);
            }
            ++characters;
        }
    }
    return text;
}

std::size_t Utf8PrefixBytes(const char* text, std::size_t length, std::size_t maxBytes) {
    if (length <= maxBytes) {
        return length;
    }
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuation(text[end])) {
        --end;
    }
    return end;
}
