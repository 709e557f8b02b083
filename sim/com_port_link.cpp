#include "sim/com_port_link.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {
std::string LinkPath(const std::string& folder, int number) {
    return folder + "/COM" + std::to_string(number);
}
}  // namespace

std::string PortsFolder() {
    if (const char* dir = std::getenv("ZANO_PORTS_DIR"); dir != nullptr && *dir != '\0')
        return dir;
    std::string config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        config = xdg;
    } else {
        const char* home = std::getenv("HOME");
        config = std::string(home != nullptr ? home : ".") + "/.config";
    }
    return config + "/zano/ports";
}

bool RegisterComLink(const std::string& folder, int number, const std::string& target,
                     std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        *error = folder + ": " + ec.message();
        return false;
    }
    return ReplaceSymlink(LinkPath(folder, number), target, error);
}

bool ReplaceSymlink(const std::string& link, const std::string& target, std::string* error) {
    // Made beside the final name and renamed over it, so a reader never
    // finds the name missing or half made.
    const std::string temporary = link + ".tmp" + std::to_string(getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), link.c_str()) != 0) {
        *error = link + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void RemoveComLink(const std::string& folder, int number, const std::string& target) {
    const std::string link = LinkPath(folder, number);
    std::error_code ec;
    if (std::filesystem::read_symlink(link, ec) == target && !ec)
        ::unlink(link.c_str());
}
