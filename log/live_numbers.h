#pragma once
// The live registers as numbers: the one place where the monitoring gauges,
// the lambda page's gauges and the datalog turn the ECU's counts into
// volts, rpm and milliseconds.

#include <cstdint>
#include <string>

class CRX4DATA;

namespace LiveNumbers {

constexpr double kVoltsPerCount = 0.02;       // "23" throttle, "24" lambda
constexpr double kInjectionMsPerCount = 0.1;  // "81"
// Q5100 counts crankshaft periods: rpm = kQ5100RpmFactor * "2B" / (N * "2C").
constexpr double kQ5100RpmFactor = 120000000.0;

// The register's hex value; false when the store lacks it.
bool RegisterNumber(CRX4DATA& store, const char* reg, uint32_t* value);

inline double Volts(uint32_t counts) { return counts * kVoltsPerCount; }
inline double InjectionMs(uint32_t counts) { return counts * kInjectionMsPerCount; }

// The engine speed as the ECU reports it: Q7100 and "Q5100 plus" send the
// rpm in "28" (low) and "29" (high); the Q5100 sends a period count in "28",
// "29", "2A" with the factors "2B" and "2C". False when a register is
// missing. A Q5100 quotient beyond an int (no speed count yet) is no
// reading: rpm -1 and text "overflow".
bool Rpm(CRX4DATA& store, int modelIndex, int* rpm, std::string* text);

}  // namespace LiveNumbers
