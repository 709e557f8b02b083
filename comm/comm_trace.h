#pragma once
// The communication trace: what went over the serial link, one line per
// event, for support. The port object (crx4comm.h) reports every frame it
// writes, every read, open, close, line-setting change and discard; the
// trace keeps the last kCapacity lines in memory for ExportTrace and, when
// a live file is open (--trace FILE), writes each line there at once.
//
// A line is the time since the port was last opened, in milliseconds, then
// the event:
//       0 ms OPEN COM3
//       0 ms LINE 38400 8N1
//      12 ms -> B0 20 01 C0          a frame sent (FAILED, or "(2 of 4 sent)")
//     412 ms <- B0 20 01 C0          bytes received
//     512 ms <- (nothing)            a read that found nothing
//     612 ms <- FAILED (reason)      a read the device refused
//     700 ms DISCARD 12              received bytes thrown away unread
//     800 ms CLOSE
//       0 ms LINK Q5100 - COM3 (/dev/ttyUSB0)   the ECU link opened on a port
//
// Thread-safe: the worker thread writes while the UI thread exports. A line
// is formatted before the lock is taken; the ring's strings keep their
// capacity, so a traced frame allocates nothing once the ring has wrapped.

#include <cstddef>
#include <cstdint>
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "comm/serial_device.h"

class CommTrace {
  public:
    static constexpr size_t kCapacity = 10000;

    // clock null: a steady clock of the trace's own.
    explicit CommTrace(Clock* clock = nullptr);
    ~CommTrace();
    CommTrace(const CommTrace&) = delete;
    CommTrace& operator=(const CommTrace&) = delete;

    // The program passes its own clock (so that tests in virtual time get
    // exact times); null goes back to the trace's own.
    void SetClock(Clock* clock);

    // The ECU link is opened for `model` ("Q7100", "Q5100", "Q5100 plus") on
    // `portText` ("COM3 (/dev/ttyUSB0)"): a LINK line, and the first line of
    // every export from then on.
    void Start(const std::string& model, const std::string& portText);

    // What the port object reports.
    void PortOpened(const std::string& portName);  // the times start again from 0
    void PortOpenFailed(const std::string& portName, const std::string& reason);
    void PortClosed();
    void LineSettingsChanged(const LineSettings& settings, bool ok);
    // written: what the device took, -1 when it failed.
    void Sent(const uint8_t* bytes, size_t count, int64_t written);
    // count: the bytes read; 0 nothing arrived; < 0 the device failed (reason).
    void Received(const uint8_t* bytes, int64_t count, const std::string& reason);
    // count < 0: the device failed.
    void Discarded(int64_t count);
    // A line of the caller's own ("FAILED write: port closed").
    void Note(const std::string& text);

    // What an export holds, line by line: the header (model and port of the
    // last Start), how many older lines were dropped (when some were), then
    // the kept lines, oldest first.
    std::vector<std::string> Lines() const;
    // The kept lines only, oldest first.
    std::vector<std::string> KeptLines() const;
    uint64_t DroppedLines() const;
    // Forgets every line and the header (the live file stays open).
    void Clear();

    // Writes Lines() to path as UTF-8 text, LF after each line, replacing
    // the file in one step (data/file_replace.h): on failure the old file,
    // or no file, stays. errorText (may be null) says why it failed.
    bool Export(const std::string& path, std::string* errorText) const;

    // From now on every line also goes to path (truncated), flushed line by
    // line. False, with the reason, when it cannot be created.
    bool OpenLiveFile(const std::string& path, std::string* errorText);
    void CloseLiveFile();

  private:
    // Formats the time prefix into out, then the caller appends the event.
    void BeginLine(std::string& out) const;
    void Append(const std::string& line);
    int64_t NowMs() const;

    std::unique_ptr<Clock> ownClock_;
    std::atomic<Clock*> clock_;
    std::atomic<int64_t> originMs_{0};

    mutable std::mutex mutex_;
    std::vector<std::string> ring_;  // grows to kCapacity, then wraps
    size_t next_ = 0;                // the slot the next line goes to, once full
    uint64_t dropped_ = 0;
    std::string header_;
    std::FILE* live_ = nullptr;
};

// The program's trace, the one its serial port (g_SerialPort) writes to.
CommTrace& ProgramTrace();

// Writes the program's trace to path (see CommTrace::Export).
bool ExportTrace(const std::string& path, std::string* errorText);

// The LINK line's model name of a model index: 1 "Q5100", 2 "Q5100 plus",
// any other "Q7100".
const char* TraceModelName(int modelIndex);
