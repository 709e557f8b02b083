// zano-cli ports and read: the port list, and the ECU's values as a file or a table.
#include <iostream>
#include <set>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/cli_text.h"
#include "cli/config_file_check.h"
#include "cli/ecu_connection.h"
#include "comm/port_names.h"
#include "data/config_file.h"
#include "data/private_profile.h"
#include "data/store_text.h"
#include "pages/config_compare.h"
#include "pages/page_models.h"

void Complain(const std::string& text) { std::cerr << "zano-cli: " << text << '\n'; }

int RunPorts(const CliArguments&) {
    for (const PortInfo& port : ListPorts(true)) {
        std::cout << port.comName << '\t' << port.devicePath << '\t' << port.description;
        if (!port.statusText.empty())
            std::cout << '\t' << port.statusText;
        std::cout << '\n';
    }
    return kExitOk;
}

std::string FieldTable(int modelIndex, CRX4DATA& store) {
    std::string text = TrStd("Campo") + "\t" + TrStd("Unidade") + "\t" + TrStd("Valor") + "\n";
    std::set<std::string> shown;
    for (const PageModel* page : ConfigPageModels(modelIndex)) {
        for (const FieldDef& field : page->Fields()) {
            bool fresh = false;
            for (const std::string& reg : page->RegistersOf(field)) fresh = shown.insert(reg).second || fresh;
            if (fresh)
                text += TrStd(field.label) + "\t" + TrStd(field.unitLabel) + "\t" +
                        ShownFieldText(*page, field, store) + "\n";
        }
    }
    for (const std::string& reg : RegistersOfStores(store, store)) {
        std::string value;
        if (!shown.count(reg) && StoreValueText(store, reg.c_str(), &value))
            text += Fill(Tr("registro %1"), reg) + "\t\t" + value + "\n";
    }
    return text;
}

int RunRead(const CliArguments& args) {
    const int model = args.modelIndex >= 0 ? args.modelIndex : args.simulatorModel;
    const std::string& path = args.output;
    FillParameterTable(model);
    // The program asks before it overwrites a file; without a question, --force says yes.
    if (!path.empty() && FileExists(path.c_str()) && !args.force) {
        Complain(Fill(Tr("%1: o arquivo já existe (--force para sobrescrever)"), path));
        return kExitFile;
    }
    EcuConnection ecu(model, args.portNumber, args.simulatorModel);
    CliHooks hooks;
    std::string why;
    if (!ecu.Open(&why) || !ecu.ReadAll(hooks, &why)) {
        Complain(why);
        return kExitLink;
    }
    if (path.empty()) {
        std::cout << FieldTable(model, ecu.EquipmentStore());
        return kExitOk;
    }
    // As Load then Save in the program: an existing file's customer texts
    // stay (when its registers load), and the ECU's values replace its own.
    CustomerData customer;
    if (FileExists(path.c_str())) {
        CRX4DATA loaded;
        loaded = ecu.EquipmentStore();
        ReadConfigurationFile(path.c_str(), FileTypeOf(model), loaded, &customer);
    }
    CRX4DATA& fileStore = ecu.FileStore();
    fileStore = ecu.EquipmentStore();
    if (!WriteConfigurationFile(path.c_str(), FileTypeOf(model), FileTypeOf(model), customer, fileStore)) {
        Complain(Fill(args.force ? Tr("%1: não foi possível gravar o arquivo; o arquivo anterior não foi alterado")
                                 : Tr("%1: não foi possível gravar o arquivo; nenhum arquivo foi criado"),
                      path));
        return kExitFile;
    }
    return kExitOk;
}
