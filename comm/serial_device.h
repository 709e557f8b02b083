#pragma once
// The byte pipe under CRX4COMM. Back ends: the real port (QSerialPort), the
// in-process simulated ECU, and the tests' own fakes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct LineSettings {
    uint32_t baudRate = 9600;
    uint8_t dataBits = 8;
    uint8_t parity = 0;    // 0 = none
    uint8_t stopBits = 0;  // 0 = one stop bit
};

// Why an open failed, so the port page can tell the user.
enum class OpenError { None, NotFound, Busy, NoPermission, Other };

class SerialDevice {
public:
    virtual ~SerialDevice() = default;

    // Exclusive read/write open of an existing device.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual bool GetLineSettings(LineSettings* settings) const = 0;
    virtual bool SetLineSettings(const LineSettings& settings) = 0;
    // Raise (true) or drop DTR and RTS.
    virtual bool SetControlLines(bool dtr, bool rts) = 0;

    // Writes count bytes within timeoutMs; gives the number written, -1 on error.
    virtual int64_t Write(const uint8_t* data, size_t count, int timeoutMs) = 0;
    // Never blocks: copies what has arrived (at most maxCount bytes); 0 when
    // nothing has, -1 when the device failed (for example the cable was pulled).
    virtual int64_t Read(uint8_t* data, size_t maxCount) = 0;

    // Bounds the bytes received and not yet read: once more have arrived,
    // the oldest are dropped so that the newest `bytes` remain (0: no bound).
    // The newest bytes are the ones a reader of this line wants: the answer
    // to its last frame, the latest live values.
    virtual void SetReceiveBufferSize(size_t bytes) = 0;
    // Throws away every byte received and not yet read (bytes still on the
    // wire come later); gives how many, or -1 when the device failed.
    virtual int64_t DiscardReceived() = 0;

    // Whether the device is still there, asked between exchanges without
    // reading a byte: false once it hung up or its node went away.
    virtual bool Present() const { return IsOpen(); }
    // The device file behind the open port, for a watcher that only asks the
    // file system; "" when there is none (the in-process simulator).
    virtual std::string NodePath() const { return {}; }

    virtual OpenError LastOpenError() const = 0;
    virtual std::string ErrorText() const = 0;
};

using SerialDevicePtr = std::unique_ptr<SerialDevice>;
