#pragma once
// A COM name for the simulator: a symbolic link COMn in the configurator's
// ports folder that points at the pseudo-terminal, so the program finds the
// simulated ECU under the port number it remembers.

#include <string>

// $ZANO_PORTS_DIR, else ${XDG_CONFIG_HOME:-$HOME/.config}/zano/ports.
std::string PortsFolder();

// Creates the folder if needed and makes (or replaces) COMn -> target.
bool RegisterComLink(const std::string& folder, int number, const std::string& target,
                     std::string* error);

// Removes COMn, but only while it still points at target: another
// simulator may have taken the name since.
void RemoveComLink(const std::string& folder, int number, const std::string& target);

// Makes link -> target, replacing what was there in one step (made beside
// it and renamed over it, so a reader never finds the name missing).
bool ReplaceSymlink(const std::string& link, const std::string& target, std::string* error);
