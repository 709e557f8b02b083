#pragma once
// Transcripts: what the program did on the line, one line per event, for
// tests that compare a whole exchange with the expected sequence:
//   OPEN / OPEN FAILED / CLOSE;  TX 00 04 00 (a write, two upper-case digits a
//   byte);  WAIT 400 (ms);  RX B0|10|1|C0| (a read, as the ECU answer text);
//   RX - (a read that gave nothing or failed);  DISCARD 120 (bytes thrown away
//   unread; DISCARD -: failed). Line settings and modem lines are not recorded.

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/serial_device.h"

// Shared by a RecordingDevice and a RecordingClock; the test thread may read
// it while the worker thread appends.
class Transcript {
    using Lock = std::lock_guard<std::mutex>;
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;

  public:
    void Add(std::string line) { Lock l(mutex_); lines_.push_back(std::move(line)); }
    void Clear() { Lock l(mutex_); lines_.clear(); }
    std::vector<std::string> Lines() const { Lock l(mutex_); return lines_; }
};

// Passes every call to the device it owns and records it.
class RecordingDevice : public SerialDevice {
    SerialDevicePtr in_;
    std::shared_ptr<Transcript> t_;

  public:
    RecordingDevice(SerialDevicePtr inner, std::shared_ptr<Transcript> transcript)
        : in_(std::move(inner)), t_(std::move(transcript)) {}
    bool Open() override { const bool opened = in_->Open(); return t_->Add(opened ? "OPEN" : "OPEN FAILED"), opened; }
    void Close() override { in_->Close(), t_->Add("CLOSE"); }
    bool IsOpen() const override { return in_->IsOpen(); }
    bool GetLineSettings(LineSettings* s) const override { return in_->GetLineSettings(s); }
    bool SetLineSettings(const LineSettings& s) override { return in_->SetLineSettings(s); }
    bool SetControlLines(bool dtr, bool rts) override { return in_->SetControlLines(dtr, rts); }
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override {
        std::string line = "TX";
        char byte[4];
        for (size_t i = 0; i < count; ++i) line += (std::snprintf(byte, 4, " %02X", data[i]), byte);
        t_->Add(std::move(line));
        return in_->Write(data, count, timeoutMs);
    }
    int64_t Read(uint8_t* data, size_t maxCount) override {
        const int64_t n = in_->Read(data, maxCount);
        t_->Add(n > 0 ? "RX " + AnswerText(data, static_cast<size_t>(n)) : "RX -");
        return n;
    }
    void SetReceiveBufferSize(size_t bytes) override { in_->SetReceiveBufferSize(bytes); }
    int64_t DiscardReceived() override {
        const int64_t n = in_->DiscardReceived();
        return t_->Add(n >= 0 ? "DISCARD " + std::to_string(n) : "DISCARD -"), n;
    }
    OpenError LastOpenError() const override { return in_->LastOpenError(); }
    std::string ErrorText() const override { return in_->ErrorText(); }
};

// Passes the waits to a borrowed clock (which must outlive it) and records them.
class RecordingClock : public Clock {
    Clock& inner_;
    std::shared_ptr<Transcript> t_;

  public:
    RecordingClock(Clock& inner, std::shared_ptr<Transcript> transcript) : inner_(inner), t_(std::move(transcript)) {}
    void WaitMs(int ms) override { t_->Add("WAIT " + std::to_string(ms)), inner_.WaitMs(ms); }
    int64_t NowMs() const override { return inner_.NowMs(); }
};
