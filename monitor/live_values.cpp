#include "monitor/live_values.h"

#include "data/number_text.h"
#include "log/live_numbers.h"

// Texts over the one copy of the conversions (log/live_numbers.h), in the
// formats the gauges draw.

bool LiveRegisterNumber(CRX4DATA& store, const char* reg, uint32_t* value) {
    return LiveNumbers::RegisterNumber(store, reg, value);
}

std::string LiveVoltageText(uint32_t counts) {
    return NumberText::Format("%2.2f", LiveNumbers::Volts(counts));
}

std::string LiveInjectionText(uint32_t counts) {
    return NumberText::Format("%2.1f", LiveNumbers::InjectionMs(counts));
}

bool LiveRpmText(CRX4DATA& store, int modelIndex, int* rpm, std::string* text) {
    return LiveNumbers::Rpm(store, modelIndex, rpm, text);
}
