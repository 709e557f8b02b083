#include "comm/crx4comm.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "comm/adapter_identity.h"
#include "comm/comm_trace.h"
#include "comm/port_names.h"
#include "comm/qt_serial_device.h"

SerialDevicePtr MakeSystemSerialDevice(const std::string& portName) {
    const std::string path = ResolveAdapter(PortNumberFromName(portName));
    if (path.empty())
        return nullptr;
    return std::make_unique<QtSerialDevice>(path);
}

std::string AnswerText(const uint8_t* bytes, size_t count) {
    std::string text;
    text.reserve(count * 3);
    char token[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(token, sizeof token, "%1X|", bytes[i]);
        text += token;
    }
    return text;
}

CRX4COMM::CRX4COMM() : factory_(MakeSystemSerialDevice), trace_(&ProgramTrace()) {}

CRX4COMM::~CRX4COMM() {
    ClosePort();
}

void CRX4COMM::SetDeviceFactory(SerialDeviceFactory factory) {
    ClosePort();
    factory_ = std::move(factory);
}

CRX4COMM_RESULT CRX4COMM::SetPortNumber(int number) {
    std::snprintf(portName_, sizeof portName_, "COM%d", number);
    portNumber_ = number;
    return COMM_OK;
}

CRX4COMM_RESULT CRX4COMM::OpenPort() {
    CloseDevice();

    SerialDevicePtr device = factory_ ? factory_(portName_) : nullptr;
    if (!device || !device->Open()) {
        if (trace_)
            trace_->PortOpenFailed(portName_, device ? device->ErrorText() : "no device");
        return COMM_OPEN_FAILED;
    }
    device_ = std::move(device);
    if (trace_)
        trace_->PortOpened(portName_);
    device_->SetReceiveBufferSize(kInputQueueSize);
    health_.Opened(device_->NodePath());

    // From here the port stays open even when its state cannot be read or
    // set; the result says so.
    LineSettings settings;
    if (!device_->GetLineSettings(&settings))
        return COMM_OPEN_FAILED;
    if (lineSettingsPort_ == portName_) {
        const bool restored = device_->SetLineSettings(lineSettings_);
        if (trace_)
            trace_->LineSettingsChanged(lineSettings_, restored);
        if (!restored)
            return COMM_OPEN_FAILED;
    }
    return device_->SetControlLines(true, true) ? COMM_OK : COMM_OPEN_FAILED;
}

CRX4COMM_RESULT CRX4COMM::ClosePort() {
    CloseDevice();
    health_.Closed();
    return COMM_OK;
}

void CRX4COMM::CloseDevice() {
    if (device_) {
        device_->Close();
        if (trace_)
            trace_->PortClosed();
    }
    device_.reset();
}

bool CRX4COMM::ReadLineSettings(LineSettings* settings) const {
    return device_ && device_->GetLineSettings(settings);
}

CRX4COMM_RESULT CRX4COMM::ChangeLineSettings(const std::function<void(LineSettings*)>& change) {
    LineSettings settings;
    if (!ReadLineSettings(&settings))
        return COMM_GET_FAILED;
    change(&settings);
    const bool set = device_->SetLineSettings(settings);
    if (trace_)
        trace_->LineSettingsChanged(settings, set);
    if (!set)
        return COMM_SET_FAILED;
    lineSettings_ = settings;
    lineSettingsPort_ = portName_;
    return COMM_OK;
}

CRX4COMM_RESULT CRX4COMM::SetPortBaudRate(CRX4COMM_BAUDRATE baudRate) {
    return ChangeLineSettings([baudRate](LineSettings* s) { s->baudRate = baudRate; });
}

CRX4COMM_RESULT CRX4COMM::SetPortDtaBit(CRX4COMM_DTABIT dataBits) {
    return ChangeLineSettings([dataBits](LineSettings* s) { s->dataBits = dataBits; });
}

CRX4COMM_RESULT CRX4COMM::SetPortParity(CRX4COMM_PARITY parity) {
    return ChangeLineSettings([parity](LineSettings* s) { s->parity = parity; });
}

CRX4COMM_RESULT CRX4COMM::SetPortStopBit(CRX4COMM_STPBIT stopBits) {
    return ChangeLineSettings([stopBits](LineSettings* s) { s->stopBits = stopBits; });
}

CRX4COMM_RESULT CRX4COMM::SetCommunicationTimeouts(uint32_t readInterval,
                                                   uint32_t readTotalMultiplier,
                                                   uint32_t readTotalConstant,
                                                   uint32_t writeTotalMultiplier,
                                                   uint32_t writeTotalConstant) {
    if (!device_)
        return COMM_GET_FAILED;
    timeouts_ = {readInterval, readTotalMultiplier, readTotalConstant, writeTotalMultiplier,
                 writeTotalConstant};
    return COMM_OK;
}

CRX4COMM_RESULT CRX4COMM::WritePort(const unsigned char* bytes, uint32_t count, uint32_t* written) {
    if (written)
        *written = 0;
    if (!device_) {
        if (trace_)
            trace_->Sent(bytes, count, -1);
        return COMM_WRITE_FAILED;
    }
    uint64_t limit =
        uint64_t{timeouts_.writeTotalMultiplier} * count + timeouts_.writeTotalConstant;
    if (limit == 0)
        limit = kDefaultWriteTimeoutMs;
    limit = std::min<uint64_t>(limit, std::numeric_limits<int>::max());
    const int64_t done = device_->Write(bytes, count, static_cast<int>(limit));
    if (trace_)
        trace_->Sent(bytes, count, done);
    if (done < 0) {
        NoteDeviceError();
        return COMM_WRITE_FAILED;
    }
    if (written)
        *written = static_cast<uint32_t>(done);
    return done == count ? COMM_OK : COMM_WRITE_FAILED;
}

CRX4COMM_RESULT CRX4COMM::ReadPort(char* buffer, uint32_t size, uint32_t* textLength) {
    if (!device_ || size == 0)
        return COMM_READ_FAILED;
    std::vector<uint8_t> bytes(size);
    const int64_t received = device_->Read(bytes.data(), size);
    if (trace_)
        trace_->Received(bytes.data(), received,
                         received < 0 ? device_->ErrorText() : std::string());
    if (received < 0)
        NoteDeviceError();
    else if (received > 0)
        health_.AnswerReceived();
    if (received <= 0 || received == size)
        return COMM_READ_FAILED;

    const std::string text =
        bytes[0] == 0x00 ? std::string() : AnswerText(bytes.data(), static_cast<size_t>(received));
    if (text.size() + 1 > size)
        return COMM_READ_FAILED;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    if (textLength)
        *textLength = static_cast<uint32_t>(text.size());
    return COMM_OK;
}

CRX4COMM_RESULT CRX4COMM::DiscardReceived() {
    if (!device_)
        return COMM_READ_FAILED;
    const int64_t discarded = device_->DiscardReceived();
    if (trace_)
        trace_->Discarded(discarded);
    if (discarded < 0) {
        NoteDeviceError();
        return COMM_READ_FAILED;
    }
    return COMM_OK;
}

bool CRX4COMM::CheckDevice() {
    if (device_ && !device_->Present())
        health_.DeviceFailed();
    return !health_.Lost();
}

// A device that failed and closed itself is gone (a hang-up); one still
// open only refused this call.
void CRX4COMM::NoteDeviceError() {
    if (!device_->IsOpen())
        health_.DeviceFailed();
}
