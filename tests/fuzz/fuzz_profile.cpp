// Private-profile files: any bytes as a file, read, one key rewritten,
// written back and read again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/private_profile.h"
#include "fuzz_folder.h"

namespace {
std::string TempFile(const char* tag) {
    return FuzzFolder() + "/zano-fuzz-" + tag + "-" + std::to_string(getpid()) + ".ini";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = TempFile("profile");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);

    char value[1001];
    GetPrivateProfileText("CONFIG_Q7100", "10", "", value, sizeof value, path.c_str());
    PrivateProfile profile;
    if (profile.Load(path.c_str())) {
        profile.SetValue("CONFIG_Q7100", "2B", "FF");
        if (profile.Save(path.c_str())) {
            GetPrivateProfileText("config_q7100", "2b", "", value, sizeof value, path.c_str());
            // What was written is what is read back, whatever else the file holds.
            if (std::string(value) != "FF") std::abort();
        }
    }
    std::remove(path.c_str());
    return 0;
}
