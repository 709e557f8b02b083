#pragma once
// The diagnostic dump: after a read from the ECU the equipment store is
// written, unscrambled, to "novoQ5100.txt" (model index 1) or "novoQ7100.txt"
// (the other models). It is the only trace the program leaves.
//
// The folder is the system's temporary folder unless ZANO_DUMP_DIR names
// another one or SetDumpFolder was called (which wins over both).

#include <string>

#include "data/crx4data.h"
#include "data/crx4file.h"

std::string DumpFileName(int modelIndex);
std::string DumpFolder();
// An empty folder restores the default.
void SetDumpFolder(const std::string& folder);
std::string DumpFilePath(int modelIndex);

// Replaces the model's dump file with the store's Dump. False, writing
// nothing, when the file cannot be created (the dump is then skipped).
bool WriteDiagnosticDump(CRX4DATA& store, int modelIndex, CRX4FILE& file);
