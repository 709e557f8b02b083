#pragma once
// What the monitoring screen does to record a drive, apart from its
// widgets: a sample for every poll that brought live values, one gap row
// when the link or the stream is lost (never the zeros the gauges fall back
// to), numbered user marks, calibration events, the flush on every tick.
// Times are milliseconds of the injected clock since the recording started.

#include <cstdint>
#include <memory>
#include <string>

#include "log/datalog.h"
#include "log/datalog_writer.h"

class Clock;
class CRX4DATA;

// Event texts written in the "evento" column.
constexpr const char* kCalibrationStartEvent = "calibração iniciada";

class DatalogRecorder {
  public:
    explicit DatalogRecorder(Clock& clock) : clock_(clock), writer_(clock) {}

    // Opens the file and writes the header: false with Error() set.
    bool Start(const std::string& path, const LogHeader& header);
    void Stop();
    bool Recording() const { return writer_.IsOpen(); }

    // A poll brought live values: one sample from the store. A store the
    // gauges cannot show either (a register missing) writes nothing, nor
    // does the first poll after a gap.
    void OnLiveValues(CRX4DATA& liveStore, int modelIndex);
    // The link or the stream was lost: one gap row, however many times the
    // loss is reported before the next sample.
    void OnLinkLost();
    // "marca N", numbered from 1 in each recording; N, or 0 when not recording.
    int Mark();
    void OnEvent(const std::string& text);
    // Every poll tick, answered or not: the rows of the last second go out.
    void OnTick();

    const std::string& Path() const { return writer_.Path(); }
    // Why the recording stopped by itself (a failed write), or why it did not
    // start; empty otherwise.
    const std::string& Error() const { return writer_.Error(); }
    int64_t Rows() const { return writer_.RowsWritten(); }
    int Gaps() const { return gaps_; }
    int64_t ElapsedMs() const;

  private:
    Clock& clock_;
    DatalogWriter writer_;
    int64_t startMs_ = 0;
    int marks_ = 0;
    int gaps_ = 0;
    bool inGap_ = false;
    bool skipNextPoll_ = false;  // the first poll after a loss
};
