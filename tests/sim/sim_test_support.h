#pragma once
// What the simulator tests share: a command line split at blanks, as the
// shell hands it to the simulator; frames written to and bytes read from a
// device at its variant's line speed, in virtual time.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "sim/sim_device.h"

inline std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

inline LineSettings EcuLine(EcuVariant variant) {
    LineSettings settings;
    settings.baudRate = LineBaudRate(variant);
    return settings;
}

inline int64_t Write(SimulatedEcuDevice& device, std::vector<uint8_t> frame) {
    return device.Write(frame.data(), frame.size(), 5000);
}

// Writes each frame whole; false at the first that does not go.
inline bool WriteAll(SimulatedEcuDevice& device, const std::vector<std::vector<uint8_t>>& frames) {
    for (const std::vector<uint8_t>& frame : frames)
        if (Write(device, frame) != static_cast<int64_t>(frame.size()))
            return false;
    return true;
}

// What Read gives at atMs: the bytes, or nothing when it fails.
inline std::optional<std::vector<uint8_t>> ReadAt(VirtualClock& clock, SimulatedEcuDevice& device,
                                                  int64_t atMs) {
    clock.Advance(atMs - clock.NowMs());
    std::vector<uint8_t> bytes(200000);
    const int64_t n = device.Read(bytes.data(), bytes.size());
    if (n < 0)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(n));
    return bytes;
}
