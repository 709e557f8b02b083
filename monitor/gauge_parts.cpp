#include "monitor/gauge_parts.h"

#include <cstdlib>
#include <utility>

#include "monitor/gauge_slots.h"

namespace {
constexpr double kSegmentsPerRpm = 0.004;
}  // namespace

int DigitOf(char c) {
    return c >= '0' && c <= '9' ? c - '0' : kBlank;
}

void LargeDigit::Draw(ImageSlots& slots, int digit) {
    if (digit == shown_)
        return;
    if (digit == kBlank)
        slots.Hide(slot_);
    else
        slots.Show(slot_, GaugeImages::kLargeDigitZero + digit);
    shown_ = digit;
}

void SmallDigit::Draw(ImageSlots& slots, int digit) {
    if (digit == kBlank)
        digit = 0;
    if (digit == shown_)
        return;
    if (shown_ != kBlank)
        slots.Hide(firstSlot_ + shown_);
    slots.Show(firstSlot_ + digit, GaugeImages::kSmallDigitZero + digit);
    shown_ = digit;
}

SpeedArc::SpeedArc(int firstSlot, std::vector<int> imageIds)
    : firstSlot_(firstSlot), imageIds_(std::move(imageIds)), lit_(imageIds_.size(), false) {}

void SpeedArc::Draw(ImageSlots& slots, double rpm) {
    const double lit = rpm * kSegmentsPerRpm;
    const int count = static_cast<int>(imageIds_.size());
    auto drawSegment = [&](int i) {
        const bool on = i < lit;
        if (on == lit_[i])
            return;
        if (on)
            slots.Show(firstSlot_ + i, imageIds_[i]);
        else
            slots.Hide(firstSlot_ + i);
        lit_[i] = on;
    };
    if (rpm > lastRpm_) {
        for (int i = 0; i < count; ++i) drawSegment(i);
    } else if (rpm < lastRpm_) {
        for (int i = count - 1; i >= 0; --i) drawSegment(i);
    }
    lastRpm_ = rpm;
}

void SpeedArc::Hide(ImageSlots& slots) {
    for (int i = 0; i < static_cast<int>(imageIds_.size()); ++i) slots.Hide(firstSlot_ + i);
    lit_.assign(imageIds_.size(), false);
    lastRpm_ = 0.0;
}

std::string FourCharacterRpm(const std::string& text) {
    if (text == "0")
        return "0000";
    if (text.size() == 3)
        return " " + text;
    if (text.size() == 4)
        return text;
    return "0000";
}
