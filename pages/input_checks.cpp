#include "pages/input_checks.h"
#include "data/number_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/parameter_table.h"

namespace {

// The fields were read into 10-character buffers: nine characters count.
constexpr std::size_t kReadLength = kCheckedTextLength;
constexpr std::size_t kDefaultTextLength = 49;
constexpr int kLongestDuration = 175;  // "2.55"

// Looked up when a message is made (Message), never kept translated.
constexpr const char* kGuardText =
    TR_NOOP("Por favor, não altere diretamente este valor.\n"
            "Use um dos valores predefinidos na lista apresentada.\n"
            "Foi assumido um dos valores validos.\n");
constexpr const char* kGuardTitle = TR_NOOP("Atenção");
constexpr const char* kBelowText = TR_NOOP("Valor abaixo do limite inferior.");
constexpr const char* kAboveText = TR_NOOP("Valor acima do limite superior.");
constexpr const char* kLimitTitle = TR_NOOP("Atenção - Valor limite assumido");
constexpr const char* kMinimumTitle = TR_NOOP("Atenção - Valor mínimo assumido");
constexpr const char* kMaximumTitle = TR_NOOP("Atenção - Valor máximo assumido");

CheckMessage Message(const char* text, const char* title) {
    return CheckMessage{TrStd(text), TrStd(title)};
}

double TextNumber(const std::string& text) {
    return NumberText::ToDouble(text.substr(0, kReadLength));
}

// The auxiliary form in display units: the limits scaled by Step, the upper
// one with a little room so that the largest option's rounding passes.
CheckOutcome CheckScaled(const std::string& text, double value, const ParameterRecord& record) {
    const double low = NumberText::ToDouble(record.Values[0]) * record.Step;
    const double high = NumberText::ToDouble(record.Values[1]) * record.Step + 0.001;
    if (value < low)
        return {FormatRecordValue(record.Labels[0], low), Message(kBelowText, kMinimumTitle)};
    if (value > high)
        return {FormatRecordValue(record.Labels[0], high), Message(kAboveText, kMaximumTitle)};
    return {text, std::nullopt};
}

}  // namespace

CheckOutcome GuardListField(const ParameterRecord& record) {
    return {std::string(record.DefaultText).substr(0, kDefaultTextLength),
            Message(kGuardText, kGuardTitle)};
}

CheckOutcome CheckLimitsOnChange(const std::string& text, const ParameterRecord& record,
                                 LimitCheck form) {
    if (form == LimitCheck::None)
        return {text, std::nullopt};
    const bool aux = form != LimitCheck::Vehicle;
    // Clearing an auxiliary field always counts as too small.
    const double value = aux && text.empty() ? -1 : TextNumber(text);
    if (form == LimitCheck::AuxScaled)
        return CheckScaled(text, value, record);
    if (!aux && value < 0)
        return {"0", std::nullopt};
    if (value < NumberText::ToDouble(record.Values[0]))
        return {record.Values[0], Message(kBelowText, aux ? kMinimumTitle : kLimitTitle)};
    if (value > NumberText::ToDouble(record.Values[1]))
        return {record.Values[1], Message(kAboveText, aux ? kMaximumTitle : kLimitTitle)};
    return {text, std::nullopt};
}

std::string ClampOnFocusLoss(const std::string& text, const ParameterRecord& record) {
    const double value = TextNumber(text);
    if (value < 0)
        return "0";
    if (value < NumberText::ToDouble(record.Values[0]))
        return record.Values[0];
    if (value > NumberText::ToDouble(record.Values[1]))
        return record.Values[1];
    return text;
}

std::string SecondsToText(int seconds) {
    if (seconds < 0)
        seconds = 0;
    if (seconds > kLongestDuration)
        seconds = kLongestDuration;
    char text[16];
    std::snprintf(text, sizeof text, "%d.%.2d", seconds / 60, seconds % 60);
    return text;
}

int TextToSeconds(const std::string& text) {
    if (NumberText::ToDouble(text) < 0.01)
        return 0;
    const std::size_t point = text.find('.');
    // Read as atoi would, but wide and bounded: "22552555255" is long, not a wrap-around.
    const auto part = [](const std::string& digits) {
        const long long value = std::strtoll(digits.c_str(), nullptr, 10);
        return std::clamp(value, -1000000LL, 1000000LL);
    };
    const long long minutes = part(text.substr(0, point));
    const long long seconds = point == std::string::npos ? 0 : part(text.substr(point + 1));
    return static_cast<int>(std::clamp(seconds + 60 * minutes, 0LL,
                                       static_cast<long long>(kLongestDuration)));
}
