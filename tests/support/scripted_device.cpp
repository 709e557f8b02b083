#include "tests/support/scripted_device.h"

#include <algorithm>

using Lock = std::lock_guard<std::mutex>;

bool ScriptedDevice::Open() {
    Lock lock(script_->mutex_);
    open_ = script_->openError_ == OpenError::None;
    if (open_)
        script_->settings_ = LineSettings();  // like the real port: 9600 baud, 8N1
    return open_;
}

bool ScriptedDevice::GetLineSettings(LineSettings* settings) const {
    if (open_)
        *settings = script_->Settings();
    return open_;
}

bool ScriptedDevice::SetLineSettings(const LineSettings& settings) {
    Lock lock(script_->mutex_);
    if (open_)
        script_->settings_ = settings;
    return open_;
}

bool ScriptedDevice::SetControlLines(bool dtr, bool rts) {
    Lock lock(script_->mutex_);
    if (open_) {
        script_->dtr_ = dtr;
        script_->rts_ = rts;
    }
    return open_;
}

int64_t ScriptedDevice::Write(const uint8_t* data, size_t count, int /*timeoutMs*/) {
    Lock lock(script_->mutex_);
    if (!open_ || script_->failWrites_)
        return -1;
    script_->written_.emplace_back(data, data + count);
    return static_cast<int64_t>(count);
}

int64_t ScriptedDevice::Read(uint8_t* data, size_t maxCount) {
    Lock lock(script_->mutex_);
    if (!open_)
        return -1;
    if (script_->answers_.empty())
        return 0;
    std::vector<uint8_t>& chunk = script_->answers_.front();
    const size_t count = std::min(maxCount, chunk.size());
    std::copy_n(chunk.begin(), count, data);
    chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count));
    if (chunk.empty())
        script_->answers_.pop_front();
    return static_cast<int64_t>(count);
}

OpenError ScriptedDevice::LastOpenError() const {
    Lock lock(script_->mutex_);
    return open_ ? OpenError::None : script_->openError_;
}
