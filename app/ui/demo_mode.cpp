#include "app/ui/demo_mode.h"

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "app/globals.h"
#include "app/ui/message_box.h"
#include "comm/port_names.h"
#include "i18n/ui_text.h"
#include "sim/forwarding_device.h"
#include "sim/sim_device.h"

namespace {
std::atomic<bool> demoActive{false};

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

void SetDemoMode(bool on) { demoActive = on; }

void SelectPortBackend(CRX4COMM& port, bool simulator) {
    if (!simulator) {
        port.SetDeviceFactory(MakeSystemSerialDevice);
        return;
    }
    // The device is made at each open, after the model page has chosen the
    // variant; the simulator runs in real time on the program's clock.
    port.SetDeviceFactory(
        [](const std::string&) { return MakeForwardingDevice(DemoEcu(VariantOfModel(ModelIndex))); });
}

QString NoSerialPortQuestion() {
    return Tr(
        "Nenhuma porta serial encontrada neste computador.\n\n"
        "Deseja usar o Simulador de ECU (demonstração)? Os valores mostrados não serão de um carro.\n\n"
        "Responda Não para ligar o cabo agora: se a leitura falhar, a tela Define Porta COM "
        "mostra as portas encontradas.");
}

QString DemoModeTitle() { return Tr("Simulador de ECU"); }

// Looked up at each call: the port page compares the chosen text with it.
QString SimulatorPortEntry() { return Tr("Simulador de ECU (demonstração)"); }

bool ShouldStartInDemoMode(bool forceOn, bool forceOff) {
    if (forceOn) return true;
    if (forceOff || !ListPorts(false).empty()) return false;
    // An adapter may still be plugged in later: the simulator is only used
    // when the user says so, never as a silent fallback.
    return ShowMessageBox(nullptr, NoSerialPortQuestion(), DemoModeTitle(), BoxIcon::Question,
                          BoxButtons::YesNo) == kAnswerYes;
}
