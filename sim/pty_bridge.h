#pragma once
// Serves an EcuModel on a pseudo-terminal in real time: whatever a program
// writes to the slave side reaches the model, and the model's answers are
// written to the master side as the line would deliver them.

#include <csignal>
#include <cstdint>
#include <optional>
#include <string>

#include "comm/clock.h"
#include "sim/ecu_model.h"

class PtyBridge {
  public:
    enum class ServeEnd { Stopped, LinkLost, Vanished, Failed };

    PtyBridge() = default;
    ~PtyBridge();
    PtyBridge(const PtyBridge&) = delete;
    PtyBridge& operator=(const PtyBridge&) = delete;

    // A new pseudo-terminal in raw mode.
    bool Open(std::string* error);
    void Close();
    const std::string& SlavePath() const { return slavePath_; }

    // Runs until stop becomes non-zero, the model's link vanishes, the clock
    // reaches vanishAtMs (the adapter is pulled) or the terminal fails.
    ServeEnd Serve(EcuModel& model, const Clock& clock, const volatile std::sig_atomic_t& stop,
                   std::optional<int64_t> vanishAtMs = std::nullopt);

  private:
    int master_ = -1;
    // Held open so the master never sees a hang-up while no program has the
    // port open.
    int slave_ = -1;
    std::string slavePath_;
};
