// zano-cli write: a configuration file into the ECU, as Load and the pages'
// write buttons would put it there, changed registers only.
#include <unistd.h>

#include <csignal>
#include <iostream>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/config_file_check.h"
#include "cli/ecu_connection.h"
#include "pages/config_compare.h"
#include "pages/write_report.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void OnInterrupt(int) { g_stop.store(true); }

// The answer typed on the terminal: yes only for y, yes, s or sim.
bool AskToWrite() {
    std::cerr << "Gravar estas alterações na ECU? [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    for (char& c : answer) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return answer == "y" || answer == "yes" || answer == "s" || answer == "sim";
}

void PrintLines(const char* heading, const std::vector<std::string>& lines) {
    std::cerr << heading << '\n';
    if (lines.empty())
        std::cerr << "  (nenhum)\n";
    for (const std::string& line : lines) std::cerr << "  " << line << '\n';
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace

std::atomic<bool>& StopFlag() { return g_stop; }

void InstallStopHandler() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int RunWrite(const CliArguments& args) {
    ConfigFileInfo info;
    std::string why;
    int model = 0;
    if (!InspectConfigFile(args.operands[0], args.modelIndex, &info, &model, &why)) {
        Complain(why);
        return kExitFile;
    }
    FillParameterTable(model);
    EcuConnection ecu(model, args.portNumber, args.simulatorModel);
    CliHooks readHooks;
    if (!ecu.Open(&why) || !ecu.ReadAll(readHooks, &why)) {
        Complain(why);
        return kExitLink;
    }
    // Load: the file store takes the ECU's register list, then the file's values.
    CRX4DATA& ecuValues = ecu.EquipmentStore();
    CRX4DATA& fileValues = ecu.FileStore();
    fileValues = ecuValues;
    if (!LoadRegisters(info, model, fileValues, &why)) {
        Complain(why);
        return kExitFile;
    }
    const std::vector<std::string> refused = RefusedValues(model, fileValues);
    if (!refused.empty()) {
        for (const std::string& line : refused) Complain(info.path + ": " + line);
        Complain("nada foi gravado");
        return kExitFile;
    }
    const std::vector<FieldDifference> before = CompareStores(model, ecuValues, fileValues);
    if (before.empty()) {
        std::cout << "A ECU já tem os valores do arquivo.\n";
        return kExitOk;
    }
    std::cout << DifferencesText(before, "ECU", "Arquivo") << std::flush;
    if (!args.yes) {
        if (!isatty(STDIN_FILENO)) {
            Complain("sem terminal para confirmar: use --yes; nada foi gravado");
            return kExitStopped;
        }
        if (!AskToWrite()) {
            Complain("nada foi gravado");
            return kExitStopped;
        }
    }

    std::vector<std::string> unwritable;
    const std::vector<PageWrites> plan = PlanWrites(model, fileValues, ecuValues, &unwritable);
    InstallStopHandler();
    CliHooks hooks(&g_stop);
    std::vector<std::string> written;
    for (size_t p = 0; p < plan.size(); ++p) {
        const PageModel* page = plan[p].page;
        hooks.page = page;
        hooks.entries = plan[p].entries;
        PendingWrites& pending = ecu.Session().pendingWrites;
        pending.LastPass = WritePassReport{};
        const int result = WritePendingRegisters(ecu.Session(), "FULL", TimingFor(page->Protocol().writeAll), hooks);
        if (result == kWriteStoppedResult || result == kLinkLostResult) {
            const WritePassReport& report = pending.LastPass;
            Append(written, DescribeEntries(page, report.confirmed, fileValues));
            std::vector<std::string> notWritten = DescribeEntries(page, report.notConfirmed, fileValues);
            for (size_t later = p + 1; later < plan.size(); ++later)
                Append(notWritten, DescribeEntries(plan[later].page, plan[later].entries, fileValues));
            Complain(result == kWriteStoppedResult ? "gravação interrompida (Ctrl+C)"
                                                   : "gravação interrompida: a ligação com a ECU caiu");
            PrintLines("Gravados:", written);
            PrintLines("Não gravados:", notWritten);
            return result == kWriteStoppedResult ? kExitStopped : kExitLink;
        }
        if (result != 0) {
            Complain("a leitura de conferência falhou; confira a ECU com zano-cli diff");
            return kExitLink;
        }
        Append(written, DescribeEntries(page, plan[p].entries, fileValues));
    }
    // The ECU's read-backs against the file: every value must be there.
    const std::vector<FieldDifference> after = CompareStores(model, ecuValues, fileValues);
    if (!after.empty()) {
        std::cerr << "A ECU não ficou com estes valores do arquivo:\n" << DifferencesText(after, "ECU", "Arquivo");
        for (const std::string& reg : unwritable)
            Complain("o registro " + reg + " não é gravado por nenhuma página");
        return kExitDifferent;
    }
    std::cout << "Gravado e conferido: " << written.size() << " campo(s).\n";
    return kExitOk;
}
