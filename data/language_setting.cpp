#include "data/language_setting.h"

#include <QDir>
#include <QFileInfo>

#include "data/port_setting.h"
#include "data/private_profile.h"

namespace {
constexpr const char* kSection = "GERAL";
constexpr const char* kKey = "IDIOMA";
}  // namespace

std::string SavedLanguageCode() {
    PrivateProfile profile;
    std::string value;
    if (!profile.Load(SettingsFilePath().c_str()) || !profile.Value(kSection, kKey, &value)) return std::string();
    return value;
}

void SaveLanguageCode(const char* code) {
    const std::string path = SettingsFilePath();
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    WritePrivateProfileText(kSection, kKey, code, path.c_str());
}
