#include "comm/qt_serial_device.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QSerialPort>
#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

// Index = parity code of CRX4COMM (0 none, 1 odd, 2 even, 3 mark, 4 space).
constexpr std::array<QSerialPort::Parity, 5> kParities = {
    QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity, QSerialPort::MarkParity,
    QSerialPort::SpaceParity};
// Index = stop-bit code (0 one, 1 one and a half, 2 two).
constexpr std::array<QSerialPort::StopBits, 3> kStopBits = {
    QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};

template <typename T, size_t N>
int CodeOf(const std::array<T, N>& table, T value) {
    for (size_t i = 0; i < N; ++i) {
        if (table[i] == value)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

QtSerialDevice::QtSerialDevice(std::string devicePath) : devicePath_(std::move(devicePath)) {}

QtSerialDevice::~QtSerialDevice() {
    Close();
}

bool QtSerialDevice::Open() {
    Close();
    lastOpenError_ = OpenError::None;
    errorText_.clear();

    std::error_code ec;
    canonicalPath_ = std::filesystem::canonical(devicePath_, ec).string();
    if (ec) {
        lastOpenError_ = OpenError::NotFound;
        errorText_ = devicePath_ + ": " + ec.message();
        return false;
    }

    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(canonicalPath_));
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setReadBufferSize(static_cast<qint64>(receiveBufferSize_));
    if (port->open(QIODevice::ReadWrite)) {
        port_ = std::move(port);
        return true;
    }

    switch (port->error()) {
        case QSerialPort::DeviceNotFoundError:
            lastOpenError_ = OpenError::NotFound;
            break;
        case QSerialPort::PermissionError:
            // Qt reports both a lock held by another program and a device
            // node the user may not open as PermissionError.
            lastOpenError_ = access(canonicalPath_.c_str(), R_OK | W_OK) == 0
                                 ? OpenError::Busy
                                 : OpenError::NoPermission;
            break;
        default:
            lastOpenError_ = OpenError::Other;
            break;
    }
    errorText_ = canonicalPath_ + ": " + port->errorString().toStdString();
    return false;
}

void QtSerialDevice::Close() {
    if (!port_)
        return;
    port_->close();
    port_.reset();
}

bool QtSerialDevice::IsOpen() const {
    return port_ && port_->isOpen();
}

bool QtSerialDevice::GetLineSettings(LineSettings* settings) const {
    if (!IsOpen())
        return false;
    const int parity = CodeOf(kParities, port_->parity());
    const int stopBits = CodeOf(kStopBits, port_->stopBits());
    if (parity < 0 || stopBits < 0)
        return false;
    settings->baudRate = static_cast<uint32_t>(port_->baudRate());
    settings->dataBits = static_cast<uint8_t>(port_->dataBits());
    settings->parity = static_cast<uint8_t>(parity);
    settings->stopBits = static_cast<uint8_t>(stopBits);
    return true;
}

bool QtSerialDevice::SetLineSettings(const LineSettings& settings) {
    if (!IsOpen() || settings.dataBits < 5 || settings.dataBits > 8 ||
        settings.parity >= kParities.size() || settings.stopBits >= kStopBits.size()) {
        return false;
    }
    const bool ok = port_->setBaudRate(static_cast<qint32>(settings.baudRate)) &&
                    port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                    port_->setParity(kParities[settings.parity]) &&
                    port_->setStopBits(kStopBits[settings.stopBits]);
    if (!ok)
        errorText_ = port_->errorString().toStdString();
    port_->clearError();
    return ok;
}

bool QtSerialDevice::SetControlLines(bool dtr, bool rts) {
    if (!IsOpen())
        return false;
    bool ok = true;
    const auto check = [this, &ok](bool done) {
        // A pseudo-terminal has no modem lines: its ioctls fail as unsupported.
        if (!done &&
            !(port_->error() == QSerialPort::UnsupportedOperationError && IsPseudoTerminal())) {
            errorText_ = port_->errorString().toStdString();
            ok = false;
        }
        port_->clearError();
    };
    check(port_->setDataTerminalReady(dtr));
    check(port_->setRequestToSend(rts));
    return ok;
}

int64_t QtSerialDevice::Write(const uint8_t* data, size_t count, int timeoutMs) {
    if (!IsOpen())
        return -1;
    if (port_->write(reinterpret_cast<const char*>(data), static_cast<qint64>(count)) < 0) {
        errorText_ = port_->errorString().toStdString();
        port_->clearError();
        return -1;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (port_->bytesToWrite() > 0 &&
           port_->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
    }
    if (DeviceLost()) {
        FailAndClose("the device was disconnected");
        return -1;
    }
    port_->clearError();  // a time-out stays set until cleared
    const qint64 pending = port_->bytesToWrite();
    if (pending > 0)
        port_->clear(QSerialPort::Output);
    return static_cast<int64_t>(count) - pending;
}

int64_t QtSerialDevice::Read(uint8_t* data, size_t maxCount) {
    if (!IsOpen())
        return -1;
    PullReceived();
    const bool lost = DeviceLost();
    if (!lost)
        port_->clearError();  // the zero wait ends with TimeoutError
    if (port_->bytesAvailable() > 0) {
        return port_->read(reinterpret_cast<char*>(data), static_cast<qint64>(maxCount));
    }
    if (lost) {
        FailAndClose("the device was disconnected");
        return -1;
    }
    return 0;
}

void QtSerialDevice::SetReceiveBufferSize(size_t bytes) {
    receiveBufferSize_ = bytes;
    if (port_)
        port_->setReadBufferSize(static_cast<qint64>(bytes));
}

int64_t QtSerialDevice::DiscardReceived() {
    if (!IsOpen())
        return -1;
    int64_t discarded = 0;
    do {
        discarded += port_->skip(port_->bytesAvailable());
    } while (port_->waitForReadyRead(0));
    if (DeviceLost()) {
        FailAndClose("the device was disconnected");
        return -1;
    }
    port_->clearError();  // the zero wait ends with TimeoutError
    return discarded;
}

// Each zero wait moves what the driver holds into the port's buffer, up to
// the bound. Before each, the oldest bytes held make room for the ones the
// driver has waiting, so what stays is the newest that fit.
void QtSerialDevice::PullReceived() {
    const auto makeRoom = [this] {
        int waiting = 0;
        if (::ioctl(static_cast<int>(port_->handle()), FIONREAD, &waiting) != 0)
            return;
        const qint64 held = port_->bytesAvailable();
        const qint64 room = static_cast<qint64>(receiveBufferSize_) - held;
        if (waiting > room)
            port_->skip(std::min<qint64>(held, waiting - room));
    };
    for (;;) {
        if (receiveBufferSize_ != 0)
            makeRoom();
        if (!port_->waitForReadyRead(0))
            return;
    }
}

bool QtSerialDevice::Present() const {
    if (!IsOpen() || !std::filesystem::exists(canonicalPath_))
        return false;
    pollfd state{static_cast<int>(port_->handle()), POLLIN, 0};
    if (::poll(&state, 1, 0) < 0)
        return false;
    return (state.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

bool QtSerialDevice::IsPseudoTerminal() const {
    return canonicalPath_.rfind("/dev/pts/", 0) == 0;
}

// Linux reports a hang-up as end of file, which Qt turns into ReadError
// (with a stale errno text); a vanished USB adapter can also give
// ResourceError. But a read that merely would have blocked (EAGAIN, seen
// under load) is reported as ResourceError too, so the terminal itself is
// asked: only a hang-up or an error condition on it means the port is gone.
bool QtSerialDevice::DeviceLost() const {
    const QSerialPort::SerialPortError error = port_->error();
    if (error != QSerialPort::ReadError && error != QSerialPort::WriteError &&
        error != QSerialPort::ResourceError) {
        return false;
    }
    pollfd state{static_cast<int>(port_->handle()), POLLIN, 0};
    if (::poll(&state, 1, 0) < 0)
        return true;
    return (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

void QtSerialDevice::FailAndClose(const std::string& text) {
    errorText_ = canonicalPath_ + ": " + text;
    Close();
}
