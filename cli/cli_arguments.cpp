#include "cli/cli_arguments.h"

#include <cstdlib>
#include <map>

namespace {

bool ParseWhole(const std::string& text, int low, int high, int* out) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 9)
        return false;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}

const std::map<std::string, std::string>& Usages() {
    static const std::map<std::string, std::string> usages = {
        {"ports",
         "zano-cli ports\n"
         "  the serial ports, each with its device and, when it cannot be opened, why\n"},
        {"read",
         "zano-cli read --model q7100|q5100|q5100plus --port COMn [-o FILE [--force]]\n"
         "zano-cli read --simulator MODEL [-o FILE [--force]]\n"
         "  reads every register; with -o writes a configuration file as the program's\n"
         "  Save does (--force overwrites an existing one, keeping its customer data),\n"
         "  else prints each field with its unit and value\n"},
        {"write",
         "zano-cli write FILE --port COMn [--model q5100plus] [--yes]\n"
         "zano-cli write FILE --simulator MODEL [--model M] [--yes]\n"
         "  writes the file's values that differ from the ECU's, after showing them and\n"
         "  asking (--yes: without asking), then checks that the ECU holds them\n"},
        {"diff",
         "zano-cli diff A B [--model M] [--port COMn | --simulator MODEL]\n"
         "  A and B: a configuration file, or ecu:COMn, or ecu: for the --port or\n"
         "  --simulator given; one line per field that differs\n"},
        {"monitor",
         "zano-cli monitor --model M --port COMn [--seconds N] [--csv] [--record FILE]\n"
         "zano-cli monitor --simulator MODEL [--seconds N] [--csv] [--record FILE]\n"
         "  the live values every 100 ms until Ctrl+C or N seconds; --record also\n"
         "  writes them to FILE as the monitoring screen's \"Gravar\" does\n"},
    };
    return usages;
}

}  // namespace

// The number alone is refused, so that a port is always named as the
// program names it.
bool ParsePortName(const std::string& text, int* number) {
    if (text.size() < 4 || (text.compare(0, 3, "COM") != 0 && text.compare(0, 3, "com") != 0))
        return false;
    return ParseWhole(text.substr(3), 1, 255, number);
}

int ModelFromName(const std::string& name) {
    if (name == "q7100")
        return 0;
    if (name == "q5100")
        return 1;
    if (name == "q5100plus")
        return 2;
    return -1;
}

const char* ModelDisplayName(int modelIndex) {
    return modelIndex == 1 ? "Q5100" : modelIndex == 2 ? "Q5100 plus" : "Q7100";
}

std::string CliUsage(const std::string& command) {
    const auto& usages = Usages();
    if (const auto found = usages.find(command); found != usages.end())
        return "usage: " + found->second + "common options: --trace FILE, --help\n";
    std::string text = "usage: zano-cli COMMAND [options]; zano-cli COMMAND --help\n";
    for (const char* name : {"ports", "read", "write", "diff", "monitor"}) text += usages.at(name);
    text += "common options: --trace FILE (every exchange with the ECU to FILE), --help\n"
            "exit codes: 0 ok, 1 differences, 2 usage, 3 port or link, 4 file, 5 stopped or not confirmed\n";
    return text;
}

std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string* error) {
    CliArguments parsed;
    if (args.empty()) {
        *error = "no command";
        return std::nullopt;
    }
    parsed.command = args[0];
    if (parsed.command == "--help" || parsed.command == "-h") {
        parsed.command.clear();
        parsed.help = true;
        return parsed;
    }
    if (!Usages().count(parsed.command)) {
        *error = "unknown command " + parsed.command;
        return std::nullopt;
    }
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        std::string text;
        bool ok = true;
        if (option == "--help" || option == "-h") {
            parsed.help = true;
        } else if (option == "--force") {
            parsed.force = true;
        } else if (option == "--yes" || option == "-y") {
            parsed.yes = true;
        } else if (option == "--csv") {
            parsed.csv = true;
        } else if (option == "--model") {
            ok = value(&text) && (parsed.modelIndex = ModelFromName(text)) >= 0;
        } else if (option == "--simulator") {
            ok = value(&text) && (parsed.simulatorModel = ModelFromName(text)) >= 0;
        } else if (option == "--port") {
            ok = value(&text) && ParsePortName(text, &parsed.portNumber);
        } else if (option == "-o" || option == "--output") {
            ok = value(&parsed.output) && !parsed.output.empty();
        } else if (option == "--seconds") {
            ok = value(&text) && ParseWhole(text, 1, 86400, &parsed.seconds);
        } else if (option == "--record") {
            ok = value(&parsed.recordFile) && !parsed.recordFile.empty();
        } else if (option == "--trace") {
            ok = value(&parsed.traceFile) && !parsed.traceFile.empty();
        } else if (option.size() > 1 && option[0] == '-') {
            *error = "unknown option " + option;
            return std::nullopt;
        } else {
            parsed.operands.push_back(option);
        }
        if (!ok) {
            *error = "bad or missing value for " + option;
            return std::nullopt;
        }
    }
    if (parsed.help)
        return parsed;
    const std::string& c = parsed.command;
    const size_t wanted = c == "write" ? 1 : c == "diff" ? 2 : 0;
    if (parsed.operands.size() != wanted) {
        *error = c + " takes " + std::to_string(wanted) + " file or side name(s), not " +
                 std::to_string(parsed.operands.size());
        return std::nullopt;
    }
    if (parsed.portNumber && parsed.simulatorModel >= 0) {
        *error = "--port and --simulator exclude each other";
        return std::nullopt;
    }
    const bool needsEcu = c == "read" || c == "write" || c == "monitor";
    if (needsEcu && !parsed.portNumber && parsed.simulatorModel < 0) {
        *error = c + " needs --port COMn or --simulator MODEL";
        return std::nullopt;
    }
    if ((c == "read" || c == "monitor") && parsed.portNumber && parsed.modelIndex < 0) {
        *error = c + " needs --model with --port";
        return std::nullopt;
    }
    if (parsed.force && parsed.output.empty()) {
        *error = "--force goes with -o FILE";
        return std::nullopt;
    }
    return parsed;
}
