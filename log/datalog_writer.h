#pragma once
// Writes a datalog while it is recorded: the header at Open, then one row
// per Append. Rows are gathered in memory and handed to the system at least
// once a second of the injected clock (and at once for gaps and events), so
// a crash of the program loses at most the last second; the memory used
// stays the same however long the recording runs. A failed write stops the
// recording: the file is closed, Error() says why, and every later call
// does nothing.

#include <QFile>
#include <cstdint>
#include <string>

#include "log/datalog.h"

class Clock;

class DatalogWriter {
  public:
    static constexpr int64_t kFlushPeriodMs = 1000;
    // Rows gathered beyond this many bytes go out even within the second.
    static constexpr std::size_t kBufferLimit = 64 * 1024;

    explicit DatalogWriter(Clock& clock) : clock_(clock) {}
    ~DatalogWriter() { Close(); }
    DatalogWriter(const DatalogWriter&) = delete;
    DatalogWriter& operator=(const DatalogWriter&) = delete;

    // Creates (or replaces) the file and writes the header; false with
    // Error() set when the file cannot be created or written.
    bool Open(const std::string& path, const LogHeader& header);
    // One sample row, or a gap row ("sem conexão") when sample.gap is set.
    // False once the recording has stopped.
    bool Append(const LogSample& sample);
    // A row with no values: a user mark or a calibration event.
    bool AppendEvent(int64_t tMs, const std::string& text);
    // Hands the gathered rows to the system when the second has passed;
    // the panel calls it on every poll tick, answered or not.
    bool FlushIfDue();
    // Everything gathered goes out; the file is closed.
    void Close();

    bool IsOpen() const { return file_.isOpen(); }
    const std::string& Path() const { return path_; }
    // Empty, or why the recording stopped: "Gravação interrompida: ...".
    const std::string& Error() const { return error_; }
    int64_t RowsWritten() const { return rows_; }

    // The text of one row, with its line end (the writer's own format).
    static void FormatRow(const LogSample& sample, std::string* out);

  private:
    bool AddRow(const LogSample& sample, bool flushNow);
    bool Flush();
    void Fail(const std::string& what);

    Clock& clock_;
    QFile file_;
    std::string path_;
    std::string buffer_;
    std::string error_;
    int64_t lastFlushMs_ = 0;
    int64_t rows_ = 0;
};
