#include "cli/ecu_connection.h"

#include <iostream>

#include "cli/cli_arguments.h"
#include "cli/cli_text.h"
#include "comm/port_names.h"
#include "comm/serial_device.h"
#include "data/store_text.h"
#include "pages/page_model.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {
constexpr int kCustomerReadAttempts = 3;
// The simulator has no port: the link is traced and opened under this number.
constexpr int kSimulatorPortNumber = 1;
}  // namespace

int CliHooks::RefreshFromStore(CRX4DATA& store) {
    if (page) {
        FieldValues values;
        return page->FillFromStore(store, values);
    }
    std::string value;
    return StoreValueText(store, "1E", &value) && StoreValueText(store, "1F", &value) ? 0 : 1;
}

void CliHooks::QueueWritesForKey(const char*, PendingWrites& pending) {
    for (const PendingWrite& entry : entries) pending.Append(entry.Register, entry.Value);
}

// The protocol hands over its texts as written; they are looked up here, where they are shown.
void CliHooks::ShowMessage(const char* text, const char* title, MessageIcon) {
    std::cerr << "zano-cli: " << TrStd(text) << (title && title[0] ? " (" + TrStd(title) + ")" : std::string())
              << '\n';
}

EcuConnection::EcuConnection(int modelIndex, int portNumber, int simulatorModel)
    : session_{port_, clock_, equipment_, file_, monitor_, pending_, dump_, modelIndex, false, std::string()},
      portNumber_(portNumber),
      lastDevice_(std::make_shared<std::shared_ptr<SerialDevice>>()) {
    if (portNumber > 0) {
        auto last = lastDevice_;
        port_.SetDeviceFactory([last](const std::string& name) {
            *last = std::shared_ptr<SerialDevice>(MakeSystemSerialDevice(name));
            // No device for a name that resolves to nothing.
            return *last ? MakeForwardingDevice(*last) : SerialDevicePtr();
        });
        port_.SetPortNumber(portNumber);
    } else {
        const EcuVariant variant = static_cast<EcuVariant>(simulatorModel);
        // One simulated ECU for the whole run, kept across the link's reopen.
        auto ecu = std::make_shared<SimulatedEcuDevice>(clock_, variant);
        port_.SetDeviceFactory([ecu](const std::string&) { return MakeForwardingDevice(ecu); });
        port_.SetPortNumber(kSimulatorPortNumber);
    }
}

EcuConnection::~EcuConnection() { port_.ClosePort(); }

std::string EcuConnection::PortText() const {
    return portNumber_ > 0 ? "COM" + std::to_string(portNumber_) : std::string("simulador");
}

std::string EcuConnection::ShownPortText() const {
    return portNumber_ > 0 ? PortText() : TrStd("simulador");
}

bool EcuConnection::Open(std::string* why) {
    // As the port page leaves it: the chosen port open. With the number set,
    // OpenEcuLink then neither reads nor writes ZANO.INI.
    port_.OpenPort();
    if (port_.PortConnected()) {
        OpenEcuLink(session_);
        if (port_.PortConnected())
            return true;
    }
    OpenError error = OpenError::NotFound;
    if (*lastDevice_ && ResolvePortDevice(portNumber_) != "")
        error = (*lastDevice_)->LastOpenError();
    *why = ShownPortText() + ": " + OpenErrorText(error == OpenError::None ? OpenError::Other : error);
    return false;
}

bool EcuConnection::ReadAll(CliHooks& hooks, std::string* why) {
    const TimingProfile& row = TimingFor(EcuCaller::CustomerPage);
    for (int attempt = 0; attempt < kCustomerReadAttempts; ++attempt)
        if (ReadRegisters(session_, "FULL", equipment_, row, hooks) == 0)
            return true;
    *why = NoAnswerText();
    return false;
}

std::string EcuConnection::NoAnswerText() const {
    const QString text = session_.modelIndex == 0
                             ? Tr("a ECU %1 não respondeu em %2 (se for um Q5100 plus, use --model q5100plus)")
                             : Tr("a ECU %1 não respondeu em %2");
    return Fill(text, ModelDisplayName(session_.modelIndex), ShownPortText());
}
