#include "app/start_options.h"

#include <charconv>

namespace {
constexpr const char* kProgram = "zano-configurator";
constexpr const char* kQuitAfter = "--quit-after";
constexpr const char* kTrace = "--trace";
constexpr const char* kLog = "--log";

// The value of "--name VALUE" or "--name=VALUE" at args[*i]; false when arg
// is another option. *i moves past a separate value.
bool TakeValue(const std::vector<std::string>& args, size_t* i, const std::string& name,
               std::string* value) {
    const std::string& arg = args[*i];
    if (arg == name) {
        if (*i + 1 < args.size())
            *value = args[++*i];
        return true;
    }
    if (arg.rfind(name + "=", 0) == 0) {
        *value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

// "--name FILE" at args[*i] into *file: false when arg is another option.
// A run meant to use a file must not run without it, nor take the next
// option for the file's name.
bool TakeFile(const std::vector<std::string>& args, size_t* i, const char* name, std::string* file,
              std::string* error) {
    std::string value;
    if (!TakeValue(args, i, name, &value))
        return false;
    if (value.empty() || value[0] == '-') {
        if (error->empty())
            *error = std::string(name) + " needs a file name, not \"" + value + "\"";
    } else {
        *file = value;
    }
    return true;
}

// A whole non-negative decimal number of milliseconds, nothing else.
bool ParseMilliseconds(const std::string& text, int* out) {
    if (text.empty() || text[0] == '-' || text[0] == '+')
        return false;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return false;
    *out = value;
    return true;
}
}  // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& args) {
    StartOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-splash") {
            options.splash = false;
        } else if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--no-demo") {
            options.noDemo = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == kQuitAfter || arg.rfind(std::string(kQuitAfter) + "=", 0) == 0) {
            // A mistake here is reported rather than ignored: a run meant to
            // end by itself must not silently run forever.
            std::string value;
            if (arg == kQuitAfter) {
                if (i + 1 < args.size())
                    value = args[++i];
            } else {
                value = arg.substr(std::string(kQuitAfter).size() + 1);
            }
            if (!ParseMilliseconds(value, &options.quitAfterMs) && options.error.empty())
                options.error = std::string(kQuitAfter) +
                                " needs a number of milliseconds, not \"" + value + "\"";
        } else if (TakeFile(args, &i, kTrace, &options.traceFile, &options.error) ||
                   TakeFile(args, &i, kLog, &options.logFile, &options.error)) {
        } else {
            options.ignored.push_back(arg);
        }
    }
    return options;
}

std::string StartUsage() {
    return std::string("usage: ") + kProgram +
           " [options]\n"
           "  --no-splash      start without the picture over the language page\n"
           "  --demo           talk to the built-in ECU simulator\n"
           "  --no-demo        never fall back to the built-in ECU simulator\n"
           "  --quit-after MS  show the first page and end MS ms later; exit code 0 only\n"
           "                   when a page was on screen at that moment\n"
           "  --trace FILE     write every exchange with the ECU to FILE as it happens\n"
           "  --log FILE       open the datalog FILE in the log viewer, without the wizard\n"
           "  --help, -h       show this text and end\n"
           "  --version        show the version and end\n"
           "Any other argument is ignored with a warning.\n";
}

std::string StartVersion() {
    return std::string(kProgram) + " " + ZANO_VERSION;
}

std::string IgnoredArgumentsWarning(const StartOptions& options) {
    if (options.ignored.empty())
        return {};
    std::string line = std::string(kProgram) + ": ignoring unknown argument";
    if (options.ignored.size() > 1)
        line += 's';
    for (const std::string& arg : options.ignored) line += " " + arg;
    return line;
}
