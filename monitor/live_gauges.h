#pragma once
// The gauges of the monitoring panel as display logic over image slots:
// engine-speed digits and arc, throttle-position and lambda voltages with
// their bars, the actuator's step digits, marker, picture and step scale.
// Each gauge remembers what it shows and touches only what changes.

#include <string>
#include <vector>

#include "monitor/gauge_parts.h"
#include "monitor/image_slots.h"

class CRX4DATA;

// Drawn updates of the actuator and of the lambda bar since the program
// started; each counts to kSettledUpdates and stays there. Until then an
// unchanged reading is drawn again.
struct GaugeUpdateCounts {
    static constexpr int kSettledUpdates = 5;
    int actuator = 0;
    int lambdaBar = 0;
};
// The program's counts, shared by every showing of the monitoring panel.
GaugeUpdateCounts& ProgramGaugeUpdateCounts();

class LiveGauges {
  public:
    LiveGauges(ImageSlots& slots, GaugeUpdateCounts& counts, int modelIndex);

    // What the panel shows before the first reading: the speed digits at 0,
    // both decimal separators, the actuator picture of 240 steps.
    void DrawStartImages();
    // 1 (0 to 1 V) or 5 (0 to 5 V): the lambda bar's full scale.
    void SetLambdaFullScale(int volts) { lambdaFullScale_ = volts; }
    // 0 Q7100, 1 Q5100, 2 "Q5100 plus": how the speed registers read.
    int Model() const { return modelIndex_; }

    // Redraws every gauge from the live store: 0, or 1 when a register it
    // shows is missing (the gauges drawn before that stay).
    int UpdateLiveDisplay(CRX4DATA& store);

    // A speed text of up to four characters.
    void ShowRpm(const std::string& text);
    // "d.dd" texts; the throttle bar follows the sensor direction of "10".
    void ShowTpsVoltage(const std::string& text, CRX4DATA& store);
    void ShowLambdaVoltage(const std::string& text);
    // 0, or 1 (nothing drawn) while the store lacks "3D" or "3E".
    int ShowActuatorPosition(int position, CRX4DATA& store);
    // Green or red step scale by "83"; both hidden while the stream is silent.
    void ShowActuatorScale(CRX4DATA& store, bool noAnswer);

  private:
    void DrawVoltageDigits(const std::string& text, std::vector<SmallDigit>& digits);
    void MoveBar(int slot, double top);

    ImageSlots& slots_;
    GaugeUpdateCounts& counts_;
    int modelIndex_;
    int lambdaFullScale_ = 1;

    std::vector<LargeDigit> rpmDigits_;
    SpeedArc arc_;
    std::vector<SmallDigit> tpsDigits_;
    std::vector<SmallDigit> lambdaDigits_;
    std::vector<SmallDigit> stepDigits_;
    std::string lastRpmText_ = "0";
    double lastTps_ = 0.0;
    double lastLambda_ = 0.0;
    int shownPicture_;
    int lastPosition_ = -1;
    static constexpr int kNoScale = 0;
    int shownScale_ = kNoScale;  // slot of the step scale shown
};
