#include "data/diagnostic_dump.h"

#include <QDir>
#include <cstdlib>

namespace {

constexpr int kModelQ5100 = 1;

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

}  // namespace

std::string DumpFileName(int modelIndex) {
    return modelIndex == kModelQ5100 ? "novoQ5100.txt" : "novoQ7100.txt";
}

std::string DumpFolder() {
    if (!FolderOverride().empty()) {
        return FolderOverride();
    }
    const char* environment = std::getenv("ZANO_DUMP_DIR");
    if (environment != nullptr && environment[0] != '\0') {
        return environment;
    }
    return QDir::tempPath().toStdString();
}

void SetDumpFolder(const std::string& folder) {
    FolderOverride() = folder;
}

std::string DumpFilePath(int modelIndex) {
    std::string folder = DumpFolder();
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder + DumpFileName(modelIndex);
}

bool WriteDiagnosticDump(CRX4DATA& store, int modelIndex, CRX4FILE& file) {
    if (file.RX4OpenFile(DumpFilePath(modelIndex).c_str()) != FILE_OK) {
        return false;
    }
    store.Dump(file.Handle(), 0);
    file.RX4CloseFile();
    return true;
}
