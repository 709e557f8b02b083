// Configuration files chosen by the user: any bytes, loaded into a store
// that holds the registers an ECU reported.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "data/config_file.h"
#include "data/crx4data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Memory when the system offers it: every run writes, reads and removes the file.
    const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string path = folder + "/zano-fuzz-config-" + std::to_string(getpid()) + ".Q7100";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);

    CRX4DATA store;
    for (const char* reg : {"10", "12", "1E", "1F", "2B", "2C"}) store.Add(reg, "0");
    CustomerData customer;
    const int result = ReadConfigurationFile(path.c_str(), "Q7100", store, &customer);
    if (result != 0 && result != -1 && result != -2) std::abort();
    for (const CustomerField& field : CustomerFields()) {
        // Texts are cut to their capacity, never kept longer.
        if ((customer.*field.text).size() > field.capacity * 4) std::abort();
    }
    if (store.GetQtyUsed() != 6) std::abort();
    std::remove(path.c_str());
    return 0;
}
