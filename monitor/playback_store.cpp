#include "monitor/playback_store.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "comm/hex_text.h"
#include "data/crx4data.h"
#include "data/store_text.h"
#include "log/datalog.h"
#include "log/live_numbers.h"

namespace {

constexpr int kQ5100 = 1;
// The largest period count the three bytes "28", "29", "2A" carry.
constexpr uint32_t kLargestCount = 0xFFFFFF;

void PutNumber(CRX4DATA& store, const char* reg, uint32_t value) {
    store.Add(reg, IntToHexText(value).c_str());
}

bool HasValue(const LogSample& sample, LogChannel channel) {
    return !std::isnan(sample[channel]);
}

uint32_t Counts(double value, double perCount) {
    return static_cast<uint32_t>(std::lround(std::max(0.0, value) / perCount));
}

void PutCount(CRX4DATA& store, uint32_t count) {
    PutNumber(store, "28", count & 0xFF);
    PutNumber(store, "29", (count >> 8) & 0xFF);
    PutNumber(store, "2A", count >> 16);
}

// rpm = factor * "2B" / (count * "2C"), truncated: with "2B" = "2C" = 1 the
// count floor(factor / rpm) gives rpm back for every speed up to ten
// thousand; 0 rpm needs a quotient below one (largest count, "2C" = FF).
void PutQ5100Speed(CRX4DATA& store, double rpm) {
    PutNumber(store, "2B", 1);
    if (std::isnan(rpm)) {  // no speed count yet: the quotient overflows
        PutNumber(store, "2C", 1);
        PutCount(store, 0);
        return;
    }
    if (rpm < 1) {
        PutNumber(store, "2C", 0xFF);
        PutCount(store, kLargestCount);
        return;
    }
    PutNumber(store, "2C", 1);
    PutCount(store, static_cast<uint32_t>(std::floor(LiveNumbers::kQ5100RpmFactor / rpm)));
}

}  // namespace

int ModelIndexOfName(const std::string& name) {
    for (int model = 0; model < 3; ++model)
        if (ModelName(model) == name)
            return model;
    return 0;
}

void PutSampleInStore(const LogSample& sample, int modelIndex, CRX4DATA& store) {
    if (sample.gap)
        return;
    if (modelIndex == kQ5100) {
        PutQ5100Speed(store, sample[LogChannel::Rpm]);
    } else if (HasValue(sample, LogChannel::Rpm)) {
        const uint32_t rpm = static_cast<uint32_t>(std::lround(std::max(0.0, sample[LogChannel::Rpm])));
        PutNumber(store, "28", rpm & 0xFF);
        PutNumber(store, "29", rpm >> 8);
    }
    if (HasValue(sample, LogChannel::TpsVolts))
        PutNumber(store, "23", Counts(sample[LogChannel::TpsVolts], LiveNumbers::kVoltsPerCount));
    if (HasValue(sample, LogChannel::LambdaVolts))
        PutNumber(store, "24", Counts(sample[LogChannel::LambdaVolts], LiveNumbers::kVoltsPerCount));
    if (HasValue(sample, LogChannel::Steps))
        PutNumber(store, "11", Counts(sample[LogChannel::Steps], 1.0));
    if (HasValue(sample, LogChannel::InjectionMs))
        PutNumber(store, "81", Counts(sample[LogChannel::InjectionMs], LiveNumbers::kInjectionMsPerCount));
    // The scale's colour: 0 green, 1 red; any other value leaves it as shown.
    const double scale = sample[LogChannel::ActuatorScale];
    store.Add("83", scale == 0 ? "0" : scale == 1 ? "1" : "2");
}

void PreparePlaybackStore(CRX4DATA& store, CRX4DATA& equipment, bool lambdaFiveVolts) {
    store.Add("10", "1");
    store.Add("13", lambdaFiveVolts ? "2" : "1");
    for (const char* reg : {"3D", "3E"}) {
        std::string value;
        store.Add(reg, StoreValueText(equipment, reg, &value) ? value.c_str() : "1");
    }
}
