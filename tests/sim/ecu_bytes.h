#pragma once
// Reading what the simulated ECU sent, the way the configurator reads it:
// B0 rr vv C0 groups for answers, B0 rr vv cc C0 groups for the live stream;
// anything outside a group is skipped.

#include <cstdint>
#include <map>
#include <vector>

#include "sim/ecu_model.h"

struct LiveGroup {
    uint8_t reg, value, check;
};

inline std::map<uint8_t, uint8_t> AnswerGroups(const std::vector<uint8_t>& bytes) {
    std::map<uint8_t, uint8_t> groups;
    for (size_t i = 0; i + 3 < bytes.size(); ++i) {
        if (bytes[i] == 0xB0 && bytes[i + 3] == 0xC0)
            groups[bytes[i + 1]] = bytes[i + 2], i += 3;
    }
    return groups;
}

inline std::vector<LiveGroup> LiveGroups(const std::vector<uint8_t>& bytes) {
    std::vector<LiveGroup> groups;
    for (size_t i = 0; i + 4 < bytes.size(); ++i) {
        if (bytes[i] == 0xB0 && bytes[i + 4] == 0xC0)
            groups.push_back({bytes[i + 1], bytes[i + 2], bytes[i + 3]}), i += 4;
    }
    return groups;
}

inline void Send(EcuModel& ecu, std::vector<uint8_t> frame, int64_t nowMs) {
    ecu.Receive(frame.data(), frame.size(), nowMs);
}

// Everything that has arrived by nowMs.
inline std::vector<uint8_t> Arrived(EcuModel& ecu, int64_t nowMs) {
    std::vector<uint8_t> bytes(20000);
    bytes.resize(ecu.Take(bytes.data(), bytes.size(), nowMs));
    return bytes;
}
