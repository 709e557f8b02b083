#pragma once
// Grammars of the ECU's answers, on the text that CRX4COMM::ReadPort makes of
// the received bytes ("B0|2B|4|C0|"). Tokens end at each "|"; anything
// outside a complete group is ignored.

#include <string>

class CRX4DATA;

// Read answers: groups of four tokens B0, register, value, C0 ("B0" and "C0"
// in any case). Each complete group is added to the store; a group whose
// fourth token is not C0 adds nothing and the search for B0 starts again.
void ParseAnswer(const char* text, CRX4DATA& store);

// Whether the live stream's check token is tested.
enum class CheckRule {
    // The check must equal register + value as whole numbers (no modulo 256),
    // so a pair whose sum exceeds FF is never stored.
    Tested,
    // The lambda page's live view stores every complete group.
    Ignored,
};

// What a live-stream answer told beyond the stored values.
struct MonitorAnswer {
    // A complete group of register "72" arrived (whatever its check): the
    // ECU has ended the gas-flow calibration; its value "1" means done, "2"
    // failed. The last such group counts.
    bool CalibrationEnded = false;
    std::string CalibrationValue;
};

// Live answers: groups of five tokens B0, register, value, check, C0.
MonitorAnswer ParseMonitorAnswer(const char* text, CRX4DATA& store, CheckRule rule);
