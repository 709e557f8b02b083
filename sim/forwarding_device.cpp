#include "sim/forwarding_device.h"

namespace {

class ForwardingDevice : public SerialDevice {
public:
    explicit ForwardingDevice(std::shared_ptr<SerialDevice> target) : target_(std::move(target)) {}
    // The handle going away is the port closing.
    ~ForwardingDevice() override { target_->Close(); }

    bool Open() override { return target_->Open(); }
    void Close() override { target_->Close(); }
    bool IsOpen() const override { return target_->IsOpen(); }
    bool GetLineSettings(LineSettings* settings) const override { return target_->GetLineSettings(settings); }
    bool SetLineSettings(const LineSettings& settings) override { return target_->SetLineSettings(settings); }
    bool SetControlLines(bool dtr, bool rts) override { return target_->SetControlLines(dtr, rts); }
    int64_t Write(const uint8_t* data, size_t count, int timeoutMs) override {
        return target_->Write(data, count, timeoutMs);
    }
    int64_t Read(uint8_t* data, size_t maxCount) override { return target_->Read(data, maxCount); }
    void SetReceiveBufferSize(size_t bytes) override { target_->SetReceiveBufferSize(bytes); }
    int64_t DiscardReceived() override { return target_->DiscardReceived(); }
    OpenError LastOpenError() const override { return target_->LastOpenError(); }
    std::string ErrorText() const override { return target_->ErrorText(); }

private:
    std::shared_ptr<SerialDevice> target_;
};

}  // namespace

SerialDevicePtr MakeForwardingDevice(std::shared_ptr<SerialDevice> target) {
    return std::make_unique<ForwardingDevice>(std::move(target));
}
