#pragma once
// Command line of zano-ecu-sim.

#include <optional>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "sim/ecu_model.h"

struct SimArguments {
    EcuVariant variant = EcuVariant::Q7100;
    EcuOptions ecu;
    int comNumber = 0;  // 0: do not register a COM name
    std::string logPath;
    // How long a vanished link stays away before a new pseudo-terminal appears.
    int reconnectMs = 3000;
    // With a folder: the terminal is also DIR/ttyUSB<usbNumber> and
    // its serial/by-id link (sim/usb_device_links.h); after a vanish
    // it comes back as ttyUSB<comeBackAsUsb> (-1: the same number).
    std::string deviceFolder;
    int usbNumber = -1;
    int comeBackAsUsb = -1;
    // End by itself this many ms after the start (exit code 0); < 0: run
    // until stopped by a signal.
    int quitAfterMs = -1;
    // --register RR=VV (hex, repeatable): values the ECU holds at the start
    // instead of its factory ones, applied in the order given.
    std::vector<std::pair<uint8_t, uint8_t>> registers;
    bool help = false;
};

// Arguments without the program name. On a mistake gives nothing and says why.
std::optional<SimArguments> ParseSimArguments(const std::vector<std::string>& args,
                                              std::string* error);

std::string SimUsage();
