#pragma once
// Refuses a second copy of the program. The lock is a file in the user's
// runtime folder; a copy that crashed leaves no lock that blocks the next.

#include <QLockFile>
#include <memory>

class SingleInstanceGuard {
public:
    // lockName: file name in the runtime folder (tests use their own).
    explicit SingleInstanceGuard(const QString& lockName);
    // True when this process is the only instance.
    bool Acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};
