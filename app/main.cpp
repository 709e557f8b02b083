// Configurator and live monitor for the gas-kit ECU.
#include "app/ui/configurator_app.h"

int main(int argc, char** argv) {
    CConfiguratorApp app(argc, argv);
    return app.InitInstance() == 0 ? 0 : 1;
}
