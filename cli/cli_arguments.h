#pragma once
// The command line of zano-cli: a command, its options and its operands.

#include <optional>
#include <string>
#include <vector>

// Exit codes, the same for every command (docs/command-line.md).
enum CliExit {
    kExitOk = 0,
    kExitDifferent = 1,  // diff found differences; write left the ECU without the file's values
    kExitUsage = 2,
    kExitLink = 3,       // port missing, busy or refused; the ECU did not answer; link lost
    kExitFile = 4,       // file missing, unreadable, of another model, refused values
    kExitStopped = 5,    // Ctrl+C, or the write not confirmed
};

struct CliArguments {
    std::string command;  // "ports", "read", "write", "diff", "monitor"
    std::vector<std::string> operands;
    int modelIndex = -1;      // --model: 0 Q7100, 1 Q5100, 2 "Q5100 plus"; -1 not given
    int portNumber = 0;       // --port COMn
    int simulatorModel = -1;  // --simulator MODEL
    std::string output;       // read -o FILE
    bool force = false;
    bool yes = false;
    int seconds = -1;  // monitor --seconds N; -1 until Ctrl+C
    bool csv = false;
    std::string traceFile;
    std::string recordFile;  // monitor --record FILE: the datalog of the drive
    bool help = false;
};

// 0 Q7100, 1 Q5100, 2 "Q5100 plus" for "q7100", "q5100", "q5100plus"; -1 otherwise.
int ModelFromName(const std::string& name);
// The number of "COM5" (or "com5"), 1 to 255; false for anything else.
bool ParsePortName(const std::string& text, int* number);
// "Q7100", "Q5100" or "Q5100 plus".
const char* ModelDisplayName(int modelIndex);

// Arguments without the program name. On a mistake gives nothing and says why.
std::optional<CliArguments> ParseCliArguments(const std::vector<std::string>& args, std::string* error);

// The usage of one command, or of all when the command is "".
std::string CliUsage(const std::string& command);
