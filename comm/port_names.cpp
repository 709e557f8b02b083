#include "comm/port_names.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "comm/adapter_identity.h"
#include "comm/qt_serial_device.h"
#include "i18n/ui_text.h"

namespace fs = std::filesystem;

namespace {

struct DeviceRange {
    const char* prefix;
    int firstNumber;
};

// Fixed bases, so that a number in the settings file keeps meaning the same
// kind of device however many others are plugged in.
constexpr DeviceRange kDeviceRanges[] = {{"ttyS", 1}, {"ttyUSB", 21}, {"ttyACM", 41}};
constexpr int kRangeSize = 20;
constexpr const char* kComPrefix = "COM";

std::string& DeviceFolder() {
    static std::string folder = "/dev";
    return folder;
}

// The digits of text from position start as a number; -1 when they are not
// all digits, there are none, or there is a leading zero (so that every
// number has one name). Nine digits at most keep it an int.
int DigitsValue(const std::string& text, size_t start) {
    if (text.size() <= start || text.size() - start > 9)
        return -1;
    if (text[start] == '0' && text.size() - start > 1)
        return -1;
    int value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

fs::path OverridePath(int number) {
    const std::string dir = PortsDirectory();
    if (dir.empty())
        return {};
    return fs::path(dir) / (kComPrefix + std::to_string(number));
}

// The device an override entry stands for: a link's target (a relative one
// taken from the folder), or the entry itself when it is not a link.
std::string OverrideTarget(const fs::path& entry) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(entry, ec);
    if (ec || !fs::exists(status))
        return {};
    if (!fs::is_symlink(status))
        return entry.string();
    const fs::path target = fs::read_symlink(entry, ec);
    if (ec)
        return {};
    return target.is_absolute() ? target.string() : (entry.parent_path() / target).string();
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string CanonicalPath(const std::string& path) {
    std::error_code ec;
    const fs::path canonical = fs::canonical(path, ec);
    return ec ? path : canonical.string();
}

// QSerialPortInfo's view of the system, by canonical device path.
std::map<std::string, QSerialPortInfo> SystemPorts() {
    std::map<std::string, QSerialPortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.emplace(CanonicalPath(info.systemLocation().toStdString()), info);
    }
    return ports;
}

std::string Describe(const std::string& devicePath,
                     const std::map<std::string, QSerialPortInfo>& systemPorts) {
    const std::string canonical = CanonicalPath(devicePath);
    const auto found = systemPorts.find(canonical);
    if (found != systemPorts.end()) {
        std::string text = found->second.description().toStdString();
        const std::string maker = found->second.manufacturer().toStdString();
        if (!maker.empty() && text.find(maker) == std::string::npos) {
            text += text.empty() ? maker : " (" + maker + ")";
        }
        if (!text.empty())
            return text;
    }
    if (StartsWith(canonical, "/dev/pts/"))
        return "pseudo-terminal";
    return "serial port";
}

PortInfo MakeInfo(int number, const std::string& devicePath, std::string description, bool probe) {
    PortInfo info;
    info.number = number;
    info.comName = kComPrefix + std::to_string(number);
    info.devicePath = devicePath;
    info.description = std::move(description);
    if (!Exists(devicePath)) {
        info.status = OpenError::NotFound;
    } else if (probe) {
        QtSerialDevice device(devicePath);
        if (device.Open()) {
            device.Close();
        } else {
            info.status = device.LastOpenError();
        }
    }
    info.statusText = OpenErrorText(info.status);
    return info;
}

}  // namespace

std::string PortsDirectory() {
    const char* explicitDir = std::getenv("ZANO_PORTS_DIR");
    if (explicitDir && *explicitDir)
        return explicitDir;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/')
        return std::string(config) + "/zano/ports";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::string(home) + "/.config/zano/ports";
    return {};
}

void SetDeviceFolder(const std::string& folder) {
    DeviceFolder() = folder.empty() ? "/dev" : folder;
    ForgetAdapters();
}

std::string DeviceFolderPath() {
    return DeviceFolder();
}

int PortNumberFromName(const std::string& comName) {
    if (!StartsWith(comName, kComPrefix))
        return 0;
    return std::max(0, DigitsValue(comName, std::char_traits<char>::length(kComPrefix)));
}

std::string DefaultDeviceName(int number) {
    for (const DeviceRange& range : kDeviceRanges) {
        const int index = number - range.firstNumber;
        if (index >= 0 && index < kRangeSize)
            return range.prefix + std::to_string(index);
    }
    return {};
}

int DefaultPortNumber(const std::string& deviceName) {
    for (const DeviceRange& range : kDeviceRanges) {
        if (!StartsWith(deviceName, range.prefix))
            continue;
        const int index = DigitsValue(deviceName, std::char_traits<char>::length(range.prefix));
        if (index >= 0 && index < kRangeSize)
            return range.firstNumber + index;
    }
    return 0;
}

std::string ResolvePortDevice(int number) {
    if (number <= 0)
        return {};
    const fs::path entry = OverridePath(number);
    if (!entry.empty()) {
        const std::string target = OverrideTarget(entry);
        if (!target.empty())
            return target;
    }
    const std::string name = DefaultDeviceName(number);
    if (name.empty())
        return {};
    const std::string path = DeviceFolder() + "/" + name;
    return Exists(path) ? path : std::string();
}

std::string OpenErrorText(OpenError error) {
    switch (error) {
        case OpenError::None:
            return {};
        case OpenError::NotFound:
            return TrStd("não encontrada");
        case OpenError::Busy:
            return TrStd("ocupada: outro programa está usando a porta");
        case OpenError::NoPermission:
            return TrStd("sem permissão: adicione o usuário ao grupo dialout");
        case OpenError::Other:
            break;
    }
    return TrStd("não pode ser aberta");
}

std::vector<PortInfo> ListPorts(bool probe) {
    const std::map<std::string, QSerialPortInfo> systemPorts = SystemPorts();
    std::map<int, PortInfo> ports;

    const std::string dir = PortsDirectory();
    std::error_code ec;
    if (!dir.empty() && fs::is_directory(dir, ec)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
            const int number = PortNumberFromName(entry.path().filename().string());
            const std::string target = number > 0 ? OverrideTarget(entry.path()) : std::string();
            if (target.empty())
                continue;
            ports[number] =
                MakeInfo(number, target, Describe(target, systemPorts) + ", override link", probe);
        }
    }

    for (const fs::directory_entry& entry : fs::directory_iterator(DeviceFolder(), ec)) {
        const std::string name = entry.path().filename().string();
        const int number = DefaultPortNumber(name);
        if (number == 0 || ports.count(number))
            continue;
        const std::string path = entry.path().string();
        if (StartsWith(name, "ttyS") && !systemPorts.count(CanonicalPath(path)))
            continue;
        ports[number] = MakeInfo(number, path, Describe(path, systemPorts), probe);
    }

    std::vector<PortInfo> list;
    list.reserve(ports.size());
    for (auto& [number, info] : ports) list.push_back(std::move(info));
    return list;
}
