// Private-profile files: any bytes as a file's contents, parsed, one key
// rewritten, written out and parsed again, all in memory (the disk side is
// the unit tests' part).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/private_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PrivateProfile profile;
    profile.Parse(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    std::string before;
    const bool had = profile.Value("CONFIG_Q7100", "10", &before);

    profile.SetValue("CONFIG_Q7100", "2B", "FF");
    const QByteArray written = profile.Bytes();
    PrivateProfile again;
    again.Parse(written);
    std::string value;
    // What was written is what is read back, whatever else the file holds,
    // and the other keys keep their values.
    if (!again.Value("config_q7100", "2b", &value) || value != "FF") std::abort();
    std::string after;
    if (had && (!again.Value("CONFIG_Q7100", "10", &after) || after != before)) std::abort();
    return 0;
}
