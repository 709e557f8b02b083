#include "sim/usb_device_links.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "sim/com_port_link.h"

const char* const kSimulatedAdapterById = "usb-Zano_Simulated_ECU_0001-if00-port0";

namespace {
std::string NodeName(int usbNumber) {
    return "ttyUSB" + std::to_string(usbNumber);
}

std::string ByIdFolder(const std::string& folder) {
    return folder + "/serial/by-id";
}

void RemoveIfPointingAt(const std::string& link, const std::string& target) {
    std::error_code ec;
    if (std::filesystem::read_symlink(link, ec) == target && !ec)
        ::unlink(link.c_str());
}
}  // namespace

bool AddUsbDeviceLinks(const std::string& folder, int usbNumber, const std::string& terminal,
                       std::string* error) {
    std::error_code ec;
    std::filesystem::create_directories(ByIdFolder(folder), ec);
    if (ec) {
        *error = ByIdFolder(folder) + ": " + ec.message();
        return false;
    }
    // The node first, so the by-id link never points at nothing.
    return ReplaceSymlink(folder + "/" + NodeName(usbNumber), terminal, error) &&
           ReplaceSymlink(ByIdFolder(folder) + "/" + kSimulatedAdapterById,
                          "../../" + NodeName(usbNumber), error);
}

void RemoveUsbDeviceLinks(const std::string& folder, int usbNumber, const std::string& terminal) {
    RemoveIfPointingAt(ByIdFolder(folder) + "/" + kSimulatedAdapterById,
                       "../../" + NodeName(usbNumber));
    RemoveIfPointingAt(folder + "/" + NodeName(usbNumber), terminal);
}
