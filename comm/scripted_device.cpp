#include "comm/scripted_device.h"

#include <algorithm>
#include <utility>

void DeviceScript::QueueAnswer(std::vector<uint8_t> chunk) {
    std::lock_guard<std::mutex> lock(mutex_);
    answers_.push_back(std::move(chunk));
}

void DeviceScript::FailOpen(OpenError error) {
    std::lock_guard<std::mutex> lock(mutex_);
    openError_ = error;
}

void DeviceScript::FailWrites(bool fail) {
    std::lock_guard<std::mutex> lock(mutex_);
    failWrites_ = fail;
}

std::vector<std::vector<uint8_t>> DeviceScript::Written() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return written_;
}

LineSettings DeviceScript::Settings() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_;
}

bool DeviceScript::Dtr() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dtr_;
}

bool DeviceScript::Rts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return rts_;
}

ScriptedDevice::ScriptedDevice(std::shared_ptr<DeviceScript> script) : script_(std::move(script)) {}

bool ScriptedDevice::Open() {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    open_ = script_->openError_ == OpenError::None;
    // Like the real port, an open starts the line at 9600 baud, 8N1.
    if (open_)
        script_->settings_ = LineSettings();
    return open_;
}

bool ScriptedDevice::GetLineSettings(LineSettings* settings) const {
    if (!open_)
        return false;
    *settings = script_->Settings();
    return true;
}

bool ScriptedDevice::SetLineSettings(const LineSettings& settings) {
    if (!open_)
        return false;
    std::lock_guard<std::mutex> lock(script_->mutex_);
    script_->settings_ = settings;
    return true;
}

bool ScriptedDevice::SetControlLines(bool dtr, bool rts) {
    if (!open_)
        return false;
    std::lock_guard<std::mutex> lock(script_->mutex_);
    script_->dtr_ = dtr;
    script_->rts_ = rts;
    return true;
}

int64_t ScriptedDevice::Write(const uint8_t* data, size_t count, int /*timeoutMs*/) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    if (!open_ || script_->failWrites_)
        return -1;
    script_->written_.emplace_back(data, data + count);
    return static_cast<int64_t>(count);
}

int64_t ScriptedDevice::Read(uint8_t* data, size_t maxCount) {
    if (!open_)
        return -1;
    std::lock_guard<std::mutex> lock(script_->mutex_);
    if (script_->answers_.empty())
        return 0;
    std::vector<uint8_t>& chunk = script_->answers_.front();
    const size_t count = std::min(maxCount, chunk.size());
    std::copy_n(chunk.begin(), count, data);
    if (count == chunk.size()) {
        script_->answers_.pop_front();
    } else {
        chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
    }
    return static_cast<int64_t>(count);
}

OpenError ScriptedDevice::LastOpenError() const {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    return open_ ? OpenError::None : script_->openError_;
}

std::string ScriptedDevice::ErrorText() const {
    return open_ ? std::string() : "scripted open failure";
}
