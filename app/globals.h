#pragma once
// The program's shared state. Pages pass nothing to each other except
// through these objects; they are defined in one place (globals.cpp) in
// their construction order and reset for tests by ResetGlobals().

#include <atomic>
#include <string>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/config_file.h"
#include "data/crx4data.h"
#include "data/crx4file.h"

// 0 Q7100, 1 Q5100, 2 "Q5100 plus".
extern int ModelIndex;

extern CRX4COMM g_SerialPort;
extern CRX4DATA g_EquipmentStore;  // values last read from the ECU
extern CRX4DATA g_FileStore;       // values of the configuration file
extern CRX4DATA g_MonitorStore;    // live values
extern CRX4FILE g_DumpFile;

extern PendingWrites g_PendingWrites;
extern unsigned char g_SourceIsFile;  // the selector shows "Arquivo"
extern unsigned char g_FileLoaded;    // a configuration file was loaded in this run
extern std::string g_ConfigFilePath;  // file last loaded or saved (up to 1000 chars)
extern std::string g_FocusedKey;      // register key of the field that last had focus
extern unsigned char CtrlKeyDown;
extern unsigned char g_CalibrationRunning;
extern unsigned char g_LiveViewRunning;
extern CustomerData g_CustomerData;

constexpr std::size_t kConfigFilePathCapacity = 1000;
constexpr std::size_t kFocusedKeyCapacity = 11;

// The clock the protocol and the built-in simulator wait with: real time in
// the program; widget tests point it at a virtual clock so that the
// simulated ECU answers at once.
class SwitchableClock : public Clock {
public:
    void WaitMs(int ms) override { Target().WaitMs(ms); }
    int64_t NowMs() const override { return Target().NowMs(); }
    // nullptr goes back to real time.
    void Use(Clock* clock) { target_.store(clock); }

private:
    Clock& Target() const {
        Clock* clock = target_.load();
        return clock ? *clock : real_;
    }
    mutable RealClock real_;
    std::atomic<Clock*> target_{nullptr};
};
extern SwitchableClock g_Clock;

// The session that the worker's jobs run on: the globals above, with the
// model, source and file path copied in by SyncSessionFromGlobals.
EcuSession& GlobalSession();
void SyncSessionFromGlobals();

// File type and register-section model text of the current model.
const char* ModelFileType();  // "Q5100" when ModelIndex is 1, else "Q7100"

// Back to the state at start-up (tests only; the program starts there).
void ResetGlobals();
