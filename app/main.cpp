// Configurator and live monitor for the gas-kit ECU.
#include <iostream>
#include <string>
#include <vector>

#include "app/start_options.h"
#include "app/ui/configurator_app.h"

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
    CConfiguratorApp app(argc, argv);
    return app.InitInstance() == 0 ? 0 : 1;
}
