// zano-cli diff: two sets of values, each a configuration file or an ECU,
// field by field as the pages show them.
#include <iostream>
#include <memory>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/config_file_check.h"
#include "cli/ecu_connection.h"
#include "pages/config_compare.h"

namespace {

constexpr const char* kEcuPrefix = "ecu:";

struct Side {
    std::string name;
    bool ecu = false;
    int portNumber = 0;  // ecu: a COM port; 0 the --port or --simulator given
    ConfigFileInfo file;
    std::unique_ptr<EcuConnection> link;
    CRX4DATA ownStore;
};

// "ecu:COM5", or "ecu:" for the ECU of --port / --simulator.
bool ParseEcuSide(const std::string& name, const CliArguments& args, Side* side, std::string* why) {
    const std::string rest = name.substr(std::string(kEcuPrefix).size());
    side->ecu = true;
    if (rest.empty()) {
        side->portNumber = args.portNumber;
        if (!args.portNumber && args.simulatorModel < 0) {
            *why = name + ": ecu: sem porta precisa de --port COMn ou --simulator MODEL";
            return false;
        }
        return true;
    }
    std::string error;
    const auto parsed = ParseCliArguments({"read", "--port", rest, "--model", "q7100"}, &error);
    if (!parsed) {
        *why = name + ": porta inválida (ecu:COMn)";
        return false;
    }
    side->portNumber = parsed->portNumber;
    return true;
}

}  // namespace

int RunDiff(const CliArguments& args) {
    Side sides[2];
    std::string why;
    int model = args.modelIndex;
    for (int i = 0; i < 2; ++i) {
        Side& side = sides[i];
        side.name = args.operands[i];
        if (side.name.rfind(kEcuPrefix, 0) == 0) {
            if (!ParseEcuSide(side.name, args, &side, &why)) {
                Complain(why);
                return kExitUsage;
            }
            continue;
        }
        int fileModel = 0;
        if (!InspectConfigFile(side.name, model, &side.file, &fileModel, &why)) {
            Complain(why);
            return kExitFile;
        }
        model = fileModel;
    }
    if (model < 0)
        model = args.simulatorModel;
    if (model < 0) {
        Complain("diff de duas ECUs precisa de --model");
        return kExitUsage;
    }
    FillParameterTable(model);
    for (Side& side : sides) {
        if (side.ecu) {
            const int simulator = side.portNumber ? -1 : args.simulatorModel;
            side.link = std::make_unique<EcuConnection>(model, side.portNumber, simulator);
            CliHooks hooks;
            if (!side.link->Open(&why) || !side.link->ReadAll(hooks, &why)) {
                Complain(why);
                return kExitLink;
            }
            // One port at a time: the other side may be the same adapter.
            side.ownStore = side.link->EquipmentStore();
            side.link.reset();
        } else if (!LoadOwnRegisters(side.file, model, side.ownStore, &why)) {
            Complain(why);
            return kExitFile;
        }
    }
    const std::vector<FieldDifference> differences = CompareStores(model, sides[0].ownStore, sides[1].ownStore);
    if (differences.empty()) {
        std::cout << "Iguais.\n";
        return kExitOk;
    }
    std::cout << DifferencesText(differences, sides[0].name, sides[1].name);
    return kExitDifferent;
}
