#include "comm/adapter_identity.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

#include "comm/port_names.h"

namespace fs = std::filesystem;

namespace {

std::mutex& Lock() {
    static std::mutex mutex;
    return mutex;
}

// COMn -> the by-id name of the adapter it was resolved to.
std::map<int, std::string>& Remembered() {
    static std::map<int, std::string> adapters;
    return adapters;
}

std::string Canonical(const std::string& path) {
    std::error_code ec;
    const fs::path resolved = fs::canonical(path, ec);
    return ec ? std::string() : resolved.string();
}

}  // namespace

std::string ByIdName(const std::string& devicePath) {
    const std::string target = Canonical(devicePath);
    if (target.empty())
        return {};
    std::error_code ec;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(DeviceFolderPath() + "/serial/by-id", ec)) {
        if (Canonical(entry.path().string()) == target)
            return entry.path().string();
    }
    return {};
}

std::string ResolveAdapter(int number) {
    std::lock_guard<std::mutex> lock(Lock());
    const auto known = Remembered().find(number);
    if (known != Remembered().end()) {
        // Whatever took its number meanwhile is another adapter.
        return Canonical(known->second);
    }
    const std::string path = ResolvePortDevice(number);
    const std::string defaultPath = DeviceFolderPath() + "/" + DefaultDeviceName(number);
    if (!path.empty() && path == defaultPath) {
        const std::string byId = ByIdName(path);
        if (!byId.empty())
            Remembered()[number] = byId;
    }
    return path;
}

void ForgetAdapters() {
    std::lock_guard<std::mutex> lock(Lock());
    Remembered().clear();
}
