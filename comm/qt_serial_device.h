#pragma once
// The real port: QSerialPort behind the SerialDevice interface.
//
// Threads: Open creates the QSerialPort and Close destroys it, and every call
// in between must come from the thread that called Open (the port's socket
// notifiers belong to the thread that created it). In the program that is the
// worker thread that owns every exchange with the ECU; close the port there
// before that thread ends.
//
// Linux specifics handled here: the open is exclusive through QSerialPort's
// lock file (/var/lock/LCK..<name>), which is per name, so the path is
// canonicalised first (a COMn link and its target are one port). On a
// pseudo-terminal the DTR/RTS ioctls are not supported and are ignored; a
// parity other than none cannot be set there and is reported as a failure.

#include <memory>
#include <string>

#include "comm/serial_device.h"

class QSerialPort;

class QtSerialDevice : public SerialDevice {
  public:
    explicit QtSerialDevice(std::string devicePath);
    ~QtSerialDevice() override;
    QtSerialDevice(const QtSerialDevice&) = delete;
    QtSerialDevice& operator=(const QtSerialDevice&) = delete;

    // 8 data bits, no parity, one stop bit, 9600 baud, no flow control.
    bool Open() override;
    void Close() override;
    bool IsOpen() const override;

    // Parity and stop bits use the codes of CRX4COMM: parity 0 none, 1 odd,
    // 2 even, 3 mark, 4 space; stop bits 0 one, 1 one and a half, 2 two.
    bool GetLineSettings(LineSettings* settings) const override;
    bool SetLineSettings(const LineSettings& settings) override;
    bool SetControlLines(bool dtr, bool rts) override;

    // Bytes not handed to the driver within timeoutMs are discarded, so a
    // write that timed out does not trickle out later.
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override;
    // Takes everything the driver holds; what does not fit maxCount stays
    // buffered for the next Read. A hang-up (cable pulled, pty master
    // closed) gives -1 once the bytes that came before it are handed out,
    // and closes the device.
    int64_t Read(uint8_t* data, size_t maxCount) override;
    // The bound is QSerialPort's read buffer size, so that its notifier
    // stops taking bytes from the driver at the bound while the worker's
    // event loop runs between exchanges; Read and DiscardReceived then drop
    // the oldest to make room for what the driver still holds.
    void SetReceiveBufferSize(size_t bytes) override;
    int64_t DiscardReceived() override;

    // Open, its node still in the file system and no hang-up on it.
    bool Present() const override;
    std::string NodePath() const override { return canonicalPath_; }

    OpenError LastOpenError() const override { return lastOpenError_; }
    std::string ErrorText() const override { return errorText_; }

  private:
    void PullReceived();
    bool IsPseudoTerminal() const;
    bool DeviceLost() const;
    void FailAndClose(const std::string& text);

    std::string devicePath_;
    std::string canonicalPath_;
    std::unique_ptr<QSerialPort> port_;
    size_t receiveBufferSize_ = 0;
    OpenError lastOpenError_ = OpenError::None;
    std::string errorText_;
};
