// Configurator and live monitor for the gas-kit ECU.
#include <iostream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/start_options.h"
#include "app/ui/configurator_app.h"
#include "comm/comm_trace.h"

int main(int argc, char** argv) {
    // --help, --version and a bad value are answered before the application
    // object exists, so they work without a display. The toolkit's own
    // options are still in argv here and only show up as ignored.
    const StartOptions early = ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!early.error.empty()) {
        std::cerr << "zano-configurator: " << early.error << '\n' << StartUsage();
        return 2;
    }
    if (early.help) {
        std::cout << StartUsage();
        return 0;
    }
    if (early.version) {
        std::cout << StartVersion() << '\n';
        return 0;
    }
    // The trace's times are the protocol's; its live file is open before
    // anything is sent, and a file that cannot be written is refused as a
    // bad option is.
    ProgramTrace().SetClock(&g_Clock);
    if (!early.traceFile.empty()) {
        std::string why;
        if (!ProgramTrace().OpenLiveFile(early.traceFile, &why)) {
            std::cerr << "zano-configurator: --trace: cannot write \"" << early.traceFile
                      << "\": " << why << '\n';
            return 2;
        }
    }
    int result = 0;
    {
        CConfiguratorApp app(argc, argv);
        result = app.InitInstance() == 0 ? 0 : 1;
    }
    // g_Clock ends before the port does.
    ProgramTrace().SetClock(nullptr);
    return result;
}
