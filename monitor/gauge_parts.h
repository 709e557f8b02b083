#pragma once
// The pieces the gauges are built from: digit positions that remember the
// digit they show, and the engine-speed arc that remembers the value it was
// drawn for. Each touches only the slots whose state changes.

#include <string>
#include <vector>

#include "monitor/image_slots.h"

// A digit character as a digit value; a blank (or any non-digit) is kBlank.
constexpr int kBlank = -1;
int DigitOf(char c);

// One slot whose image is replaced: the large seven-segment digits. A blank
// shows no image.
class LargeDigit {
  public:
    // shownAtStart: the digit the slot shows already, or kNothing.
    static constexpr int kNothing = -2;
    LargeDigit(int slot, int shownAtStart) : slot_(slot), shown_(shownAtStart) {}
    void Draw(ImageSlots& slots, int digit);
    // Nothing counts as shown any more (the slot was hidden from outside).
    void Forget() { shown_ = kNothing; }

  private:
    int slot_;
    int shown_;
};

// Ten slots, one per digit value, of which at most one is shown: the small
// seven-segment digits. A blank shows the 0.
class SmallDigit {
  public:
    explicit SmallDigit(int firstSlot) : firstSlot_(firstSlot) {}
    void Draw(ImageSlots& slots, int digit);

  private:
    int firstSlot_;
    int shown_ = kBlank;  // nothing drawn yet
};

// The 28 segments of an engine-speed arc, one per 250 rpm. The segments are
// walked in the direction of the change so that they light or go out in
// order; an unchanged value leaves the arc alone, and a walked segment that
// already shows the right state is not touched.
class SpeedArc {
  public:
    SpeedArc(int firstSlot, std::vector<int> imageIds);
    void Draw(ImageSlots& slots, double rpm);
    // Takes the value as drawn without touching the slots.
    void Remember(double rpm) { lastRpm_ = rpm; }
    void Hide(ImageSlots& slots);

  private:
    int firstSlot_;
    std::vector<int> imageIds_;
    std::vector<bool> lit_;  // all dark at first
    double lastRpm_ = 0.0;
};

// The four characters of a speed reading: "0" gives "0000", three characters
// get a leading blank, four stay, anything else gives "0000".
std::string FourCharacterRpm(const std::string& text);
