#pragma once
// A SerialDevice with the simulated ECU behind it, in the same process: the
// demo mode and the tests talk to it as to a real port. Bytes arrive at the
// line speed of the variant, measured on the given Clock (virtual in tests,
// real in the demo). The worker thread uses the port while the UI or a test
// looks at the ECU, so every member takes the one lock.
//
// Link faults (FaultOptions): the fault clock starts at the first Open.
// - linkDropAfterFrames: Read/Write give -1 until Reconnect(); IsOpen stays true.
// - vanishAfterMs/vanishForMs: the adapter is pulled. From the vanish on, a
//   handle opened before it is dead: Read, Write and DiscardReceived give
//   -1 and IsOpen is false, also after the adapter is back (Close and Open
//   again). Open fails with OpenError::NotFound while Vanished(); once the
//   window is over it works, with nothing of what the ECU sent meanwhile.
// - powerCycleAfterMs/powerOffMs: the port stays open and working, the ECU
//   is silent while PoweredOff(), and comes back with its registers but
//   without its stream (Streaming() is false until a new start frame).

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

    OpenError LastOpenError() const override;
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
    // The adapter is away now (FaultOptions::vanishAfterMs): Open fails.
    bool Vanished() const;
    // The ECU is without power now (FaultOptions::powerCycleAfterMs).
    bool PoweredOff() const;

  private:
    bool SettingsMatchEcu() const;
    // The handle is open and was not lost to a vanish; notes the loss.
    bool HandleAlive();
    bool HandleAliveAt(int64_t nowMs) const;

    Clock& clock_;
    mutable std::mutex mutex_;
    EcuModel model_;
    LineSettings settings_;
    bool open_ = false;
    int64_t openedAtMs_ = 0;
    bool unplugged_ = false;  // the last handle or open was lost to a vanish
    OpenError lastOpenError_ = OpenError::None;
    size_t receiveBufferSize_ = 0;
};
