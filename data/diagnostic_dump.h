#pragma once
// The diagnostic dump: after a read from the ECU the equipment store is
// written, unscrambled, to "novoQ5100.txt" (model index 1) or "novoQ7100.txt"
// (the other models). It is the only trace the program leaves.
//
// It holds a customer's settings, so it stays private to the user: the
// folder is SetDumpFolder's if called, else ZANO_DUMP_DIR, else the user's
// cache folder ($XDG_CACHE_HOME/zano, or ~/.cache/zano), which is created
// with mode 0700 when missing. A folder that is not owned by the user or
// that others may write to is refused (the dump is then skipped): there,
// someone else could swap the file for a link or read it. The file has mode
// 0600 and is replaced through a temporary file created exclusively, never
// through a link, and renamed over the old name, so a link planted there is
// replaced, not followed.

#include <string>

#include "data/crx4data.h"
#include "data/crx4file.h"

std::string DumpFileName(int modelIndex);
std::string DumpFolder();
// An empty folder restores the default.
void SetDumpFolder(const std::string& folder);
std::string DumpFilePath(int modelIndex);

// Replaces the model's dump file with the store's Dump, written through
// `file`. False, leaving the old dump as it was, when the folder is refused
// or the file cannot be written (the dump is then skipped).
bool WriteDiagnosticDump(CRX4DATA& store, int modelIndex, CRX4FILE& file);
