#pragma once
// The ECU at the far end of the serial line: its registers, how it answers
// each frame, its live stream and its gas-flow calibration. Pure logic driven
// by the caller's clock: Receive hands it the bytes written at nowMs, Take
// gives back what has arrived by nowMs at the variant's line speed.
//
// Answers are groups B0 rr vv C0; the live stream sends groups
// B0 rr vv cc C0 every 100 ms with cc = rr + vv. The configurator accepts a
// live pair only when rr + vv fits in a byte, so the live values are kept
// within that bound.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/ecu_variant.h"
#include "sim/engine_simulation.h"
#include "sim/fault_options.h"
#include "sim/frame_decoder.h"
#include "sim/line_queue.h"
#include "sim/register_image.h"

struct EcuOptions {
    // Time between the end of a frame and the first answer byte on the line.
    int processingDelayMs = 2;
    // Streaming time from the start command after a calibrate command to "72".
    int calibrationMs = 5000;
    bool revving = false;
    uint32_t seed = 1;
    FaultOptions faults;
};

struct ReceivedFrame {
    int64_t atMs = 0;
    Frame frame;
};

class EcuModel {
  public:
    static constexpr int kStreamPeriodMs = 100;
    static constexpr uint8_t kAcknowledge = 0x06;
    // The registers of one live burst, in the order they are sent.
    static const std::vector<uint8_t>& LiveRegisters();

    explicit EcuModel(EcuVariant variant, EcuOptions options = {});

    EcuVariant Variant() const { return variant_; }

    void Receive(const uint8_t* data, size_t count, int64_t nowMs);
    size_t Take(uint8_t* out, size_t maxCount, int64_t nowMs);
    // Drops the oldest bytes that have arrived by nowMs until at most `keep`
    // are left (a full receive buffer); gives how many were dropped.
    size_t DropReceived(int64_t nowMs, size_t keep);
    // The next time at which something new is sent or becomes readable.
    std::optional<int64_t> NextEventMs(int64_t nowMs);
    // Throws away everything not yet read (a port that was reopened).
    void DiscardOutput();
    // The same after bringing the ECU up to nowMs, so that nothing it sent
    // before nowMs is left to arrive later (an adapter plugged back in).
    void DiscardOutputAt(int64_t nowMs);

    // The timed faults (FaultOptions::vanishAfterMs, powerCycleAfterMs)
    // count from here; only the first call counts.
    void StartFaultClock(int64_t nowMs);
    // The adapter is away during [VanishStartMs, VanishEndMs); nothing
    // before the fault clock starts or when the fault is off.
    std::optional<int64_t> VanishStartMs() const;
    std::optional<int64_t> VanishEndMs() const;
    bool Vanished(int64_t nowMs) const;
    // The ECU is without power (FaultOptions::powerCycleAfterMs).
    bool PoweredOff(int64_t nowMs) const;

    void SetRevving(bool revving) { engine_.SetRevving(revving); }
    bool Streaming() const { return streaming_; }

    // False once the link has vanished (FaultOptions::linkDropAfterFrames).
    bool LinkUp() const { return linkUp_; }
    // The cable is back: the link works again and the fault does not repeat.
    void Reconnect();

    const RegisterImage& Registers() const { return registers_; }
    // A value set up earlier (by another tool, or a unit from the field):
    // any byte, also outside the range the configurator offers.
    void SetRegister(uint8_t reg, uint8_t value) { registers_[reg] = value; }
    // Writes received but not yet confirmed.
    const RegisterImage& PendingWrites() const { return pending_; }
    const std::vector<ReceivedFrame>& ReceivedFrames() const { return received_; }

  private:
    void Handle(const Frame& frame, int64_t nowMs);
    void CatchUp(int64_t nowMs);
    void SendBurstsUntil(int64_t lastMs);
    void PowerDown(int64_t atMs);
    void SendBurst(int64_t atMs);
    void Answer(const std::vector<uint8_t>& bytes, int64_t nowMs);
    std::vector<uint8_t> ReadAnswer(std::optional<uint8_t> onlyRegister) const;
    void AppendGarbageIfAsked(std::vector<uint8_t>* bytes) const;
    void AppendLiveGroup(std::vector<uint8_t>* bytes, uint8_t reg, uint8_t value) const;
    std::vector<std::pair<uint8_t, uint8_t>> LiveGroupValues(const LiveValues& live) const;

    EcuVariant variant_;
    EcuOptions options_;
    FrameDecoder decoder_;
    LineQueue line_;
    EngineSimulation engine_;
    RegisterImage registers_;
    RegisterImage pending_;
    std::vector<ReceivedFrame> received_;

    bool streaming_ = false;
    int64_t nextBurstMs_ = 0;
    bool calibrationArmed_ = false;
    std::optional<int64_t> calibrationDueMs_;
    bool linkUp_ = true;
    int framesUntilDrop_;
    std::optional<int64_t> faultOriginMs_;
    bool poweredDown_ = false;
};
