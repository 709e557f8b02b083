#pragma once
// Helpers for the tests that drive QSerialPort: a pseudo-terminal pair whose
// master side the test plays, a thread of Qt's own to run the port on (the
// port's notifiers need one, as in the program's worker), and a folder for
// COMn links that the test owns.

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <QThread>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "comm/serial_device.h"

class PtyPair {
  public:
    PtyPair() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            slavePath_ = ptsname(master_);
        }
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool Ok() const { return !slavePath_.empty(); }
    const std::string& SlavePath() const { return slavePath_; }

    bool WriteMaster(const std::vector<uint8_t>& bytes) {
        return write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // What the device side wrote, waiting up to timeoutMs for count bytes.
    std::vector<uint8_t> ReadMaster(size_t count, int timeoutMs) {
        std::vector<uint8_t> bytes;
        const auto deadline = Now() + std::chrono::milliseconds(timeoutMs);
        while (bytes.size() < count && Now() < deadline) {
            pollfd pfd{master_, POLLIN, 0};
            if (poll(&pfd, 1, 10) <= 0)
                continue;
            uint8_t chunk[256];
            const ssize_t n = read(master_, chunk, sizeof chunk);
            if (n > 0)
                bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }

    // Hangs up the line, as a pulled cable does.
    void CloseMaster() {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

  private:
    static std::chrono::steady_clock::time_point Now() { return std::chrono::steady_clock::now(); }

    int master_ = -1;
    std::string slavePath_;
};

// Runs body on a QThread and waits for it.
inline void RunOnQtThread(const std::function<void()>& body) {
    QThread* thread = QThread::create(body);
    thread->start();
    thread->wait();
    delete thread;
}

// Reads from device, maxPerRead bytes at most each time, until count bytes
// came, timeoutMs passed or a Read failed.
inline std::vector<uint8_t> ReadAvailable(SerialDevice& device, size_t count, int timeoutMs,
                                          size_t maxPerRead = 4096) {
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> chunk(maxPerRead);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (bytes.size() < count && std::chrono::steady_clock::now() < deadline) {
        const int64_t n = device.Read(chunk.data(), chunk.size());
        if (n < 0)
            break;
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + n);
        if (n == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bytes;
}

// Points ZANO_PORTS_DIR at a fresh folder for the life of the object.
class TemporaryPortsDir {
  public:
    TemporaryPortsDir() {
        char pattern[] = "/tmp/zano-ports-XXXXXX";
        const char* made = mkdtemp(pattern);
        path_ = made ? made : "";
        const char* old = getenv("ZANO_PORTS_DIR");
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        setenv("ZANO_PORTS_DIR", path_.c_str(), 1);
    }
    ~TemporaryPortsDir() {
        if (hadOld_) {
            setenv("ZANO_PORTS_DIR", old_.c_str(), 1);
        } else {
            unsetenv("ZANO_PORTS_DIR");
        }
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TemporaryPortsDir(const TemporaryPortsDir&) = delete;
    TemporaryPortsDir& operator=(const TemporaryPortsDir&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string old_;
    bool hadOld_ = false;
};
