#pragma once
// Image slots for the gauge tests: the state of every slot and the calls in
// the order the gauges made them.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/crx4data.h"
#include "monitor/gauge_slots.h"
#include "monitor/image_slots.h"

class SlotRecorder : public ImageSlots {
  public:
    struct State {
        bool shown = false;
        int image = 0;
        SlotPoint at{-1, -1};
    };

    void Show(int slot, int imageId) override {
        calls.push_back("SHOW " + std::to_string(slot) + " " + std::to_string(imageId));
        state[slot].shown = true;
        state[slot].image = imageId;
    }
    void Hide(int slot) override {
        calls.push_back("HIDE " + std::to_string(slot));
        state[slot].shown = false;
    }
    void Move(int slot, SlotPoint topLeft) override {
        calls.push_back("MOVE " + std::to_string(slot) + " " + std::to_string(topLeft.x) + "," +
                        std::to_string(topLeft.y));
        state[slot].at = topLeft;
    }

    bool Shown(int slot) const {
        auto found = state.find(slot);
        return found != state.end() && found->second.shown;
    }
    int Image(int slot) const { return Shown(slot) ? state.at(slot).image : 0; }
    int Top(int slot) const { return state.count(slot) ? state.at(slot).at.y : -1; }

    // Large digits as text: the digit of each shown slot, a blank for a hidden one.
    std::string LargeDigits(const std::vector<int>& slots) const {
        std::string text;
        for (int slot : slots)
            text += Shown(slot) ? char('0' + Image(slot) - GaugeImages::kLargeDigitZero) : ' ';
        return text;
    }
    // Small digits as text: per position the digit whose slot is shown ('?'
    // for none, '*' for more than one).
    std::string SmallDigits(const int (&firstSlots)[3]) const {
        std::string text;
        for (int first : firstSlots) {
            char c = '?';
            for (int d = 0; d < 10; ++d) {
                if (Shown(first + d))
                    c = c == '?' ? char('0' + d) : '*';
            }
            text += c;
        }
        return text;
    }
    int LitSegments(int firstSlot) const {
        int lit = 0;
        for (int i = 0; i < 28; ++i) lit += Shown(firstSlot + i) ? 1 : 0;
        return lit;
    }

    std::map<int, State> state;
    std::vector<std::string> calls;
};

inline void Fill(CRX4DATA& store, const std::vector<std::pair<const char*, const char*>>& values) {
    for (const auto& [reg, value] : values) store.Add(reg, value);
}
