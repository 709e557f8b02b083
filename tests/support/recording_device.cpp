#include "tests/support/recording_device.h"

#include <cstdio>

#include "comm/crx4comm.h"

bool RecordingDevice::Open() {
    const bool opened = inner_->Open();
    transcript_->Add(opened ? "OPEN" : "OPEN FAILED");
    return opened;
}

void RecordingDevice::Close() {
    inner_->Close();
    transcript_->Add("CLOSE");
}

int64_t RecordingDevice::Write(const uint8_t* data, size_t count, int timeoutMs) {
    std::string line = "TX";
    char byte[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(byte, sizeof byte, " %02X", data[i]);
        line += byte;
    }
    transcript_->Add(std::move(line));
    return inner_->Write(data, count, timeoutMs);
}

int64_t RecordingDevice::Read(uint8_t* data, size_t maxCount) {
    const int64_t n = inner_->Read(data, maxCount);
    transcript_->Add(n > 0 ? "RX " + AnswerText(data, static_cast<size_t>(n)) : "RX -");
    return n;
}

int64_t RecordingDevice::DiscardReceived() {
    const int64_t n = inner_->DiscardReceived();
    transcript_->Add(n >= 0 ? "DISCARD " + std::to_string(n) : "DISCARD -");
    return n;
}

void RecordingClock::WaitMs(int ms) {
    transcript_->Add("WAIT " + std::to_string(ms));
    inner_.WaitMs(ms);
}
