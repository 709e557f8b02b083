#pragma once
// The exchanges of the monitoring panel that write to the ECU: the step
// settings written with Enter and the gas-flow calibration. Each runs as one
// job on the worker, with the live poll stopped and the panel's commands
// disabled; the panel's side is reached through the hooks.

#include <string>

#include "comm/ecu_protocol.h"

class CRX4DATA;

// What the monitoring panel adds to a page's hooks. RefreshFromStore shows
// "3D" and "3E" in the step fields; QueueWritesForKey queues the two steps.
class MonitorHooks : public PageHooks {
  public:
    // Shows "CALIBRANDO ..." and marks the calibration as running (Enter then
    // writes nothing, Return and Exit ask first), or hides it and clears it.
    virtual void SetCalibrating(bool calibrating) = 0;
    // Redraws the gauges from the live store.
    virtual void ShowLiveValues(CRX4DATA& store) = 0;
};

// The waits of the monitoring panel's own exchanges, in milliseconds.
struct MonitorWaits {
    int stopSpacing;         // between the three stop frames
    int stepWriteLead;       // after the stream stopped, before the steps are queued
    int calibrationLead;     // after the stream stopped, before the calibration
    int calibrationFrame;    // after the calibrate frame and after each confirm
    int q5100Calibration;    // Q5100 does not report the end: a fixed time
    int calibrationTimeout;  // other models: no "72" within this time
    int calibrationReadGap;  // after each read of the calibration stream
};
extern const MonitorWaits kMonitorWaits;

// A step field as Enter finds it: what the user left in it, and what the
// panel last showed there from the ECU.
struct StepFieldText {
    std::string typed;
    std::string shown;
    bool Changed() const { return typed != shown; }
};
enum class StepFieldCheck { Ok, BelowRange, AboveRange };

// Only fields the user changed count; each must lie within its record's
// range (an empty field is below it). The first field out of range names the
// problem, and then nothing may be written.
StepFieldCheck CheckStepFields(const StepFieldText& idle, const StepFieldText& high);

// Queues "3D" and "3E" for the fields the user changed, where they differ
// from the store; a field out of its range queues nothing.
void QueueStepWrites(const StepFieldText& idle, const StepFieldText& high,
                     CRX4DATA& equipmentStore, PendingWrites& pending);

// Enter: stream stopped, the steps written (last queued first) and read
// back, stream started again. 0, or kReadFailedResult when the read-back
// failed three times (its message shown).
int WriteStepSettings(EcuSession& session, PageHooks& hooks);

enum class CalibrationEnd {
    Done,       // "72" = "1" (or any value but "2")
    Failed,     // "72" = "2", after "Erro no processo de calibração"
    FixedWait,  // Q5100: the fixed time has passed
    TimedOut,   // no "72", after the time-out message
};

// The calibration itself, from "CALIBRANDO ..." shown to the stream started
// again.
CalibrationEnd RunCalibration(EcuSession& session, MonitorHooks& hooks);

// "CALIBRAR": stream stopped, the calibration, then one more start command.
CalibrationEnd RunCalibrationCommand(EcuSession& session, MonitorHooks& hooks);

// The calibration's end as the datalog's event column writes it (the file's
// own words; the viewer shows them translated, log_display_text.h).
const char* CalibrationEndEvent(CalibrationEnd end);
