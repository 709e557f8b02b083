#include "data/number_text.h"

#include <charconv>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <locale.h>

namespace NumberText {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Moves *i past leading blanks and an optional sign; true for '-'.
bool SkipBlanksAndSign(std::string_view text, std::size_t* i) {
    while (*i < text.size() && IsBlank(text[*i])) ++*i;
    if (*i < text.size() && (text[*i] == '+' || text[*i] == '-'))
        return text[(*i)++] == '-';
    return false;
}

// The C locale as a handle, made once; printf formats under it through
// uselocale, which only affects the calling thread.
locale_t CLocale() {
    static const locale_t handle = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return handle;
}

class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t previous_;
};

}  // namespace

double ToDouble(std::string_view text, std::size_t* used) {
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, &i);
    // from_chars takes neither a '+' nor a leading blank, and reads
    // "inf"/"nan", which no field of ours means: accept digits or '.' only.
    const bool startsNumber =
        i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.');
    double value = 0.0;
    if (startsNumber) {
        const char* first = text.data() + i;
        const auto [end, error] =
            std::from_chars(first, text.data() + text.size(), value, std::chars_format::general);
        if (error == std::errc::result_out_of_range) {
            // from_chars leaves the value alone when it over- or underflows:
            // let the C library read it (infinity or 0, as strtod gives).
            const std::string number(first, end);
            value = strtod_l(number.c_str(), nullptr, CLocale());
        }
        if (end != first) {
            if (used)
                *used = static_cast<std::size_t>(end - text.data());
            return negative ? -value : value;
        }
    }
    if (used)
        *used = 0;
    return 0.0;
}

long long ToInteger(std::string_view text) {
    std::size_t i = 0;
    const bool negative = SkipBlanksAndSign(text, &i);
    long long value = 0;
    constexpr long long kMax = std::numeric_limits<long long>::max();
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10)
            return negative ? std::numeric_limits<long long>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

namespace {

template <class Whole>
Whole Saturated(long long value) {
    if (value > std::numeric_limits<Whole>::max())
        return std::numeric_limits<Whole>::max();
    if (value < std::numeric_limits<Whole>::min())
        return std::numeric_limits<Whole>::min();
    return static_cast<Whole>(value);
}

}  // namespace

int ToInt(std::string_view text) {
    return Saturated<int>(ToInteger(text));
}

long ToLong(std::string_view text) {
    return Saturated<long>(ToInteger(text));
}

std::string Format(const char* printfFormat, double value) {
    char text[128];
    const CLocaleScope cLocale;
    // Formats come from the parameter table and the pages' own tables.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(text, sizeof text, printfFormat, value);
#pragma GCC diagnostic pop
    return text;
}

}  // namespace NumberText
