#pragma once
// A fake device for tests: its answers are a script of byte chunks, one
// handed out per Read. The script lives outside the device and is shared, so
// the test keeps writing it while CRX4COMM makes a new device at each open:
//
//   auto script = std::make_shared<DeviceScript>();
//   port.SetDeviceFactory([script](const std::string&) {
//       return std::make_unique<ScriptedDevice>(script); });
//   script->QueueAnswer({0xB0, 0x20, 0x01, 0xC0});

#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "comm/serial_device.h"

class DeviceScript {
  public:
    // The next Read hands out this chunk (as much as fits; the rest stays for
    // the Read after). An empty chunk is a Read where nothing arrived; so is
    // a Read when the script has run out.
    void QueueAnswer(std::vector<uint8_t> chunk);
    // The next Open fails with this reason (OpenError::None: opens succeed).
    void FailOpen(OpenError error);
    // Writes give -1 while set.
    void FailWrites(bool fail);

    // Every frame written, in order.
    std::vector<std::vector<uint8_t>> Written() const;
    LineSettings Settings() const;
    bool Dtr() const;
    bool Rts() const;

  private:
    friend class ScriptedDevice;
    mutable std::mutex mutex_;
    std::deque<std::vector<uint8_t>> answers_;
    std::vector<std::vector<uint8_t>> written_;
    OpenError openError_ = OpenError::None;
    bool failWrites_ = false;
    LineSettings settings_;
    bool dtr_ = false;
    bool rts_ = false;
};

class ScriptedDevice : public SerialDevice {
  public:
    explicit ScriptedDevice(std::shared_ptr<DeviceScript> script);

    bool Open() override;
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    bool GetLineSettings(LineSettings* settings) const override;
    bool SetLineSettings(const LineSettings& settings) override;
    bool SetControlLines(bool dtr, bool rts) override;
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override;
    int64_t Read(uint8_t* data, size_t maxCount) override;
    // A queued chunk stands for what arrives before the Read that takes it,
    // so there is never anything to bound or to discard: 0, or -1 when closed.
    void SetReceiveBufferSize(size_t) override {}
    int64_t DiscardReceived() override { return open_ ? 0 : -1; }
    OpenError LastOpenError() const override;
    std::string ErrorText() const override;

  private:
    std::shared_ptr<DeviceScript> script_;
    bool open_ = false;
};
