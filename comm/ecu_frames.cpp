#include "comm/ecu_frames.h"

#include <cstring>

#include "comm/hex_text.h"

namespace {

struct FrameForm {
    bool leadingZero;
    uint8_t readCommand;
};

// Indexed by model: Q7100, Q5100, "Q5100 plus".
constexpr FrameForm kForms[] = {{true, 0x04}, {false, 0x09}, {true, 0x06}};

const FrameForm& FormOf(int modelIndex) {
    return kForms[modelIndex == 1 || modelIndex == 2 ? modelIndex : 0];
}

EcuFrame MakeFrame(int modelIndex, uint8_t first, uint8_t second) {
    EcuFrame frame{};
    if (FormOf(modelIndex).leadingZero)
        frame.Bytes[frame.Size++] = 0x00;
    frame.Bytes[frame.Size++] = first;
    frame.Bytes[frame.Size++] = second;
    return frame;
}

}  // namespace

EcuFrame ReadAllCommand(int modelIndex) {
    return ReadOneCommand(modelIndex, 0x00);
}

EcuFrame ReadOneCommand(int modelIndex, uint8_t registerAddress) {
    return MakeFrame(modelIndex, FormOf(modelIndex).readCommand, registerAddress);
}

EcuFrame ReadCommandForKey(int modelIndex, const char* key) {
    if (std::strcmp(key, "FULL") == 0)
        return ReadAllCommand(modelIndex);
    return ReadOneCommand(modelIndex, static_cast<uint8_t>(HexTextToInt(key)));
}

EcuFrame RegisterWriteFrame(int modelIndex, uint8_t registerAddress, uint8_t value) {
    return MakeFrame(modelIndex, registerAddress, value);
}

EcuFrame ConfirmFrame(int modelIndex) {
    return MakeFrame(modelIndex, 0x05, 0x18);
}

EcuFrame MonitorStartCommand(int modelIndex) {
    return MakeFrame(modelIndex, 0x08, 0x00);
}

EcuFrame MonitorStopCommand(int modelIndex) {
    return MakeFrame(modelIndex, 0x07, 0x00);
}

EcuFrame CalibrateCommand(int modelIndex) {
    return MakeFrame(modelIndex, 0x61, 0x00);
}
