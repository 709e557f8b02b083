#pragma once
// The adapter behind a port number, followed across re-plugs. A USB adapter
// that slips out and comes back may get another ttyUSB number from the
// kernel, but udev gives it the same name in serial/by-id (maker, model,
// serial number). Once COMn has been resolved to a device that has such a
// name, COMn means that adapter for the rest of the run: a reconnection
// finds it under its new number. An override link (port_names.h) is its own
// identity and is simply resolved again.

#include <string>

// The serial/by-id entry of the device folder that points at devicePath;
// "" when there is none.
std::string ByIdName(const std::string& devicePath);

// The device COMn stands for now: the remembered adapter ("" while it is
// unplugged, even when another device took its number), else
// ResolvePortDevice(number), remembering the adapter found there when it
// has a by-id name.
std::string ResolveAdapter(int number);

// Forgets every remembered adapter (a new device folder in tests).
void ForgetAdapters();
