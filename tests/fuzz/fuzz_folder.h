#pragma once
// Where the file fuzzers put their one scratch file: memory when the system
// offers it, since every run writes, reads and removes a file.
#include <unistd.h>

#include <string>

inline std::string FuzzFolder() {
    return access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}
