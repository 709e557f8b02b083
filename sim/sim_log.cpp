#include "sim/sim_log.h"

#include <cstdio>

namespace {
std::string Hex(uint8_t b) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", b);
    return text;
}
}  // namespace

void WriteSimLog(std::ostream& out, const EcuModel& model) {
    for (const ReceivedFrame& received : model.ReceivedFrames()) {
        out << "RX " << received.atMs << ' ' << FrameKindName(received.frame.kind);
        for (uint8_t b : received.frame.bytes) out << ' ' << Hex(b);
        out << '\n';
    }
    for (const auto& [reg, value] : model.Registers())
        out << "REG " << Hex(reg) << ' ' << Hex(value) << '\n';
}
