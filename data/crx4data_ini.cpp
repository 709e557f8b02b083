// CRX4DATA and the register section ("CONFIG_Q5100" / "CONFIG_Q7100") of the
// configuration files.

#include <cstring>
#include <string>
#include <vector>

#include "data/crx4data.h"
#include "data/private_profile.h"
#include "data/store_text.h"
#include "data/utf8_text.h"

namespace {

// Longest register value the file reads accept, as the legacy reader did.
constexpr std::size_t kMaxValueCharacters = 1000;

bool IsConfigModel(const char* model) {
    return model != nullptr &&
           (std::strcmp(model, "Q5100") == 0 || std::strcmp(model, "Q7100") == 0);
}

}  // namespace

int CRX4DATA::ReadConfigINI(const char* file, const char* model) {
    PrivateProfile profile;
    if (!FileExists(file) || !profile.Load(file)) {
        return -1;
    }
    const std::string section = std::string("CONFIG_") + (model == nullptr ? "" : model);
    std::vector<std::string> keywords;
    {
        StoreLock guard(*this);
        for (uint32_t i = 0; i < used_; ++i) {
            keywords.push_back(EntryKeyword(entries_[i]));
        }
    }
    for (const std::string& keyword : keywords) {
        std::string value;
        profile.Value(section.c_str(), keyword.c_str(), &value);
        value = Utf8Left(value, kMaxValueCharacters);
        if (value.empty()) {
            return -2;
        }
        Add(keyword.c_str(), value.c_str());
    }
    return 0;
}

void CRX4DATA::WriteConfigINI(PrivateProfile& profile, const char* model) {
    if (!IsConfigModel(model)) {
        return;
    }
    const std::string section = std::string("CONFIG_") + model;
    StoreLock guard(*this);
    for (uint32_t i = 0; i < used_; ++i) {
        profile.SetValue(section.c_str(), EntryKeyword(entries_[i]).c_str(),
                         EntryValue(entries_[i]).c_str());
    }
}

int CRX4DATA::ReadConfigINI(const char* file, const char* section, const char* keyword,
                            std::string* text) {
    if (!FileExists(file)) {
        return -1;
    }
    text->clear();
    if (section == nullptr ||
        (std::strcmp(section, "CONFIG_Q5100") != 0 && std::strcmp(section, "CONFIG_Q7100") != 0)) {
        return 0;
    }
    PrivateProfile profile;
    std::string value;
    if (!profile.Load(file) || !profile.Value(section, keyword, &value)) {
        return -2;
    }
    value = Utf8Left(value, kMaxValueCharacters);
    if (value.empty()) {
        return -2;
    }
    Add(keyword, value.c_str());
    *text = value;
    return 0;
}
