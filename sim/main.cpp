// zano-ecu-sim: a simulated ECU on a pseudo-terminal. The first line on
// stdout is the device path to open; with --com N the ports folder also
// gets COMN pointing at it, with --device-folder DIR --usb K the folder gets
// ttyUSBK and its serial/by-id link. After a vanish, each new terminal is
// announced the same way on a new line.

#include <sys/time.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "sim/com_port_link.h"
#include "sim/ecu_model.h"
#include "sim/pty_bridge.h"
#include "sim/sim_arguments.h"
#include "sim/sim_log.h"
#include "sim/usb_device_links.h"

namespace {
volatile std::sig_atomic_t g_stopRequested = 0;

void RequestStop(int) {
    g_stopRequested = 1;
}

void InstallStopHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: poll returns at once with EINTR.
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    sigaction(SIGALRM, &action, nullptr);
}

// --quit-after: the alarm stops the program as Ctrl+C would, so the COM name
// and the log are handled the same way.
void StopAfter(int ms) {
    itimerval timer{};
    timer.it_value.tv_sec = ms / 1000;
    timer.it_value.tv_usec = (ms % 1000) * 1000;
    // A zero time would disarm the timer instead of firing at once.
    if (ms == 0) timer.it_value.tv_usec = 1;
    setitimer(ITIMER_REAL, &timer, nullptr);
}

// Announces a (new) slave path: the COM name and the device-folder links
// first, so that whoever reads the path from stdout finds them in place.
bool Announce(const SimArguments& args, const std::string& folder, const std::string& path,
              int usbNumber) {
    bool ok = true;
    std::string error;
    if (args.comNumber != 0) {
        if (RegisterComLink(folder, args.comNumber, path, &error)) {
            std::cerr << "zano-ecu-sim: COM" << args.comNumber << " -> " << path << '\n';
        } else {
            std::cerr << "zano-ecu-sim: " << error << '\n';
            ok = false;
        }
    }
    if (!args.deviceFolder.empty()) {
        if (AddUsbDeviceLinks(args.deviceFolder, usbNumber, path, &error)) {
            std::cerr << "zano-ecu-sim: " << args.deviceFolder << "/ttyUSB" << usbNumber << " -> "
                      << path << '\n';
        } else {
            std::cerr << "zano-ecu-sim: " << error << '\n';
            ok = false;
        }
    }
    std::cout << path << std::endl;
    return ok;
}

// The terminal is gone: so are the names that pointed at it.
void Withdraw(const SimArguments& args, const std::string& folder, const std::string& path,
              int usbNumber) {
    if (args.comNumber != 0)
        RemoveComLink(folder, args.comNumber, path);
    if (!args.deviceFolder.empty())
        RemoveUsbDeviceLinks(args.deviceFolder, usbNumber, path);
}

// In short steps, so a stop request is not kept waiting.
void WaitUntil(Clock& clock, int64_t untilMs) {
    while (g_stopRequested == 0 && clock.NowMs() < untilMs) clock.WaitMs(20);
}
}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const std::optional<SimArguments> parsed =
        ParseSimArguments(std::vector<std::string>(argv + 1, argv + argc), &error);
    if (!parsed) {
        std::cerr << "zano-ecu-sim: " << error << '\n' << SimUsage();
        return 2;
    }
    const SimArguments& args = *parsed;
    if (args.help) {
        std::cout << SimUsage();
        return 0;
    }

    InstallStopHandlers();
    if (args.quitAfterMs >= 0)
        StopAfter(args.quitAfterMs);
    RealClock clock;
    EcuModel model(args.variant, args.ecu);
    for (const auto& [reg, value] : args.registers)
        model.SetRegister(reg, value);
    model.StartFaultClock(clock.NowMs());
    std::optional<int64_t> vanishAt = model.VanishStartMs();
    PtyBridge bridge;
    const std::string folder = PortsFolder();
    int usbNumber = args.usbNumber;
    int status = 0;
    if (!bridge.Open(&error)) {
        std::cerr << "zano-ecu-sim: " << error << '\n';
        return 1;
    }
    std::string linkedPath = bridge.SlavePath();
    if (!Announce(args, folder, linkedPath, usbNumber))
        status = 1;

    while (status == 0) {
        const PtyBridge::ServeEnd end = bridge.Serve(model, clock, g_stopRequested, vanishAt);
        if (end == PtyBridge::ServeEnd::Stopped)
            break;
        if (end == PtyBridge::ServeEnd::Failed) {
            std::cerr << "zano-ecu-sim: the pseudo-terminal failed\n";
            status = 1;
            break;
        }
        // The terminal goes away like a pulled adapter (the program's open
        // port sees a hang-up) and comes back as a new device later.
        int64_t backAt = clock.NowMs() + args.reconnectMs;
        if (end == PtyBridge::ServeEnd::Vanished) {
            std::cerr << "zano-ecu-sim: adapter pulled\n";
            backAt = *model.VanishEndMs();
            vanishAt.reset();
        } else {
            std::cerr << "zano-ecu-sim: link lost\n";
        }
        bridge.Close();
        Withdraw(args, folder, linkedPath, usbNumber);
        WaitUntil(clock, backAt);
        if (g_stopRequested != 0)
            break;
        if (end == PtyBridge::ServeEnd::LinkLost)
            model.Reconnect();
        // What the ECU sent while nobody could receive it is gone.
        model.DiscardOutputAt(clock.NowMs());
        if (args.comeBackAsUsb >= 0)
            usbNumber = args.comeBackAsUsb;
        if (!bridge.Open(&error)) {
            std::cerr << "zano-ecu-sim: " << error << '\n';
            status = 1;
            break;
        }
        linkedPath = bridge.SlavePath();
        if (!Announce(args, folder, linkedPath, usbNumber))
            status = 1;
    }

    Withdraw(args, folder, linkedPath, usbNumber);
    if (!args.logPath.empty()) {
        std::ofstream log(args.logPath);
        WriteSimLog(log, model);
        if (!log) {
            std::cerr << "zano-ecu-sim: cannot write " << args.logPath << '\n';
            status = 1;
        }
    }
    return status;
}
