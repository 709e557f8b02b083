#pragma once
// A fake device for tests: its answers are a script of byte chunks, one
// handed out per Read. The script is shared, so the test keeps writing it
// while CRX4COMM makes a new device at each open.

#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "comm/serial_device.h"

class DeviceScript {
    using Lock = std::lock_guard<std::mutex>;

  public:
    // The next Read takes this chunk (as much as fits; the rest stays for the
    // Read after). An empty chunk, or an empty script, is a Read that got nothing.
    void QueueAnswer(std::vector<uint8_t> chunk) { Lock l(mutex_); answers_.push_back(chunk); }
    void FailOpen(OpenError error) { Lock l(mutex_); openError_ = error; }  // None: opens succeed
    void FailWrites(bool fail) { Lock l(mutex_); failWrites_ = fail; }      // writes give -1
    std::vector<std::vector<uint8_t>> Written() const { Lock l(mutex_); return written_; }
    std::vector<int> WriteLimits() const { Lock l(mutex_); return limits_; }  // of each write, ms
    LineSettings Settings() const { Lock l(mutex_); return settings_; }
    bool Dtr() const { Lock l(mutex_); return dtr_; }
    bool Rts() const { Lock l(mutex_); return rts_; }

  private:
    friend class ScriptedDevice;
    mutable std::mutex mutex_;
    std::deque<std::vector<uint8_t>> answers_;
    std::vector<std::vector<uint8_t>> written_;
    std::vector<int> limits_;
    OpenError openError_ = OpenError::None;
    bool failWrites_ = false, dtr_ = false, rts_ = false;
    LineSettings settings_;
};

// A queued chunk stands for what arrives before the Read that takes it:
// nothing is ever waiting to be bounded or thrown away.
class ScriptedDevice : public SerialDevice {
    using Lock = std::lock_guard<std::mutex>;

  public:
    explicit ScriptedDevice(std::shared_ptr<DeviceScript> script) : s_(std::move(script)) {}
    bool Open() override {
        Lock l(s_->mutex_);
        if ((open_ = s_->openError_ == OpenError::None))
            s_->settings_ = LineSettings();  // like the real port: 9600 baud, 8N1
        return open_;
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool GetLineSettings(LineSettings* settings) const override { return open_ && (*settings = s_->Settings(), true); }
    bool SetLineSettings(const LineSettings& settings) override { Lock l(s_->mutex_); return open_ && (s_->settings_ = settings, true); }
    bool SetControlLines(bool dtr, bool rts) override { Lock l(s_->mutex_); return open_ && (s_->dtr_ = dtr, s_->rts_ = rts, true); }
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override {
        Lock l(s_->mutex_);
        if (!open_ || s_->failWrites_)
            return -1;
        s_->written_.emplace_back(data, data + count), s_->limits_.push_back(timeoutMs);
        return static_cast<int64_t>(count);
    }
    int64_t Read(uint8_t* data, size_t maxCount) override {
        Lock l(s_->mutex_);
        if (!open_ || s_->answers_.empty())
            return open_ ? 0 : -1;
        std::vector<uint8_t>& chunk = s_->answers_.front();
        const size_t count = std::min(maxCount, chunk.size());
        std::copy_n(chunk.begin(), count, data);
        chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
        if (chunk.empty())
            s_->answers_.pop_front();
        return static_cast<int64_t>(count);
    }
    void SetReceiveBufferSize(size_t) override {}
    int64_t DiscardReceived() override { return open_ ? 0 : -1; }
    OpenError LastOpenError() const override { Lock l(s_->mutex_); return open_ ? OpenError::None : s_->openError_; }
    std::string ErrorText() const override { return open_ ? "" : "scripted open failure"; }

  private:
    std::shared_ptr<DeviceScript> s_;
    bool open_ = false;
};
