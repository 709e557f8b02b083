#include "sim/pty_bridge.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
// Upper bound of one poll, so a stop request is seen soon.
constexpr int64_t kMaxPollMs = 100;
// Retry interval while the reader does not take what we wrote.
constexpr int kBlockedWriteRetryMs = 5;
}  // namespace

PtyBridge::~PtyBridge() {
    Close();
}

bool PtyBridge::Open(std::string* error) {
    Close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        *error = std::string("pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char* name = ::ptsname(master_);
    slavePath_ = name != nullptr ? name : "";
    slave_ = slavePath_.empty() ? -1 : ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY);
    termios tio{};
    if (slave_ < 0 || ::tcgetattr(slave_, &tio) != 0) {
        *error = slavePath_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyBridge::Close() {
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
    slavePath_.clear();
}

PtyBridge::ServeEnd PtyBridge::Serve(EcuModel& model, const Clock& clock,
                                     const volatile std::sig_atomic_t& stop,
                                     std::optional<int64_t> vanishAtMs) {
    std::vector<uint8_t> unsent;
    uint8_t buffer[4096];
    while (stop == 0) {
        if (!model.LinkUp())
            return ServeEnd::LinkLost;
        const int64_t now = clock.NowMs();
        if (vanishAtMs && *vanishAtMs <= now)
            return ServeEnd::Vanished;
        if (unsent.empty()) {
            const size_t n = model.Take(buffer, sizeof buffer, now);
            unsent.assign(buffer, buffer + n);
        }
        if (!unsent.empty()) {
            const ssize_t written = ::write(master_, unsent.data(), unsent.size());
            if (written > 0) {
                unsent.erase(unsent.begin(), unsent.begin() + written);
            } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
                return ServeEnd::Failed;
            }
        }

        int64_t timeout = kMaxPollMs;
        if (const auto next = model.NextEventMs(now))
            timeout = std::clamp<int64_t>(*next - now, 0, kMaxPollMs);
        if (!unsent.empty())
            timeout = kBlockedWriteRetryMs;
        if (vanishAtMs)
            timeout = std::clamp<int64_t>(*vanishAtMs - now, 0, timeout);
        pollfd pfd{master_, POLLIN, 0};
        if (::poll(&pfd, 1, static_cast<int>(timeout)) < 0 && errno != EINTR)
            return ServeEnd::Failed;
        if ((pfd.revents & POLLIN) != 0) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                model.Receive(buffer, static_cast<size_t>(n), clock.NowMs());
            } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
                return ServeEnd::Failed;
            }
        }
    }
    return ServeEnd::Stopped;
}
