#include "app/ui/demo_mode.h"

#include <map>
#include <memory>
#include <mutex>

#include "app/globals.h"
#include "comm/port_names.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {
bool demoActive = false;

EcuVariant VariantOfModel(int model) {
    return model == 1 ? EcuVariant::Q5100 : model == 2 ? EcuVariant::Q5100Plus : EcuVariant::Q7100;
}

// One simulated ECU per variant for the whole run: written values survive
// the port being closed and opened again, as on a real ECU.
std::shared_ptr<SerialDevice> DemoEcu(EcuVariant variant) {
    static std::mutex mutex;
    static std::map<EcuVariant, std::shared_ptr<SerialDevice>> ecus;
    std::lock_guard<std::mutex> lock(mutex);
    auto& ecu = ecus[variant];
    if (!ecu) ecu = std::make_shared<SimulatedEcuDevice>(g_Clock, variant);
    return ecu;
}
}  // namespace

bool DemoModeActive() { return demoActive; }

void SetDemoMode(bool on) {
    demoActive = on;
    if (!on) {
        g_SerialPort.SetDeviceFactory(MakeSystemSerialDevice);
        return;
    }
    // The device is made at each open, after the model page has chosen the
    // variant; the simulator runs in real time on the program's clock.
    g_SerialPort.SetDeviceFactory(
        [](const std::string&) { return MakeForwardingDevice(DemoEcu(VariantOfModel(ModelIndex))); });
}

bool ShouldStartInDemoMode(bool forceOn, bool forceOff) {
    if (forceOn) return true;
    if (forceOff) return false;
    return ListPorts(false).empty();
}
