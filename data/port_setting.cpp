#include "data/port_setting.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>

#include "data/private_profile.h"

namespace {

constexpr const char* kFileName = "ZANO.INI";
constexpr const char* kPortKey = "COM";

std::string& OverridePath() {
    static std::string path;
    return path;
}

// The model's section, or nullptr for a model without settings.
const char* SectionOf(const char* model) {
    if (model == nullptr) {
        return nullptr;
    }
    if (std::strcmp(model, "Q5100") == 0) {
        return "CONFIG_Q5100";
    }
    if (std::strcmp(model, "Q7100") == 0) {
        return "CONFIG_Q7100";
    }
    return nullptr;
}

int GetPort(const char* model, const char* section, int* port) {
    const std::string path = SettingsFilePath();
    PrivateProfile profile;
    profile.Load(path.c_str());
    std::string value;
    if (!profile.Value(section, kPortKey, &value)) {
        return std::strcmp(model, "Q5100") == 0 ? 1 : 2;
    }
    if (value.empty()) {
        return 3;
    }
    *port = static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
    return 0;
}

void SetPort(const char* section, int port) {
    const std::string path = SettingsFilePath();
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    WritePrivateProfileText(section, kPortKey, std::to_string(port).c_str(), path.c_str());
}

}  // namespace

std::string SettingsFilePath() {
    if (!OverridePath().empty()) {
        return OverridePath();
    }
    QString folder = QDir::currentPath();
    if (!QFileInfo(folder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/zano");
    }
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return (folder + QLatin1String(kFileName)).toStdString();
}

void SetSettingsFilePath(const std::string& path) {
    OverridePath() = path;
}

int PortSetting(const char* model, int* port, const char* mode) {
    const char* section = SectionOf(model);
    if (mode != nullptr && std::strcmp(mode, "GET") == 0) {
        return section == nullptr ? 3 : GetPort(model, section, port);
    }
    if (mode != nullptr && std::strcmp(mode, "SET") == 0) {
        if (section != nullptr) {
            SetPort(section, *port);
        }
        return 0;
    }
    return 3;
}
