#include "comm/recording_device.h"

#include <cstdio>
#include <utility>

#include "comm/crx4comm.h"

void Transcript::Add(std::string line) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(std::move(line));
}

void Transcript::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.clear();
}

std::vector<std::string> Transcript::Lines() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lines_;
}

std::string Transcript::Text() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
}

RecordingDevice::RecordingDevice(SerialDevicePtr inner, std::shared_ptr<Transcript> transcript)
    : inner_(std::move(inner)), transcript_(std::move(transcript)) {}

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
    const int64_t received = inner_->Read(data, maxCount);
    transcript_->Add(received > 0 ? "RX " + AnswerText(data, static_cast<size_t>(received))
                                  : std::string("RX -"));
    return received;
}

int64_t RecordingDevice::DiscardReceived() {
    const int64_t discarded = inner_->DiscardReceived();
    transcript_->Add(discarded >= 0 ? "DISCARD " + std::to_string(discarded)
                                    : std::string("DISCARD -"));
    return discarded;
}

RecordingClock::RecordingClock(Clock& inner, std::shared_ptr<Transcript> transcript)
    : inner_(inner), transcript_(std::move(transcript)) {}

void RecordingClock::WaitMs(int ms) {
    transcript_->Add("WAIT " + std::to_string(ms));
    inner_.WaitMs(ms);
}
