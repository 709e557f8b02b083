#include "sim/engine_simulation.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
// Share of the distance to the target speed covered in one 100 ms period:
// about 1.5 s from idle to revved.
constexpr double kSpeedResponse = 0.25;
constexpr double kPeriodSeconds = 0.1;
// Lambda swings 0.1 V .. 0.9 V around 0.5 V; faster under load.
constexpr double kLambdaMidCounts = 25.0;
constexpr double kLambdaSwingCounts = 20.0;
constexpr double kLambdaIdleHz = 1.0;
constexpr double kLambdaRevvedHz = 2.5;
// Throttle 0.50 V at idle, 2.50 V revved.
constexpr int kTpsIdleCounts = 25;
constexpr int kTpsRevvedCounts = 125;
// Injection 3.5 ms at idle, 6.0 ms revved.
constexpr int kInjectionIdle = 35;
constexpr int kInjectionRevved = 60;
// The live group "11" must keep 0x11 + steps within a byte to be accepted.
constexpr int kMaxActuatorSteps = 0xFF - 0x11;
}  // namespace

EngineSimulation::EngineSimulation(uint32_t seed) : random_(seed) {}

int EngineSimulation::Jitter(int amplitude) {
    std::uniform_int_distribution<int> spread(-amplitude, amplitude);
    return spread(random_);
}

LiveValues EngineSimulation::Step(uint8_t idleSteps, uint8_t highSteps) {
    const double target = revving_ ? kRevvedRpm : kIdleRpm;
    rpm_ += (target - rpm_) * kSpeedResponse;
    const double load = std::clamp((rpm_ - kIdleRpm) / double(kRevvedRpm - kIdleRpm), 0.0, 1.0);

    const double lambdaHz = kLambdaIdleHz + (kLambdaRevvedHz - kLambdaIdleHz) * load;
    lambdaPhase_ = std::fmod(lambdaPhase_ + 2 * kPi * lambdaHz * kPeriodSeconds, 2 * kPi);

    LiveValues v;
    v.rpm = static_cast<int>(std::lround(rpm_)) + Jitter(revving_ ? 40 : 12);
    const double steps = idleSteps + (highSteps - idleSteps) * load;
    v.actuatorSteps = static_cast<uint8_t>(
        std::clamp(static_cast<int>(std::lround(steps)) + Jitter(1), 0, kMaxActuatorSteps));
    v.tps = static_cast<uint8_t>(
        std::lround(kTpsIdleCounts + (kTpsRevvedCounts - kTpsIdleCounts) * load) + Jitter(1));
    v.lambda = static_cast<uint8_t>(
        std::lround(kLambdaMidCounts + kLambdaSwingCounts * std::sin(lambdaPhase_)));
    v.injection = static_cast<uint8_t>(
        std::lround(kInjectionIdle + (kInjectionRevved - kInjectionIdle) * load));
    v.scaleColour = load > 0.5 ? 1 : 0;
    return v;
}
