#pragma once
// ZANO.INI remembers the serial port number per model: section
// "CONFIG_Q5100" or "CONFIG_Q7100", key "COM", value in decimal ("COM=3").
//
// Where it lives: "ZANO.INI" in the current directory when that directory is
// writable (as the Windows program keeps it); otherwise, for example when the
// program is started from a read-only installation folder, in the user's
// configuration folder ($XDG_CONFIG_HOME/zano, usually ~/.config/zano), which
// does not depend on the application's name being set.

#include <string>

// The override when one is set, else the location described above.
std::string SettingsFilePath();
// Places the settings file at `path`; an empty path restores the default.
void SetSettingsFilePath(const std::string& path);

// mode "GET": reads the port of `model` ("Q5100" or "Q7100") into *port.
//   0 done; 1 no value for "Q5100"; 2 no value for "Q7100"; 3 another model
//   text or an empty value. The caller falls back to port 1.
// mode "SET": writes *port for `model`, creating the file when missing; 0.
//   Another model text writes nothing. A file that cannot be written only
//   means the port is not remembered, so SET reports 0 as well.
// Any other mode does nothing and gives 3.
int PortSetting(const char* model, int* port, const char* mode);
