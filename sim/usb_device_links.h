#pragma once
// The simulator seen as a USB serial adapter in a device folder, with the
// links udev makes for one:
//   DIR/ttyUSB<K> -> the pseudo-terminal
//   DIR/serial/by-id/usb-Zano_Simulated_ECU_0001-if00-port0 -> ../../ttyUSB<K>
// The by-id name stays the same whatever number the adapter gets, which is
// how the configurator finds the same adapter again after it came back.

#include <string>

extern const char* const kSimulatedAdapterById;

// Makes (or replaces) both links.
bool AddUsbDeviceLinks(const std::string& folder, int usbNumber, const std::string& terminal,
                       std::string* error);

// Removes both, each only while it is still ours: ttyUSB<K> pointing at
// terminal, the by-id link pointing at ttyUSB<K>.
void RemoveUsbDeviceLinks(const std::string& folder, int usbNumber, const std::string& terminal);
