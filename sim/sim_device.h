#pragma once
// A SerialDevice with the simulated ECU behind it, in the same process: the
// demo mode and the tests talk to it as to a real port. Bytes arrive at the
// line speed of the variant, measured on the given Clock (virtual in tests,
// real in the demo). The worker thread uses the port while the UI or a test
// looks at the ECU, so every member takes the one lock.

#include <mutex>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "comm/serial_device.h"
#include "sim/ecu_model.h"

class SimulatedEcuDevice : public SerialDevice {
  public:
    SimulatedEcuDevice(Clock& clock, EcuVariant variant, EcuOptions options = {});

    bool Open() override;
    void Close() override;
    bool IsOpen() const override;

    bool GetLineSettings(LineSettings* settings) const override;
    bool SetLineSettings(const LineSettings& settings) override;
    bool SetControlLines(bool dtr, bool rts) override;

    // Bytes written at line settings other than the ECU's never reach it, as
    // a real receiver would see only framing errors.
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override;
    int64_t Read(uint8_t* data, size_t maxCount) override;
    // What the ECU sent beyond the bound while nobody read is dropped, oldest
    // first, as the port's receive buffer would drop it.
    void SetReceiveBufferSize(size_t bytes) override;
    int64_t DiscardReceived() override;

    OpenError LastOpenError() const override { return OpenError::None; }
    std::string ErrorText() const override;

    // Inspection and control of the ECU behind the port.
    RegisterImage Registers() const;
    RegisterImage PendingWrites() const;
    std::vector<ReceivedFrame> ReceivedFrames() const;
    bool Streaming() const;
    bool LinkUp() const;
    void SetRevving(bool revving);
    void SetRegister(uint8_t reg, uint8_t value);
    void Reconnect();

  private:
    bool SettingsMatchEcu() const;

    Clock& clock_;
    mutable std::mutex mutex_;
    EcuModel model_;
    LineSettings settings_;
    bool open_ = false;
    size_t receiveBufferSize_ = 0;
};
