#include "log/datalog.h"

#include <limits>

#include "data/crx4data.h"
#include "data/store_text.h"
#include "comm/comm_trace.h"
#include "i18n/ui_text.h"
#include "log/live_numbers.h"

namespace {

// The captions are shown (looked up where they are shown), never written in the file.
constexpr LogChannelInfo kChannels[kLogChannelCount] = {
    {"rpm", "rpm", TR_NOOP("Rotação"), 0},
    {"tps_V", "V", "TPS", 2},
    {"lambda_V", "V", TR_NOOP("Sonda lambda"), 2},
    {"passos", "passos", TR_NOOP("Atuador"), 0},
    {"atuador", "", TR_NOOP("Escala"), 0},
    {"injecao_ms", "ms", TR_NOOP("Injeção"), 1},
};

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

}  // namespace

const LogChannelInfo& ChannelInfo(LogChannel channel) {
    return kChannels[static_cast<int>(channel)];
}

std::string ModelName(int modelIndex) { return TraceModelName(modelIndex); }

std::optional<LogSample> SampleFromLiveStore(CRX4DATA& store, int modelIndex, int64_t tMs) {
    using LiveNumbers::RegisterNumber;
    uint32_t steps = 0, tps = 0, lambda = 0;
    int rpm = 0;
    std::string rpmText;
    if (!RegisterNumber(store, "11", &steps) || !LiveNumbers::Rpm(store, modelIndex, &rpm, &rpmText) ||
        !RegisterNumber(store, "23", &tps) || !RegisterNumber(store, "24", &lambda))
        return std::nullopt;
    LogSample sample;
    sample.tMs = tMs;
    sample[LogChannel::Rpm] = rpm < 0 ? kNoValue : rpm;
    sample[LogChannel::TpsVolts] = LiveNumbers::Volts(tps);
    sample[LogChannel::LambdaVolts] = LiveNumbers::Volts(lambda);
    sample[LogChannel::Steps] = steps;
    // As the step scale: no "83" shows green, another value changes nothing.
    std::string colour;
    if (!StoreValueText(store, "83", &colour))
        colour = "0";
    sample[LogChannel::ActuatorScale] = colour == "0" ? 0.0 : colour == "1" ? 1.0 : kNoValue;
    uint32_t injection = 0;
    sample[LogChannel::InjectionMs] =
        RegisterNumber(store, "81", &injection) ? LiveNumbers::InjectionMs(injection) : kNoValue;
    return sample;
}
