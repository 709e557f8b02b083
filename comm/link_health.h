#pragma once
// Whether the ECU link is alive, as the exchanges see it. The worker feeds
// it (answers, answers that did not come, a device that failed); the UI
// thread reads it and shows the banner. Every member is thread-safe.
//
// The link is lost when the device fails (a hang-up: adapter pulled, the
// terminal gone) or when an ECU that has answered since the port opened
// leaves kMissesForLoss due answers in a row unanswered (power lost while
// the engine cranks). An ECU that never answered is not a lost link: that
// is the wrong port or an ECU switched off, and the pages say so as always.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

class LinkHealth {
  public:
    static constexpr int kMissesForLoss = 3;

    // A port was opened (the first time or again): nothing answered yet. The
    // node is the device file to watch ("" when the device has none).
    void Opened(const std::string& nodePath);
    // The program closed the port: there is no link to watch or recover.
    void Closed();
    void AnswerReceived();
    // An answer that was due did not come.
    void AnswerMissed();
    void DeviceFailed();
    // A screen that cannot work without an answer it did not get (the
    // monitor's opening snapshot) has the link recovered like a lost one.
    void ReportLost() { MarkLost(); }
    // The ECU answered again after a loss.
    void Recovered();
    // The port has no device behind it any more (checked on the UI thread:
    // only the file system is asked, never the port).
    bool NodeGone() const;

    bool Lost() const { return lost_.load(); }
    // Counts the losses: a watcher sees a new one even when it missed the
    // moment between two checks.
    uint64_t Losses() const { return losses_.load(); }
    bool PortOpen() const { return open_.load(); }
    std::string NodePath() const;

  private:
    void MarkLost();

    std::atomic<bool> open_{false};
    std::atomic<bool> answered_{false};  // since the port was opened
    std::atomic<bool> lost_{false};
    std::atomic<int> misses_{0};
    std::atomic<uint64_t> losses_{0};
    mutable std::mutex mutex_;
    std::string nodePath_;
};
