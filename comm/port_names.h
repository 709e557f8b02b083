#pragma once
// The deterministic "COMn" map of Linux. The settings file stores only the
// number after "COM"; this map turns it into a device path:
//   1. an override: an entry named COMn in the ports folder (normally a
//      symbolic link, so a test or the simulator can point COM1 at a
//      pseudo-terminal). The folder is $ZANO_PORTS_DIR, or else
//      ${XDG_CONFIG_HOME:-$HOME/.config}/zano/ports.
//   2. the default numbering of the detected devices, in fixed ranges of 20:
//      COM1..COM20 = /dev/ttyS0..ttyS19, COM21..COM40 = /dev/ttyUSB0..ttyUSB19,
//      COM41..COM60 = /dev/ttyACM0..ttyACM19 (the folder: SetDeviceFolder).
// docs/serial-ports.md describes the map for users.

#include <string>
#include <vector>

#include "comm/serial_device.h"

// The folder that holds the COMn override links.
std::string PortsDirectory();

// The folder searched for the default devices: "/dev". Tests point it at a
// folder of their own to stand for a machine with other devices; an empty
// text restores "/dev".
void SetDeviceFolder(const std::string& folder);
std::string DeviceFolderPath();

// The number after "COM" ("COM12" gives 12); 0 when the text is anything else.
int PortNumberFromName(const std::string& comName);

// Default numbering, both ways: 23 gives "ttyUSB2" and "ttyUSB2" gives 23.
// Outside the ranges: "" and 0.
std::string DefaultDeviceName(int number);
int DefaultPortNumber(const std::string& deviceName);

// The device path that COMn stands for: the override when there is one (even
// when its target is missing, so that COMn never silently means another
// device), else the default device when it exists; "" when none.
std::string ResolvePortDevice(int number);

// A short reason in the user's language for the port list and the port
// page ("ocupada: ...", "sem permissão: ..."); "" for OpenError::None.
std::string OpenErrorText(OpenError error);

struct PortInfo {
    int number = 0;
    std::string comName;     // "COM21"
    std::string devicePath;  // "/dev/ttyUSB0", or an override's target
    std::string description;
    OpenError status = OpenError::None;
    std::string statusText;  // OpenErrorText(status)
};

// The ports the user can choose, by number. Override links come first and
// hide the default device of their number. ttyUSB and ttyACM devices are
// listed whenever their node exists; ttyS only when QSerialPortInfo reports
// it (the kernel creates ttyS0..ttyS31 whether or not a UART is behind them).
// With probe, each port is opened and closed once, on the calling thread (a
// Qt thread: the worker or the UI, whose pause is one open per port), to
// report busy or no permission. A port this program holds open reads as busy.
std::vector<PortInfo> ListPorts(bool probe);

