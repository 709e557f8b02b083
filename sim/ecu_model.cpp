#include "sim/ecu_model.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr uint8_t kGroupStart = 0xB0;
constexpr uint8_t kGroupEnd = 0xC0;
constexpr uint8_t kCalibrationResult = 0x72;
constexpr uint8_t kCalibrationDone = 1;
constexpr uint8_t kCalibrationFailed = 2;
constexpr size_t kHugeAnswerBytes = 10000;
// No B0 among them, so a reader that skips what is outside a group loses nothing.
const std::vector<uint8_t> kGarbage = {0x07, 0x20, 0x55, 0xC0, 0xFF};

constexpr uint8_t kActuator = 0x11;
constexpr uint8_t kTps = 0x23;
constexpr uint8_t kLambda = 0x24;
constexpr uint8_t kCountLow = 0x28;
constexpr uint8_t kCountMid = 0x29;
constexpr uint8_t kCountHigh = 0x2A;
constexpr uint8_t kInjection = 0x81;
constexpr uint8_t kScaleColour = 0x83;
constexpr uint8_t kCoils = 0x2B;
constexpr uint8_t kCylinders = 0x2C;
constexpr uint8_t kIdleSteps = 0x3D;
constexpr uint8_t kHighSteps = 0x3E;

uint8_t ValueOr(const RegisterImage& image, uint8_t reg, uint8_t fallback) {
    auto it = image.find(reg);
    return it == image.end() ? fallback : it->second;
}
}  // namespace

const std::vector<uint8_t>& EcuModel::LiveRegisters() {
    static const std::vector<uint8_t> registers = {kActuator, kTps,       kLambda,    kCountLow,
                                                   kCountMid, kCountHigh, kInjection, kScaleColour};
    return registers;
}

EcuModel::EcuModel(EcuVariant variant, EcuOptions options)
    : variant_(variant),
      options_(options),
      decoder_(variant),
      line_(LineBaudRate(variant)),
      engine_(options.seed),
      registers_(FactoryRegisterImage(variant)),
      framesUntilDrop_(options.faults.linkDropAfterFrames) {
    engine_.SetRevving(options.revving);
}

void EcuModel::Receive(const uint8_t* data, size_t count, int64_t nowMs) {
    if (!linkUp_)
        return;
    CatchUp(nowMs);
    // Without power the bytes reach nothing: not decoded, not recorded.
    if (PoweredOff(nowMs))
        return;
    for (const Frame& frame : decoder_.Feed(data, count, nowMs)) {
        received_.push_back({nowMs, frame});
        Handle(frame, nowMs);
        if (framesUntilDrop_ > 0 && --framesUntilDrop_ == 0) {
            // The cable is pulled right after this frame: its answer is lost too.
            linkUp_ = false;
            line_.Clear();
            return;
        }
    }
}

size_t EcuModel::Take(uint8_t* out, size_t maxCount, int64_t nowMs) {
    if (!linkUp_)
        return 0;
    CatchUp(nowMs);
    return line_.Take(out, maxCount, nowMs);
}

size_t EcuModel::DropReceived(int64_t nowMs, size_t keep) {
    if (!linkUp_)
        return 0;
    CatchUp(nowMs);
    return line_.DropReady(nowMs, keep);
}

std::optional<int64_t> EcuModel::NextEventMs(int64_t nowMs) {
    CatchUp(nowMs);
    std::optional<int64_t> next = line_.NextReadyMs();
    if (streaming_ && linkUp_ && (!next || nextBurstMs_ < *next))
        next = nextBurstMs_;
    return next;
}

void EcuModel::DiscardOutput() {
    line_.Clear();
}

void EcuModel::DiscardOutputAt(int64_t nowMs) {
    CatchUp(nowMs);
    line_.Clear();
}

void EcuModel::StartFaultClock(int64_t nowMs) {
    if (!faultOriginMs_)
        faultOriginMs_ = nowMs;
}

std::optional<int64_t> EcuModel::VanishStartMs() const {
    if (!faultOriginMs_ || options_.faults.vanishAfterMs < 0)
        return std::nullopt;
    return *faultOriginMs_ + options_.faults.vanishAfterMs;
}

std::optional<int64_t> EcuModel::VanishEndMs() const {
    const std::optional<int64_t> start = VanishStartMs();
    if (!start)
        return std::nullopt;
    return *start + std::max(options_.faults.vanishForMs, 0);
}

bool EcuModel::Vanished(int64_t nowMs) const {
    const std::optional<int64_t> start = VanishStartMs();
    return start && *start <= nowMs && nowMs < *VanishEndMs();
}

bool EcuModel::PoweredOff(int64_t nowMs) const {
    if (!faultOriginMs_ || options_.faults.powerCycleAfterMs < 0)
        return false;
    const int64_t offMs = *faultOriginMs_ + options_.faults.powerCycleAfterMs;
    return offMs <= nowMs && nowMs < offMs + std::max(options_.faults.powerOffMs, 0);
}

void EcuModel::Reconnect() {
    linkUp_ = true;
    framesUntilDrop_ = -1;
    line_.Clear();
}

void EcuModel::Handle(const Frame& frame, int64_t nowMs) {
    switch (frame.kind) {
        case FrameKind::ReadAll:
            Answer(ReadAnswer(std::nullopt), nowMs);
            break;
        case FrameKind::ReadOne:
            Answer(ReadAnswer(frame.reg), nowMs);
            break;
        case FrameKind::RegisterWrite:
            // Held until confirmed; a register the ECU lacks is not stored.
            if (registers_.count(frame.reg) != 0)
                pending_[frame.reg] = frame.value;
            Answer({kAcknowledge}, nowMs);
            break;
        case FrameKind::Confirm:
            // The configurator sends three confirms: the first commits, the
            // others find nothing pending.
            for (const auto& [reg, value] : pending_) registers_[reg] = value;
            pending_.clear();
            break;
        case FrameKind::MonitorStart:
            if (!streaming_) {
                streaming_ = true;
                nextBurstMs_ = nowMs + options_.processingDelayMs;
            }
            if (calibrationArmed_) {
                calibrationArmed_ = false;
                calibrationDueMs_ = nowMs + options_.calibrationMs;
            }
            break;
        case FrameKind::MonitorStop:
            // A calibration that is stopped before it ends is abandoned.
            streaming_ = false;
            calibrationDueMs_.reset();
            break;
        case FrameKind::Calibrate:
            // Q5100 calibrates without reporting back.
            calibrationArmed_ = variant_ != EcuVariant::Q5100;
            Answer({kAcknowledge}, nowMs);
            break;
        case FrameKind::Unknown:
            break;
    }
}

void EcuModel::CatchUp(int64_t nowMs) {
    if (!poweredDown_ && faultOriginMs_ && options_.faults.powerCycleAfterMs >= 0) {
        const int64_t offMs = *faultOriginMs_ + options_.faults.powerCycleAfterMs;
        if (offMs <= nowMs) {
            // What the ECU did up to the moment the power went still happened.
            SendBurstsUntil(offMs - 1);
            PowerDown(offMs);
        }
    }
    SendBurstsUntil(nowMs);
}

void EcuModel::PowerDown(int64_t atMs) {
    poweredDown_ = true;
    // What is still on the wire stops where it was; the working memory (the
    // stream, writes not yet confirmed, a calibration under way, a frame
    // half received) is lost. The registers are kept.
    line_.CutAfter(atMs);
    streaming_ = false;
    pending_.clear();
    calibrationArmed_ = false;
    calibrationDueMs_.reset();
    decoder_ = FrameDecoder(variant_);
}

void EcuModel::SendBurstsUntil(int64_t lastMs) {
    while (streaming_ && nextBurstMs_ <= lastMs) {
        SendBurst(nextBurstMs_);
        // At line rate the next burst is queued for when this one has gone
        // out; the line itself starts it on the exact microsecond.
        nextBurstMs_ = options_.faults.streamAtLineRate
                           ? std::max(nextBurstMs_ + 1, line_.LineFreeMs())
                           : nextBurstMs_ + kStreamPeriodMs;
    }
}

void EcuModel::SendBurst(int64_t atMs) {
    const LiveValues live =
        engine_.Step(ValueOr(registers_, kIdleSteps, 1), ValueOr(registers_, kHighSteps, 1));
    std::vector<uint8_t> bytes;
    for (const auto& [reg, value] : LiveGroupValues(live)) {
        AppendLiveGroup(&bytes, reg, value);
        AppendGarbageIfAsked(&bytes);
    }
    // Once due, the result rides on every burst until the stream is stopped:
    // a reader that caught one of them split between two reads gets the next.
    if (calibrationDueMs_ && *calibrationDueMs_ <= atMs) {
        const CalibrationOutcome outcome = options_.faults.calibration;
        if (outcome != CalibrationOutcome::NoAnswer) {
            const uint8_t result =
                outcome == CalibrationOutcome::Success ? kCalibrationDone : kCalibrationFailed;
            AppendLiveGroup(&bytes, kCalibrationResult, result);
        }
    }
    if (!options_.faults.noAnswer)
        line_.Send(bytes, atMs);
}

std::vector<std::pair<uint8_t, uint8_t>> EcuModel::LiveGroupValues(const LiveValues& live) const {
    // Q5100 counts the ignition period, the others the speed itself.
    uint32_t count = static_cast<uint32_t>(std::max(live.rpm, 0));
    if (variant_ == EcuVariant::Q5100) {
        const double coils = ValueOr(registers_, kCoils, 0);
        const double cylinders = ValueOr(registers_, kCylinders, 0);
        const double divisor = live.rpm * cylinders;
        count = divisor > 0 ? static_cast<uint32_t>(std::lround(120000000.0 * coils / divisor)) : 0;
    }
    return {
        {kActuator, live.actuatorSteps},
        {kTps, live.tps},
        {kLambda, live.lambda},
        {kCountLow, static_cast<uint8_t>(count & 0xFF)},
        {kCountMid, static_cast<uint8_t>((count >> 8) & 0xFF)},
        {kCountHigh, static_cast<uint8_t>((count >> 16) & 0xFF)},
        {kInjection, live.injection},
        {kScaleColour, live.scaleColour},
    };
}

void EcuModel::AppendLiveGroup(std::vector<uint8_t>* bytes, uint8_t reg, uint8_t value) const {
    // The configurator drops a pair whose sum leaves the byte, so the value
    // is held where the sum still fits: a speed count loses at most a few
    // units instead of the whole reading.
    value = std::min<uint8_t>(value, static_cast<uint8_t>(0xFF - reg));
    uint8_t check = static_cast<uint8_t>(reg + value);
    if (options_.faults.badCheckRegister == reg)
        ++check;
    bytes->insert(bytes->end(), {kGroupStart, reg, value, check, kGroupEnd});
}

void EcuModel::AppendGarbageIfAsked(std::vector<uint8_t>* bytes) const {
    if (options_.faults.garbageBetweenGroups)
        bytes->insert(bytes->end(), kGarbage.begin(), kGarbage.end());
}

std::vector<uint8_t> EcuModel::ReadAnswer(std::optional<uint8_t> onlyRegister) const {
    const FaultOptions& faults = options_.faults;
    std::vector<uint8_t> groups;
    for (const auto& [reg, value] : registers_) {
        if (onlyRegister && *onlyRegister != reg)
            continue;
        if (faults.missingRegister == reg)
            continue;
        groups.insert(groups.end(), {kGroupStart, reg, value, kGroupEnd});
        AppendGarbageIfAsked(&groups);
    }
    if (groups.empty())
        return {};
    std::vector<uint8_t> answer;
    if (faults.leadingZero)
        answer.push_back(0x00);
    do {
        answer.insert(answer.end(), groups.begin(), groups.end());
    } while (faults.hugeAnswer && !onlyRegister && answer.size() < kHugeAnswerBytes);
    return answer;
}

void EcuModel::Answer(const std::vector<uint8_t>& bytes, int64_t nowMs) {
    const FaultOptions& faults = options_.faults;
    if (bytes.empty() || faults.noAnswer)
        return;
    const int64_t startMs = nowMs + options_.processingDelayMs + faults.extraDelayMs;
    if (faults.hugeAnswer && bytes.size() >= kHugeAnswerBytes)
        line_.SendAtOnce(bytes, startMs);
    else
        line_.Send(bytes, startMs);
}
