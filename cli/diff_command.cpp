// zano-cli diff: two sets of values, each a configuration file or an ECU,
// field by field as the pages show them.
#include <iostream>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/cli_text.h"
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
    CRX4DATA values;
};

// "ecu:COM5", or "ecu:" for the ECU of --port / --simulator.
bool ParseEcuSide(const std::string& name, const CliArguments& args, Side* side, std::string* why) {
    const std::string rest = name.substr(std::string(kEcuPrefix).size());
    side->ecu = true;
    if (rest.empty()) {
        side->portNumber = args.portNumber;
        if (!args.portNumber && args.simulatorModel < 0) {
            *why = Fill(Tr("%1: ecu: sem porta precisa de --port COMn ou --simulator MODEL"), name);
            return false;
        }
        return true;
    }
    if (!ParsePortName(rest, &side->portNumber)) {
        *why = Fill(Tr("%1: porta inválida (ecu:COMn)"), name);
        return false;
    }
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
        Complain(TrStd("diff de duas ECUs precisa de --model"));
        return kExitUsage;
    }
    FillParameterTable(model);
    for (Side& side : sides) {
        if (side.ecu) {
            const int simulator = side.portNumber ? -1 : args.simulatorModel;
            // One port at a time (closed at the end of this block): the other
            // side may be the same adapter.
            EcuConnection ecu(model, side.portNumber, simulator);
            CliHooks hooks;
            if (!ecu.Open(&why) || !ecu.ReadAll(hooks, &why)) {
                Complain(why);
                return kExitLink;
            }
            side.values = ecu.EquipmentStore();
        } else if (!LoadOwnRegisters(side.file, model, side.values, &why)) {
            Complain(why);
            return kExitFile;
        }
    }
    const std::vector<FieldDifference> differences = CompareStores(model, sides[0].values, sides[1].values);
    if (differences.empty()) {
        std::cout << TrStd("Iguais.") << '\n';
        return kExitOk;
    }
    std::cout << DifferencesText(differences, sides[0].name, sides[1].name);
    return kExitDifferent;
}
