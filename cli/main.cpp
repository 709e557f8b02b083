// zano-cli: the workshop's command-line tool over the configurator's own
// logic (frames, waits, files, conversions): ports, read, write, diff, monitor.
#include <QCoreApplication>
#include <iostream>

#include "cli/cli_arguments.h"
#include "cli/cli_commands.h"
#include "comm/comm_trace.h"
#include "i18n/language.h"

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    std::string error;
    const auto parsed = ParseCliArguments(words, &error);
    if (!parsed) {
        std::cerr << "zano-cli: " << error << '\n'
                  << CliUsage(words.empty() ? std::string() : words[0]);
        return kExitUsage;
    }
    const CliArguments& args = *parsed;
    if (args.help) {
        std::cout << CliUsage(args.command);
        return kExitOk;
    }
    // The serial port classes want an application object (no display).
    QCoreApplication app(argc, argv);
    // The messages in the language of ZANO_LANG or the locale (Portuguese
    // unless one names English or Spanish); usage and argument errors above
    // stay English.
    InstallLanguage(EnvironmentLanguage());
    if (!args.traceFile.empty()) {
        std::string why;
        if (!ProgramTrace().OpenLiveFile(args.traceFile, &why)) {
            std::cerr << "zano-cli: --trace: cannot write \"" << args.traceFile << "\": " << why << '\n';
            return kExitUsage;
        }
    }
    if (args.command == "ports")
        return RunPorts(args);
    if (args.command == "read")
        return RunRead(args);
    if (args.command == "write")
        return RunWrite(args);
    if (args.command == "diff")
        return RunDiff(args);
    return RunMonitor(args);
}
