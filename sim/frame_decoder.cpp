#include "sim/frame_decoder.h"

namespace {
constexpr uint8_t kReadQ5100 = 0x09;
constexpr uint8_t kReadQ7100 = 0x04;
constexpr uint8_t kReadPlus = 0x06;
constexpr uint8_t kConfirm = 0x05;
constexpr uint8_t kConfirmArgument = 0x18;
constexpr uint8_t kStart = 0x08;
constexpr uint8_t kStop = 0x07;
constexpr uint8_t kCalibrate = 0x61;

bool IsCommandByte(uint8_t b) {
    switch (b) {
        case kReadQ5100:
        case kReadQ7100:
        case kReadPlus:
        case kConfirm:
        case kConfirmArgument:
        case kStart:
        case kStop:
        case kCalibrate:
            return true;
        default:
            return false;
    }
}

Frame Unknown(std::vector<uint8_t> bytes) {
    Frame frame;
    frame.bytes = std::move(bytes);
    return frame;
}
}  // namespace

const char* FrameKindName(FrameKind kind) {
    switch (kind) {
        case FrameKind::ReadAll:
            return "read-all";
        case FrameKind::ReadOne:
            return "read-one";
        case FrameKind::RegisterWrite:
            return "write";
        case FrameKind::Confirm:
            return "confirm";
        case FrameKind::MonitorStart:
            return "start";
        case FrameKind::MonitorStop:
            return "stop";
        case FrameKind::Calibrate:
            return "calibrate";
        case FrameKind::Unknown:
            return "unknown";
    }
    return "unknown";
}

FrameDecoder::FrameDecoder(EcuVariant variant) : variant_(variant) {}

std::vector<Frame> FrameDecoder::Feed(const uint8_t* data, size_t count, int64_t nowMs) {
    std::vector<Frame> frames;
    if (count == 0)
        return frames;
    if (!partial_.empty() && nowMs - partialSinceMs_ > kFrameGapMs) {
        frames.push_back(Unknown(partial_));
        partial_.clear();
    }
    const bool prefixed = FrameLength(variant_) == 3;
    for (size_t i = 0; i < count; ++i) {
        // Three-byte frames always start with 00: anything else cannot begin one.
        if (prefixed && partial_.empty() && data[i] != 0x00) {
            frames.push_back(Unknown({data[i]}));
            continue;
        }
        if (partial_.empty())
            partialSinceMs_ = nowMs;
        partial_.push_back(data[i]);
        if (partial_.size() == FrameLength(variant_)) {
            frames.push_back(Classify(partial_));
            partial_.clear();
        }
    }
    return frames;
}

Frame FrameDecoder::Classify(const std::vector<uint8_t>& bytes) const {
    const bool prefixed = bytes.size() == 3;
    const uint8_t command = bytes[prefixed ? 1 : 0];
    const uint8_t argument = bytes[prefixed ? 2 : 1];
    const uint8_t readCommand = variant_ == EcuVariant::Q5100   ? kReadQ5100
                                : variant_ == EcuVariant::Q7100 ? kReadQ7100
                                                                : kReadPlus;
    Frame frame;
    frame.bytes = bytes;
    if (command == readCommand) {
        frame.kind = argument == 0x00 ? FrameKind::ReadAll : FrameKind::ReadOne;
        frame.reg = argument;
    } else if (command == kConfirm) {
        frame.kind = argument == kConfirmArgument ? FrameKind::Confirm : FrameKind::Unknown;
    } else if (command == kStart) {
        frame.kind = FrameKind::MonitorStart;
    } else if (command == kStop) {
        frame.kind = FrameKind::MonitorStop;
    } else if (command == kCalibrate) {
        frame.kind = FrameKind::Calibrate;
    } else if (!IsCommandByte(command)) {
        // No register address equals a command byte, so on Q5100 "rr vv" is
        // told apart from a command by its first byte alone.
        frame.kind = FrameKind::RegisterWrite;
        frame.reg = command;
        frame.value = argument;
    }
    return frame;
}
