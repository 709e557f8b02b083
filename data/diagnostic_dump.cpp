#include "data/diagnostic_dump.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int kModelQ5100 = 1;
constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;
constexpr int kTemporaryNameAttempts = 16;

std::string& FolderOverride() {
    static std::string folder;
    return folder;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        const passwd* entry = ::getpwuid(::geteuid());
        if (entry != nullptr && entry->pw_dir != nullptr)
            home = entry->pw_dir;
    }
    return home;
}

// $XDG_CACHE_HOME/zano, or ~/.cache/zano; a relative XDG_CACHE_HOME is
// ignored, as the base directory rules ask.
std::string CacheFolder() {
    const std::string cache = Environment("XDG_CACHE_HOME");
    if (!cache.empty() && cache.front() == '/')
        return cache + "/zano";
    return HomeFolder() + "/.cache/zano";
}

bool DefaultFolderChosen() {
    return FolderOverride().empty() && Environment("ZANO_DUMP_DIR").empty();
}

// Creates the folder and the missing ones above it, each with mode 0700.
void CreateFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        ::mkdir(folder.substr(0, slash).c_str(), kFolderMode);
    }
    ::mkdir(folder.c_str(), kFolderMode);
}

// An open handle on the folder when it is the user's alone: owned by them
// and not writable by group or others; -1 otherwise. Everything after works
// relative to this handle, so the folder cannot be swapped in between.
int OpenPrivateFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat state {};
    if (::fstat(fd, &state) != 0 || state.st_uid != ::geteuid() ||
        (state.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A new file of mode 0600 in the folder, never an existing one nor a link.
int CreateTemporaryFile(int folder, const std::string& finalName, std::string* name) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
        *name = "." + finalName + suffix;
        const int fd = ::openat(folder, name->c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
        if (fd >= 0) {
            // The mode asked for at creation is narrowed by the umask only;
            // set it exactly.
            if (::fchmod(fd, kFileMode) == 0)
                return fd;
            ::close(fd);
            ::unlinkat(folder, name->c_str(), 0);
            return -1;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Dumps the store into the open temporary file and makes it durable.
bool WriteDump(CRX4DATA& store, int fd, CRX4FILE& file) {
    std::FILE* stream = ::fdopen(fd, "wb");
    if (stream == nullptr) {
        ::close(fd);
        return false;
    }
    file.RX4AdoptFile(stream);
    store.Dump(stream, 0);
    const bool written = std::fflush(stream) == 0 && std::ferror(stream) == 0 &&
                         ::fsync(::fileno(stream)) == 0;
    file.RX4CloseFile();
    return written;
}

}  // namespace

std::string DumpFileName(int modelIndex) {
    return modelIndex == kModelQ5100 ? "novoQ5100.txt" : "novoQ7100.txt";
}

std::string DumpFolder() {
    if (!FolderOverride().empty())
        return FolderOverride();
    const std::string chosen = Environment("ZANO_DUMP_DIR");
    return chosen.empty() ? CacheFolder() : chosen;
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
    const std::string folderPath = DumpFolder();
    // Only the program's own folder is made; a chosen one must exist.
    if (DefaultFolderChosen())
        CreateFolder(folderPath);
    const int folder = OpenPrivateFolder(folderPath);
    if (folder < 0)
        return false;
    const std::string finalName = DumpFileName(modelIndex);
    std::string temporaryName;
    const int fd = CreateTemporaryFile(folder, finalName, &temporaryName);
    bool done = false;
    if (fd >= 0) {
        // rename replaces whatever has the final name, a link included,
        // without following it.
        done = WriteDump(store, fd, file) &&
               ::renameat(folder, temporaryName.c_str(), folder, finalName.c_str()) == 0;
        if (!done)
            ::unlinkat(folder, temporaryName.c_str(), 0);
    }
    ::close(folder);
    return done;
}
