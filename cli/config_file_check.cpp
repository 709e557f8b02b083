#include "cli/config_file_check.h"

#include <fstream>
#include <iterator>
#include <set>

#include "app/parameter_table.h"
#include "cli/cli_arguments.h"
#include "cli/cli_text.h"
#include "data/config_file.h"
#include "data/crx4data.h"
#include "data/private_profile.h"
#include "pages/page_models.h"

namespace {

// The registers every file of the model must hold: those its pages show.
std::vector<std::string> PageRegisters(int modelIndex) {
    std::vector<std::string> registers;
    std::set<std::string> seen;
    for (const PageModel* page : ConfigPageModels(modelIndex))
        for (const FieldDef& field : page->Fields())
            for (const std::string& reg : page->RegistersOf(field))
                if (seen.insert(reg).second)
                    registers.push_back(reg);
    return registers;
}

bool ListsRegister(const std::vector<std::string>& registers, const std::string& reg) {
    for (const std::string& listed : registers)
        if (QString::fromStdString(listed).compare(QString::fromStdString(reg), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

}  // namespace

const char* FileTypeOf(int modelIndex) { return modelIndex == 1 ? "Q5100" : "Q7100"; }

bool InspectConfigFile(const std::string& path, int requested, ConfigFileInfo* info, int* modelIndex,
                       std::string* why) {
    info->path = path;
    std::ifstream in(path, std::ios::binary);
    if (!FileExists(path.c_str()) || !in) {
        *why = Fill(Tr("%1: %2 (arquivo não encontrado ou sem leitura)"), path, TrStd(kLoadErrorText));
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.find('\0') != std::string::npos) {
        *why = Fill(Tr("%1: arquivo binário, não é um arquivo de configuração"), path);
        return false;
    }
    PrivateProfile profile;
    profile.Parse(QByteArray::fromStdString(bytes));
    const std::vector<std::string> q5100 = profile.Keys("CONFIG_Q5100");
    const std::vector<std::string> q7100 = profile.Keys("CONFIG_Q7100");
    if (q5100.empty() == q7100.empty()) {
        *why = Fill(q5100.empty() ? Tr("%1: sem a seção de registros CONFIG_Q5100 ou CONFIG_Q7100")
                                  : Tr("%1: tem as seções CONFIG_Q5100 e CONFIG_Q7100"),
                    path);
        return false;
    }
    info->sectionModel = q5100.empty() ? 0 : 1;
    info->registers = q5100.empty() ? q7100 : q5100;
    if (requested >= 0 && (requested == 1) != (info->sectionModel == 1)) {
        *why = Fill(Tr("%1: arquivo de outro modelo (%2), não de %3"), path, FileTypeOf(info->sectionModel),
                    ModelDisplayName(requested));
        return false;
    }
    *modelIndex = requested >= 0 ? requested : info->sectionModel;
    FillParameterTable(*modelIndex);
    for (const std::string& reg : PageRegisters(*modelIndex)) {
        if (!ListsRegister(info->registers, reg)) {
            *why = Fill(Tr("%1: %2 (%3: falta o registro %4)"), path, TrStd(kLoadErrorText), TrStd(kLoadErrorTitle),
                        reg);
            return false;
        }
    }
    return true;
}

bool LoadRegisters(const ConfigFileInfo& info, int modelIndex, CRX4DATA& store, std::string* why) {
    CustomerData customer;
    if (ReadConfigurationFile(info.path.c_str(), FileTypeOf(modelIndex), store, &customer) < 0) {
        *why = info.path + ": " + TrStd(kLoadErrorText) + " (" + TrStd(kLoadErrorTitle) + ")";
        return false;
    }
    return true;
}

bool LoadOwnRegisters(const ConfigFileInfo& info, int modelIndex, CRX4DATA& store, std::string* why) {
    for (const std::string& reg : info.registers)
        store.Add(QString::fromStdString(reg).toUpper().toStdString().c_str(), "0");
    return LoadRegisters(info, modelIndex, store, why);
}
