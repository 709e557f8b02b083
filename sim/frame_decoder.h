#pragma once
// Cuts the bytes the configurator writes into frames. Bytes may arrive split
// over several writes; a frame left incomplete for longer than a pause is
// dropped, as the ECU's receiver starts over after a silent line.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/ecu_variant.h"

enum class FrameKind {
    ReadAll,
    ReadOne,
    RegisterWrite,
    Confirm,
    MonitorStart,
    MonitorStop,
    Calibrate,
    Unknown,
};

struct Frame {
    FrameKind kind = FrameKind::Unknown;
    uint8_t reg = 0;    // ReadOne, RegisterWrite
    uint8_t value = 0;  // RegisterWrite
    std::vector<uint8_t> bytes;
};

const char* FrameKindName(FrameKind kind);

class FrameDecoder {
  public:
    // An incomplete frame older than this is thrown away when the next byte comes.
    static constexpr int64_t kFrameGapMs = 50;

    explicit FrameDecoder(EcuVariant variant);

    std::vector<Frame> Feed(const uint8_t* data, size_t count, int64_t nowMs);

  private:
    Frame Classify(const std::vector<uint8_t>& bytes) const;

    EcuVariant variant_;
    std::vector<uint8_t> partial_;
    int64_t partialSinceMs_ = 0;
};
