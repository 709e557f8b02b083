#pragma once
// The configurator's command line. A few options change how the program
// starts; any other argument is ignored and named in one warning line, so an
// old shortcut or a typo never keeps the program from opening.

#include <string>
#include <vector>

struct StartOptions {
    bool splash = true;
    bool demo = false;
    bool noDemo = false;
    // Show the first page and end by itself this many ms later; < 0: run
    // until the user ends it.
    int quitAfterMs = -1;
    bool help = false;
    bool version = false;
    // --trace FILE: every line of the communication trace also goes to this
    // file as it happens; empty: none.
    std::string traceFile;
    // --log FILE: open this datalog in the "Registros" viewer alone (no
    // wizard, no ECU); empty: the configurator as usual.
    std::string logFile;
    // Unknown options and stray arguments, in the order given.
    std::vector<std::string> ignored;
    // A known option with a missing or bad value; empty when all is well.
    std::string error;
};

// Arguments without the program name (and without the toolkit's own options,
// which the application object takes out first).
StartOptions ParseStartOptions(const std::vector<std::string>& args);

// The --help text: every option, one line each.
std::string StartUsage();
// "zano-configurator 0.1.0"
std::string StartVersion();
// The one warning line for the ignored arguments, empty when there are none.
std::string IgnoredArgumentsWarning(const StartOptions& options);
