#pragma once
// A configuration file as zano-cli takes it in: what it is (model, the
// registers it lists) before anything touches the ECU, and its values in a
// store, read by the program's own Load code.

#include <string>
#include <vector>

#include "i18n/ui_text.h"

class CRX4DATA;

// The program's message when a file cannot be loaded (-1 or -2 of
// ReadConfigurationFile), and its title; looked up where they are shown.
constexpr const char* kLoadErrorText = TR_NOOP("Ocorreu um erro na tentativa de Carregar o Arquivo.");
constexpr const char* kLoadErrorTitle = TR_NOOP("Leitura incompleta");

struct ConfigFileInfo {
    std::string path;
    int sectionModel = 0;  // 1 for a CONFIG_Q5100 section, else 0 (Q7100 or "Q5100 plus")
    std::vector<std::string> registers;  // the keys of the register section, in file order
};

// False, with a one-line reason, when `path` is no configuration file: it
// is missing or unreadable, holds a NUL byte (a binary file), has no register
// section or both, is of another model than `requested` (-1: none; a
// "Q5100" section and a Q7100 or "Q5100 plus" asked for, or the reverse), or
// lacks a register that a page of its model shows (a truncated file).
// Otherwise `modelIndex` is `requested`, or the file's own when none was.
bool InspectConfigFile(const std::string& path, int requested, ConfigFileInfo* info, int* modelIndex,
                       std::string* why);

// The file's registers into `store` as the program's Load reads them (the
// store lists which; ReadConfigurationFile). False with the program's text
// when one is missing or empty.
bool LoadRegisters(const ConfigFileInfo& info, int modelIndex, CRX4DATA& store, std::string* why);

// The same, for the registers the file itself lists (a file compared
// without an ECU).
bool LoadOwnRegisters(const ConfigFileInfo& info, int modelIndex, CRX4DATA& store, std::string* why);

// "Q5100" for model 1, else "Q7100": the customer section and the register
// section's model, as the program's Save and Load use them.
const char* FileTypeOf(int modelIndex);
