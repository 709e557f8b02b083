#pragma once
// A petrol engine running on gas, sampled every 100 ms for the live stream:
// speed settles towards idle or towards the revved speed with some jitter,
// the throttle and the actuator follow the load, the lambda probe swings
// between lean and rich as a closed loop does.

#include <cstdint>
#include <random>

struct LiveValues {
    int rpm = 0;
    uint8_t actuatorSteps = 0;  // "11"
    uint8_t tps = 0;            // "23", 0.02 V per count
    uint8_t lambda = 0;         // "24", 0.02 V per count
    uint8_t injection = 0;      // "81", 0.1 ms per count
    uint8_t scaleColour = 0;    // "83": 1 while the actuator works at high speed
};

class EngineSimulation {
  public:
    static constexpr int kIdleRpm = 850;
    static constexpr int kRevvedRpm = 4000;

    explicit EngineSimulation(uint32_t seed);

    void SetRevving(bool revving) { revving_ = revving; }

    // One stream period later; idleSteps and highSteps are the actuator
    // settings the ECU holds.
    LiveValues Step(uint8_t idleSteps, uint8_t highSteps);

  private:
    int Jitter(int amplitude);

    std::minstd_rand random_;
    bool revving_ = false;
    double rpm_ = kIdleRpm;
    double lambdaPhase_ = 0.0;
};
