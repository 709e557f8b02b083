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
    CalibrationOutcome calibration = CalibrationOutcome::Success;
};
