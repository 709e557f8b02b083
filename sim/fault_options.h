#pragma once
// Faults the simulated ECU can show, each off by default.

#include <cstdint>

enum class CalibrationOutcome {
    Success,   // "72" = 1
    Failure,   // "72" = 2
    NoAnswer,  // no "72" ever comes
};

struct FaultOptions {
    // The ECU stays silent: no answers, no acknowledgements, no live stream.
    bool noAnswer = false;
    // Answers to requests (reads, acknowledgements) start this much later.
    int extraDelayMs = 0;
    // This register (0..255) is left out of read answers; -1 for none.
    int missingRegister = -1;
    // Live groups of this register carry a wrong check; -1 for none.
    int badCheckRegister = -1;
    // Read answers start with a 00 byte.
    bool leadingZero = false;
    // Bytes that belong to no group between the groups of answers and stream.
    bool garbageBetweenGroups = false;
    // The read-all answer is repeated up to 10000 bytes or more, all
    // readable at once as if the receive buffer had been flooded.
    bool hugeAnswer = false;
    // The live stream fills the line: each burst starts as soon as the one
    // before it has gone out, instead of every 100 ms.
    bool streamAtLineRate = false;
    // After this many frames the link vanishes until Reconnect; -1 never.
    int linkDropAfterFrames = -1;

    // The times below count from the fault origin: the first Open of the
    // in-process SimulatedEcuDevice, or the start of the zano-ecu-sim
    // program, on the simulator's Clock. Each fault happens once.

    // The adapter is pulled vanishAfterMs after the origin and is back
    // vanishForMs later (-1: never). While it is away the port is gone: an
    // open handle fails (Read/Write/DiscardReceived give -1, IsOpen turns
    // false) and Open fails with OpenError::NotFound. Once it is back, Open
    // works again; a handle from before stays dead and has to be reopened.
    // The ECU behind it keeps running; what it sent meanwhile is lost.
    int vanishAfterMs = -1;
    int vanishForMs = 0;
    // The ECU loses power powerCycleAfterMs after the origin, for powerOffMs
    // (-1: never). The port stays, but the ECU is silent: no answers, no
    // acknowledgements, no stream; frames that come while it is off are
    // lost (not acted on, not recorded). Bytes still on the wire at that
    // moment are cut off. It comes back with its registers kept, writes not
    // yet confirmed forgotten, and its live stream stopped: it needs a new
    // start frame, as after any power-up.
    int powerCycleAfterMs = -1;
    int powerOffMs = 0;

    CalibrationOutcome calibration = CalibrationOutcome::Success;
};
