#pragma once
// CRX4COMM: the program's one serial port (g_SerialPort). It keeps the API and
// the result codes that the pages and the ECU protocol were written against;
// the bytes go through a SerialDevice made by a device factory, so the same
// object drives the real port, the simulated ECU or a scripted fake.
//
// No locking: one thread at a time uses the object (the worker thread that
// owns every exchange with the port; see qt_serial_device.h).
//
// How the calls that were Windows-only behave here:
//  - the time-out block is stored as given; the write total (multiplier x
//    count + constant, or kDefaultWriteTimeoutMs when that is 0) bounds
//    WritePort, and a read never blocks whatever the block says;
//  - the line settings live in the device, so the setters fail (4) while
//    the port is closed. A Windows driver keeps a port's settings between opens
//    (and the ECU link relies on that when it reopens the port after setting
//    38400 baud); here the object keeps the settings last written for a port
//    name and hands them to the device it opens next under that name;
//  - there are no serial events: the ECU exchange polls;
//  - closing cannot fail, so COMM_CLOSE_FAILED is never produced;
//  - the input queue size (10000) bounds the device's receive buffer, which
//    drops its oldest bytes once full (serial_device.h). Writes wait until
//    their bytes are out, so there is no output queue to size.

#include <cstdint>
#include <functional>
#include <string>

#include "comm/link_health.h"
#include "comm/serial_device.h"

class CommTrace;

enum CRX4COMM_RESULT {
    COMM_OK = 0,
    COMM_OPEN_FAILED = 3,
    COMM_GET_FAILED = 4,
    COMM_SET_FAILED = 5,
    COMM_READ_FAILED = 6,
    COMM_WRITE_FAILED = 7,
    COMM_CLOSE_FAILED = 8,
};

// The parameter types carry the numbers themselves: the baud rate (9600,
// 38400), the data bits (8), the parity code (0 = none), the stop-bit code
// (0 = one stop bit).
typedef uint32_t CRX4COMM_BAUDRATE;
typedef uint8_t CRX4COMM_DTABIT;
typedef uint8_t CRX4COMM_PARITY;
typedef uint8_t CRX4COMM_STPBIT;

// Makes the device for a port name ("COM3"); null when the name stands for
// no device.
using SerialDeviceFactory = std::function<SerialDevicePtr(const std::string& portName)>;

// The factory of the program: the COMn map of port_names.h, then QSerialPort.
SerialDevicePtr MakeSystemSerialDevice(const std::string& portName);

// The received bytes as the ECU answer text: each byte as upper-case
// hexadecimal without leading zero, then "|" (B0 20 01 C0 gives B0|20|1|C0|).
std::string AnswerText(const uint8_t* bytes, size_t count);

// The time-out block, in milliseconds, in the order of the setter.
struct CommTimeouts {
    uint32_t readInterval = 0;
    uint32_t readTotalMultiplier = 0;
    uint32_t readTotalConstant = 0;
    uint32_t writeTotalMultiplier = 0;
    uint32_t writeTotalConstant = 0;
};

class CRX4COMM {
  public:
    // The bound of a write when the time-out block sets no write total.
    static constexpr uint32_t kDefaultWriteTimeoutMs = 5000;
    // Bytes the port holds received and unread; as large as the answer
    // buffer of every read, so a read that finds it full fails as one whose
    // answer may have been cut.
    static constexpr uint32_t kInputQueueSize = 10000;

    CRX4COMM();
    virtual ~CRX4COMM();
    // The program has one port object and never copies it.
    CRX4COMM(const CRX4COMM&) = delete;
    CRX4COMM& operator=(const CRX4COMM&) = delete;

    // Closes the port; the factory makes the device at each OpenPort.
    void SetDeviceFactory(SerialDeviceFactory factory);

    CRX4COMM_RESULT SetPortNumber(int number);
    int GetPortNumber() const { return portNumber_; }
    int PortConnected() const { return device_ ? 1 : 0; }

    // Opening again (after a lost link) keeps the link's health as it is:
    // only an answer tells that the ECU is back. Closing ends the watch.
    CRX4COMM_RESULT OpenPort();
    CRX4COMM_RESULT ClosePort();

    CRX4COMM_RESULT SetPortBaudRate(CRX4COMM_BAUDRATE baudRate);
    CRX4COMM_RESULT SetPortDtaBit(CRX4COMM_DTABIT dataBits);
    CRX4COMM_RESULT SetPortParity(CRX4COMM_PARITY parity);
    CRX4COMM_RESULT SetPortStopBit(CRX4COMM_STPBIT stopBits);

    CRX4COMM_RESULT SetCommunicationTimeouts(uint32_t readInterval, uint32_t readTotalMultiplier,
                                             uint32_t readTotalConstant,
                                             uint32_t writeTotalMultiplier,
                                             uint32_t writeTotalConstant);

    CRX4COMM_RESULT WritePort(const unsigned char* bytes, uint32_t count, uint32_t* written);
    // One read of what has arrived, at most size bytes, handed back in buffer
    // as AnswerText. 6 when nothing arrived, when size bytes arrived (the
    // answer may have been cut) or when the text and its terminator would
    // not fit size. When the first byte is 0x00 the text is empty (result 0).
    CRX4COMM_RESULT ReadPort(char* buffer, uint32_t size, uint32_t* textLength);
    // Throws away what has been received and not read, as a purge of the
    // receive queue does: no frame, no wait. 6 when the port is not open or
    // the device failed.
    CRX4COMM_RESULT DiscardReceived();

    // The link's health, fed by every read and write (link_health.h); read
    // from any thread.
    LinkHealth& Health() { return health_; }
    // Between exchanges, on the thread that uses the port: whether the
    // device is still there (a hang-up marks the link lost).
    bool CheckDevice();
    // The communication trace this port reports to (comm_trace.h): the
    // program's (ProgramTrace) unless set otherwise; null traces nothing.
    void SetTrace(CommTrace* trace) { trace_ = trace; }
    CommTrace* Trace() const { return trace_; }

  private:
    // The line settings are read, one field changed, and written back.
    CRX4COMM_RESULT ChangeLineSettings(const std::function<void(LineSettings*)>& change);
    // The device's line settings, or false when there is none to read.
    bool ReadLineSettings(LineSettings* settings) const;
    void NoteDeviceError();
    void CloseDevice();

    SerialDeviceFactory factory_;
    SerialDevicePtr device_;  // null while the port is closed
    CommTimeouts timeouts_;
    char portName_[8] = {};
    int portNumber_ = 0;
    // The line settings last written, and the port name they were written to.
    LineSettings lineSettings_;
    std::string lineSettingsPort_;
    LinkHealth health_;
    CommTrace* trace_;
};
