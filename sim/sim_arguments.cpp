#include "sim/sim_arguments.h"

#include <cstdlib>
#include <utility>

namespace {
bool ParseNumber(const std::string& text, int base, int low, int high, int* out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || value < low || value > high)
        return false;
    *out = static_cast<int>(value);
    return true;
}
}  // namespace

std::string SimUsage() {
    return "usage: zano-ecu-sim [options]\n"
           "  --model q7100|q5100|q5100plus  ECU variant (q7100)\n"
           "  --com N                 register the pseudo-terminal as COMN in the ports folder\n"
           "  --rev                   run the engine revved (about 4000 rpm)\n"
           "  --log FILE              write received frames and the registers at exit\n"
           "  --calibration-ms MS     streaming time until the calibration result (5000)\n"
           "  --quit-after MS         end by itself MS ms after the start, with exit code 0\n"
           "  --device-folder DIR     with --usb: also appear as a USB adapter in DIR\n"
           "  --usb K                 as DIR/ttyUSBK, with DIR/serial/by-id/ pointing at it\n"
           "  --come-back-as L        after a vanish, come back as DIR/ttyUSBL (K)\n"
           "  --register RR=VV        start with register RR holding VV (hex; repeatable)\n"
           "faults:\n"
           "  --no-answer             never answer\n"
           "  --late MS               answer requests MS later than normal\n"
           "  --missing-register RR   leave register RR (hex) out of read answers\n"
           "  --bad-check RR          wrong check in the live groups of register RR (hex)\n"
           "  --zero-first            read answers start with a 00 byte\n"
           "  --garbage               stray bytes between groups\n"
           "  --huge-answer           read-all answers of 10000 bytes or more\n"
           "  --line-rate-stream      the live stream fills the line, burst after burst\n"
           "  --drop-after N          the link vanishes after N frames\n"
           "  --reconnect-ms MS       a new pseudo-terminal appears MS later (3000)\n"
           "  --vanish-after MS       the adapter is pulled MS after the start...\n"
           "  --vanish-for MS         ...and a new pseudo-terminal appears MS later\n"
           "  --power-cycle-after MS  the ECU loses power MS after the start...\n"
           "  --power-off-for MS      ...and is silent for MS, then answers without its stream\n"
           "  --calibration ok|fail|silent  how the calibration ends (ok)\n";
}

std::optional<SimArguments> ParseSimArguments(const std::vector<std::string>& args,
                                              std::string* error) {
    SimArguments parsed;
    FaultOptions& faults = parsed.ecu.faults;
    bool vanishForGiven = false;
    bool powerOffGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        std::string text;
        bool ok = true;
        if (option == "--help" || option == "-h") {
            parsed.help = true;
        } else if (option == "--rev") {
            parsed.ecu.revving = true;
        } else if (option == "--no-answer") {
            faults.noAnswer = true;
        } else if (option == "--zero-first") {
            faults.leadingZero = true;
        } else if (option == "--garbage") {
            faults.garbageBetweenGroups = true;
        } else if (option == "--huge-answer") {
            faults.hugeAnswer = true;
        } else if (option == "--line-rate-stream") {
            faults.streamAtLineRate = true;
        } else if (option == "--model") {
            std::optional<EcuVariant> variant;
            ok = value(&text) && (variant = VariantFromName(text)).has_value();
            if (ok)
                parsed.variant = *variant;
        } else if (option == "--com") {
            ok = value(&text) && ParseNumber(text, 10, 1, 255, &parsed.comNumber);
        } else if (option == "--log") {
            ok = value(&parsed.logPath) && !parsed.logPath.empty();
        } else if (option == "--late") {
            ok = value(&text) && ParseNumber(text, 10, 0, 600000, &faults.extraDelayMs);
        } else if (option == "--missing-register") {
            ok = value(&text) && ParseNumber(text, 16, 0, 255, &faults.missingRegister);
        } else if (option == "--bad-check") {
            ok = value(&text) && ParseNumber(text, 16, 0, 255, &faults.badCheckRegister);
        } else if (option == "--drop-after") {
            ok = value(&text) && ParseNumber(text, 10, 1, 1000000, &faults.linkDropAfterFrames);
        } else if (option == "--reconnect-ms") {
            ok = value(&text) && ParseNumber(text, 10, 0, 600000, &parsed.reconnectMs);
        } else if (option == "--vanish-after") {
            ok = value(&text) && ParseNumber(text, 10, 0, 86400000, &faults.vanishAfterMs);
        } else if (option == "--vanish-for") {
            ok = value(&text) && ParseNumber(text, 10, 0, 600000, &faults.vanishForMs);
            vanishForGiven = ok;
        } else if (option == "--power-cycle-after") {
            ok = value(&text) && ParseNumber(text, 10, 0, 86400000, &faults.powerCycleAfterMs);
        } else if (option == "--power-off-for") {
            ok = value(&text) && ParseNumber(text, 10, 0, 600000, &faults.powerOffMs);
            powerOffGiven = ok;
        } else if (option == "--device-folder") {
            ok = value(&parsed.deviceFolder) && !parsed.deviceFolder.empty();
        } else if (option == "--usb") {
            ok = value(&text) && ParseNumber(text, 10, 0, 19, &parsed.usbNumber);
        } else if (option == "--come-back-as") {
            ok = value(&text) && ParseNumber(text, 10, 0, 19, &parsed.comeBackAsUsb);
        } else if (option == "--quit-after") {
            ok = value(&text) && ParseNumber(text, 10, 0, 86400000, &parsed.quitAfterMs);
        } else if (option == "--register") {
            int reg = 0, byte = 0;
            const size_t equals = value(&text) ? text.find('=') : std::string::npos;
            ok = equals != std::string::npos && ParseNumber(text.substr(0, equals), 16, 0, 255, &reg) &&
                 ParseNumber(text.substr(equals + 1), 16, 0, 255, &byte);
            if (ok)
                parsed.registers.emplace_back(static_cast<uint8_t>(reg), static_cast<uint8_t>(byte));
        } else if (option == "--calibration-ms") {
            ok = value(&text) && ParseNumber(text, 10, 0, 600000, &parsed.ecu.calibrationMs);
        } else if (option == "--calibration") {
            ok = value(&text);
            if (text == "ok") {
                faults.calibration = CalibrationOutcome::Success;
            } else if (text == "fail") {
                faults.calibration = CalibrationOutcome::Failure;
            } else if (text == "silent") {
                faults.calibration = CalibrationOutcome::NoAnswer;
            } else {
                ok = false;
            }
        } else {
            *error = "unknown option " + option;
            return std::nullopt;
        }
        if (!ok) {
            *error = "bad or missing value for " + option;
            return std::nullopt;
        }
    }
    // Options that mean nothing without their partner.
    const std::pair<bool, const char*> pairs[] = {
        {(faults.vanishAfterMs >= 0) != vanishForGiven, "--vanish-after and --vanish-for go together"},
        {(faults.powerCycleAfterMs >= 0) != powerOffGiven,
         "--power-cycle-after and --power-off-for go together"},
        {parsed.deviceFolder.empty() != (parsed.usbNumber < 0),
         "--device-folder and --usb go together"},
        {parsed.comeBackAsUsb >= 0 && parsed.usbNumber < 0, "--come-back-as needs --usb"},
    };
    for (const auto& [wrong, why] : pairs) {
        if (wrong) {
            *error = why;
            return std::nullopt;
        }
    }
    return parsed;
}
