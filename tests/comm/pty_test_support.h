#pragma once
// For the tests that drive QSerialPort: a pseudo-terminal whose master side
// the test plays, a thread of Qt's own to run the port on (its notifiers need
// one, as in the program's worker), and a ports folder the test owns.

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "comm/serial_device.h"

struct PtyPair {
    int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    std::string slave = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0
                            ? ptsname(master) : "";
    ~PtyPair() { CloseMaster(); }
    bool Write(const std::vector<uint8_t>& bytes) {
        return write(master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    void CloseMaster() {  // hangs up the line, as a pulled cable does
        if (master >= 0)
            close(master);
        master = -1;
    }
};

inline void RunOnQtThread(const std::function<void()>& body) {
    QThread* thread = QThread::create(body);
    thread->start();
    thread->wait();
    delete thread;
}

// Reads `count` bytes from fd (a device's Read when fd is -1), waiting up to
// timeoutMs; stops at a failed read.
inline std::vector<uint8_t> ReadFor(SerialDevice* device, int fd, size_t count, int timeoutMs) {
    std::vector<uint8_t> bytes;
    uint8_t chunk[4096];
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (bytes.size() < count && std::chrono::steady_clock::now() < until) {
        const int64_t n = device ? device->Read(chunk, sizeof chunk) : read(fd, chunk, sizeof chunk);
        if (device && n < 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + std::max<int64_t>(n, 0));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return bytes;
}

// Points ZANO_PORTS_DIR at a fresh folder for the life of the object.
struct TemporaryPortsDir {
    QTemporaryDir dir;
    const std::string old = getenv("ZANO_PORTS_DIR") ? getenv("ZANO_PORTS_DIR") : "";
    TemporaryPortsDir() { setenv("ZANO_PORTS_DIR", Path().c_str(), 1); }
    ~TemporaryPortsDir() {
        old.empty() ? unsetenv("ZANO_PORTS_DIR") : setenv("ZANO_PORTS_DIR", old.c_str(), 1);
    }
    std::string Path() const { return dir.path().toStdString(); }
    bool Link(int number, const std::string& target) const {  // an override of COMn
        return symlink(target.c_str(), (Path() + "/COM" + std::to_string(number)).c_str()) == 0;
    }
};
