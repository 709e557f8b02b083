#pragma once
// The live readings as the monitoring panel and the lambda page show them,
// computed from the live store: the gauges draw these texts, and the
// command-line tool prints them.

#include <cstdint>
#include <string>

class CRX4DATA;

// The register's value read as hexadecimal; false when the store lacks it.
bool LiveRegisterNumber(CRX4DATA& store, const char* reg, uint32_t* value);

// "d.dd" volts of a throttle or lambda count (0.02 V a count).
std::string LiveVoltageText(uint32_t counts);

// The engine speed: "28" + 256 * "29" on Q7100 and "Q5100 plus"; on Q5100 the
// ignition period over "28", "29", "2A" turned into rpm with "2B" and "2C".
// rpm -1 and "overflow" when the Q5100 quotient exceeds an int (no speed
// count yet). False when a register is missing.
bool LiveRpmText(CRX4DATA& store, int modelIndex, int* rpm, std::string* text);

// Injection time "81" at 0.1 ms a count, "%2.1f".
std::string LiveInjectionText(uint32_t counts);
