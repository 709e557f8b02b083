// zano-cli write: a configuration file into the ECU, as Load and the pages'
// write buttons would put it there, changed registers only.
#include <unistd.h>

#include <QString>
#include <csignal>
#include <iostream>

#include "app/parameter_table.h"
#include "cli/cli_commands.h"
#include "cli/cli_text.h"
#include "cli/config_file_check.h"
#include "cli/ecu_connection.h"
#include "pages/config_compare.h"
#include "pages/write_report.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void OnInterrupt(int) { g_stop.store(true); }

// Lower case, without accents: "Sí" and "si" are the same answer.
QString Plain(const QString& text) {
    QString plain;
    for (const QChar c : text.toLower().normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    return plain;
}

bool AskToWrite() {
    std::cerr << TrStd("Gravar estas alterações na ECU? [y/N] ") << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return IsYesAnswer(answer);
}

void PrintLines(const std::string& heading, const std::vector<std::string>& lines) {
    std::cerr << heading << '\n';
    if (lines.empty())
        std::cerr << "  " << TrStd("(nenhum)") << '\n';
    for (const std::string& line : lines) std::cerr << "  " << line << '\n';
}

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

}  // namespace

bool IsYesAnswer(const std::string& typed) {
    const QString answer = Plain(QString::fromStdString(typed));
    if (answer.isEmpty())
        return false;
    const QString yes = Plain(Tr("Sim"));
    for (const char* word : {"y", "yes", "s", "sim"})
        if (answer == QLatin1String(word))
            return true;
    return answer == yes || answer == yes.left(1);
}

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
        Complain(TrStd("nada foi gravado"));
        return kExitFile;
    }
    const std::vector<FieldDifference> before = CompareStores(model, ecuValues, fileValues);
    if (before.empty()) {
        std::cout << TrStd("A ECU já tem os valores do arquivo.") << '\n';
        return kExitOk;
    }
    std::cout << DifferencesText(before, "ECU", TrStd("Arquivo")) << std::flush;
    if (!args.yes) {
        if (!isatty(STDIN_FILENO)) {
            Complain(TrStd("sem terminal para confirmar: use --yes; nada foi gravado"));
            return kExitStopped;
        }
        if (!AskToWrite()) {
            Complain(TrStd("nada foi gravado"));
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
            Complain(result == kWriteStoppedResult ? TrStd("gravação interrompida (Ctrl+C)")
                                                   : TrStd("gravação interrompida: a ligação com a ECU caiu"));
            PrintLines(TrStd("Gravados:"), written);
            PrintLines(TrStd("Não gravados:"), notWritten);
            return result == kWriteStoppedResult ? kExitStopped : kExitLink;
        }
        if (result != 0) {
            Complain(TrStd("a leitura de conferência falhou; confira a ECU com zano-cli diff"));
            return kExitLink;
        }
        Append(written, DescribeEntries(page, plan[p].entries, fileValues));
    }
    // The ECU's read-backs against the file: every value must be there.
    const std::vector<FieldDifference> after = CompareStores(model, ecuValues, fileValues);
    if (!after.empty()) {
        std::cerr << TrStd("A ECU não ficou com estes valores do arquivo:") << '\n'
                  << DifferencesText(after, "ECU", TrStd("Arquivo"));
        for (const std::string& reg : unwritable)
            Complain(Fill(Tr("o registro %1 não é gravado por nenhuma página"), reg));
        return kExitDifferent;
    }
    std::cout << Fill(Tr("Gravado e conferido: %1 campo(s)."), static_cast<long long>(written.size())) << '\n';
    return kExitOk;
}
