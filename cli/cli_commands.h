#pragma once
// The commands of zano-cli. Each returns its exit code (cli_arguments.h) and
// writes its one-line complaints to stderr.

#include <atomic>
#include <string>

#include "cli/cli_arguments.h"

class CRX4DATA;

int RunPorts(const CliArguments& args);
int RunRead(const CliArguments& args);
int RunWrite(const CliArguments& args);
int RunDiff(const CliArguments& args);
int RunMonitor(const CliArguments& args);

// Set by the SIGINT handler (which does nothing else) once it is installed.
std::atomic<bool>& StopFlag();
void InstallStopHandler();

// "Campo", "Unidade", "Valor", then each field of the model's pages as it
// shows the store's values (wizard and screen order, a register shown by two
// pages on the first), then each register no page shows as "registro XX".
std::string FieldTable(int modelIndex, CRX4DATA& store);

// The answer to the write's question: yes for y, yes, s or sim, or the run's
// word for yes ("Sim" looked up: "Yes", "Sí") or its first letter; any case,
// accents optional.
bool IsYesAnswer(const std::string& typed);

// A one-line complaint on stderr: "zano-cli: text".
void Complain(const std::string& text);
