#include "sim/sim_device.h"

SimulatedEcuDevice::SimulatedEcuDevice(Clock& clock, EcuVariant variant, EcuOptions options)
    : clock_(clock), model_(variant, options) {}

bool SimulatedEcuDevice::Open() {
    std::lock_guard<std::mutex> lock(mutex_);
    const int64_t now = clock_.NowMs();
    model_.StartFaultClock(now);
    if (model_.Vanished(now)) {
        open_ = false;
        unplugged_ = true;
        lastOpenError_ = OpenError::NotFound;
        return false;
    }
    // What the ECU sent while the port was closed is gone; after a vanish,
    // also what it sent while the adapter was away.
    const std::optional<int64_t> vanishEnd = model_.VanishEndMs();
    if (vanishEnd && *vanishEnd <= now)
        model_.DiscardOutputAt(now);
    else
        model_.DiscardOutput();
    open_ = true;
    openedAtMs_ = now;
    unplugged_ = false;
    lastOpenError_ = OpenError::None;
    return true;
}

void SimulatedEcuDevice::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = false;
}

bool SimulatedEcuDevice::IsOpen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return HandleAliveAt(clock_.NowMs());
}

bool SimulatedEcuDevice::GetLineSettings(LineSettings* settings) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!HandleAliveAt(clock_.NowMs()))
        return false;
    *settings = settings_;
    return true;
}

bool SimulatedEcuDevice::SetLineSettings(const LineSettings& settings) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!HandleAlive())
        return false;
    settings_ = settings;
    return true;
}

bool SimulatedEcuDevice::SetControlLines(bool, bool) {
    std::lock_guard<std::mutex> lock(mutex_);
    return HandleAlive();
}

int64_t SimulatedEcuDevice::Write(const uint8_t* data, size_t count, int) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!HandleAlive() || !model_.LinkUp())
        return -1;
    if (SettingsMatchEcu())
        model_.Receive(data, count, clock_.NowMs());
    return static_cast<int64_t>(count);
}

int64_t SimulatedEcuDevice::Read(uint8_t* data, size_t maxCount) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!HandleAlive() || !model_.LinkUp())
        return -1;
    // Bytes are only made when asked for; trimming now keeps exactly what a
    // buffer trimmed as they arrived would hold.
    if (receiveBufferSize_ != 0)
        model_.DropReceived(clock_.NowMs(), receiveBufferSize_);
    const size_t n = model_.Take(data, maxCount, clock_.NowMs());
    // At other line settings the ECU's bytes cannot be received either.
    return SettingsMatchEcu() ? static_cast<int64_t>(n) : 0;
}

void SimulatedEcuDevice::SetReceiveBufferSize(size_t bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    receiveBufferSize_ = bytes;
}

int64_t SimulatedEcuDevice::DiscardReceived() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!HandleAlive() || !model_.LinkUp())
        return -1;
    // What the bound dropped was never held, so it is not counted.
    if (receiveBufferSize_ != 0)
        model_.DropReceived(clock_.NowMs(), receiveBufferSize_);
    const size_t n = model_.DropReceived(clock_.NowMs(), 0);
    return SettingsMatchEcu() ? static_cast<int64_t>(n) : 0;
}

OpenError SimulatedEcuDevice::LastOpenError() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastOpenError_;
}

std::string SimulatedEcuDevice::ErrorText() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (unplugged_ || (open_ && !HandleAliveAt(clock_.NowMs())))
        return "The simulated adapter was unplugged";
    if (!model_.LinkUp())
        return "The simulated link was lost";
    return open_ ? std::string() : "The simulated port is not open";
}

RegisterImage SimulatedEcuDevice::Registers() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.Registers();
}

RegisterImage SimulatedEcuDevice::PendingWrites() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.PendingWrites();
}

std::vector<ReceivedFrame> SimulatedEcuDevice::ReceivedFrames() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.ReceivedFrames();
}

bool SimulatedEcuDevice::Streaming() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.Streaming();
}

bool SimulatedEcuDevice::LinkUp() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.LinkUp();
}

void SimulatedEcuDevice::SetRevving(bool revving) {
    std::lock_guard<std::mutex> lock(mutex_);
    model_.SetRevving(revving);
}

void SimulatedEcuDevice::SetRegister(uint8_t reg, uint8_t value) {
    std::lock_guard<std::mutex> lock(mutex_);
    model_.SetRegister(reg, value);
}

void SimulatedEcuDevice::Reconnect() {
    std::lock_guard<std::mutex> lock(mutex_);
    model_.Reconnect();
}

bool SimulatedEcuDevice::Vanished() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.Vanished(clock_.NowMs());
}

bool SimulatedEcuDevice::PoweredOff() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return model_.PoweredOff(clock_.NowMs());
}

bool SimulatedEcuDevice::HandleAliveAt(int64_t nowMs) const {
    if (!open_)
        return false;
    const std::optional<int64_t> vanish = model_.VanishStartMs();
    return !(vanish && openedAtMs_ < *vanish && *vanish <= nowMs);
}

bool SimulatedEcuDevice::HandleAlive() {
    if (HandleAliveAt(clock_.NowMs()))
        return true;
    if (open_) {
        open_ = false;
        unplugged_ = true;
    }
    return false;
}

bool SimulatedEcuDevice::SettingsMatchEcu() const {
    return settings_.baudRate == LineBaudRate(model_.Variant()) && settings_.dataBits == 8 &&
           settings_.parity == 0 && settings_.stopBits == 0;
}
