#pragma once
// The serial port makes a new device at every open. The simulated ECU must
// outlive those opens (a real ECU keeps its registers when the port is
// closed), so the port gets a thin handle that forwards to one shared device.

#include <memory>

#include "comm/serial_device.h"

SerialDevicePtr MakeForwardingDevice(std::shared_ptr<SerialDevice> target);
