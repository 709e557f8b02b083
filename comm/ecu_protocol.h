#pragma once
// The procedures with which every page talks to the ECU: opening the link,
// reading registers (from the ECU or, with the "Arquivo" source, from the
// configuration file), queueing changed values and the write pass with its
// confirm frames and read-back, and the live-stream helpers of the monitor.
// They run on the worker thread; each takes the session it works on, the
// caller's timing row and the page's hooks.

#include <cstdint>
#include <string>
#include <vector>

#include "comm/answer_parser.h"
#include "comm/pending_writes.h"
#include "comm/timing_profiles.h"

class CRX4COMM;
class CRX4DATA;
class CRX4FILE;
class Clock;
struct ParameterRecord;

// The page result that a failed read-back ends the page with.
constexpr int kReadFailedResult = 3;
// An exchange cut short because the link was lost (link_health.h): no
// message, the page stays; the link watcher says what happened.
constexpr int kLinkLostResult = 5;
// A write pass its caller stopped between two entries (PageHooks::StopRequested).
constexpr int kWriteStoppedResult = 6;


// Everything an exchange touches. The application builds one from its
// globals; tests build their own.
struct EcuSession {
    CRX4COMM& port;
    Clock& clock;
    CRX4DATA& equipmentStore;  // values read from the ECU ("Equipamento")
    CRX4DATA& fileStore;       // values of the configuration file ("Arquivo")
    CRX4DATA& monitorStore;    // live values
    PendingWrites& pendingWrites;
    CRX4FILE& dumpFile;
    int modelIndex = 0;         // 0 Q7100, 1 Q5100, 2 "Q5100 plus"
    bool sourceIsFile = false;  // the source selector shows "Arquivo"
    std::string configFilePath;
};

enum class MessageIcon { None, Information, Exclamation, Stop };

// What the protocol needs of the page that runs it. Called on the thread that
// runs the procedure; the worker wraps a page's hooks so that they run on the
// UI thread (ecu_worker.h).
class PageHooks {
  public:
    virtual ~PageHooks() = default;
    // Shows the store's values in the page's fields: 0, or 1 when one of the
    // page's registers is missing from the store.
    virtual int RefreshFromStore(CRX4DATA& store) = 0;
    // Enables or disables the commands that could start another exchange.
    virtual void SetCommandsEnabled(bool enabled) = 0;
    // Appends the page's register writes for the key ("FULL" or one field's
    // key) to the queue.
    virtual void QueueWritesForKey(const char* key, PendingWrites& pending) = 0;
    // A message box with an OK button; returns when the user has closed it.
    // The texts come as written (Portuguese, marked for translation): the
    // hook looks them up in the run's language where it shows them.
    virtual void ShowMessage(const char* text, const char* title, MessageIcon icon) = 0;
    // Asked before each entry of a write pass: true ends the pass there, as
    // a lost link does (see WritePendingRegisters). The pages never stop one.
    virtual bool StopRequested() { return false; }
};

// Empties the write queue, opens the port (the number from the settings file
// when none is set yet, else port 1), sets the model's line settings and the
// non-blocking read time-outs.
void OpenEcuLink(EcuSession& session);

// After a lost link: closes the port and opens the same port number again
// with the model's line settings, leaving the write queue alone. True when
// the port opened (whether the ECU answers is for a read to find out).
bool ReopenEcuLink(EcuSession& session);

// One read-all into the equipment store with the row's waits, from the ECU
// whatever the source selector shows: 0 when the ECU answered, else 1.
int ProbeEcu(EcuSession& session, const TimingProfile& profile);

// Reads the key ("FULL" or one register) into the store: 0 on success, 1 when
// no answer came or the page's refresh misses a register. With the "Arquivo"
// source (and a row that follows it) the configuration file is read instead.
int ReadRegisters(EcuSession& session, const char* key, CRX4DATA& store,
                  const TimingProfile& profile, PageHooks& hooks);

// Up to three ReadRegisters into the store of the current source. Gives 0, or
// kReadFailedResult after showing "Erro na leitura dos parâmetros !!!" once.
int ReadRegistersWithRetry(EcuSession& session, const char* key, const TimingProfile& profile,
                           PageHooks& hooks);

// Appends (register, value text) when the value differs from the store's.
// mode 1: valueText is an option index, the value is index + Values[0];
// other modes: a list record takes Values[index], a numeric record the number
// divided by Step and rounded (the number itself when Step is 0).
void QueueRegisterWrite(const ParameterRecord& record, const char* valueText, int mode,
                        CRX4DATA& store, PendingWrites& pending);

// The write pass: the page queues its writes for the key, each entry is sent
// with its confirm frames, then the key (or "FULL" for a group key) is read
// back. Does nothing while "Arquivo" is shown, unless the row says so. Gives
// the read-back's result (0 or kReadFailedResult), or kLinkLostResult when
// the link went in the middle: the pass stops there, nothing is read back,
// and pendingWrites.LastPass says which entries the ECU confirmed. When the
// hooks ask to stop, the entries from there on are not sent, nothing is read
// back, LastPass is filled the same way and the result is kWriteStoppedResult.
int WritePendingRegisters(EcuSession& session, const char* key, const TimingProfile& profile,
                          PageHooks& hooks);

// A new pass of exactly these entries (the rest a lost link left), sent in
// the given order with the row's waits, then "FULL" read back; results as
// WritePendingRegisters. The page's own fields are not queued.
int ResendWrites(EcuSession& session, const std::vector<PendingWrite>& entries,
                 const TimingProfile& profile, PageHooks& hooks);

// The live stream: one start frame; three stop frames, spacingMs after each.
void StartMonitoring(EcuSession& session);
void StopMonitoring(EcuSession& session, int spacingMs);

// The read-all of the monitor when it opens (MonitorSnapshot row): 0, or 1
// when no answer came.
int ReadMonitorSnapshot(EcuSession& session, CRX4DATA& store);

// Results of a poll of the live stream.
constexpr int kPollOk = 0;
constexpr int kPollFailed = 1;
constexpr int kPollEmpty = 12;  // an answer that started with a zero byte

// Reads what has arrived and stores its five-token groups. `answer` (when
// given) tells whether the calibration ended.
int PollMonitorAnswer(EcuSession& session, CRX4DATA& store, CheckRule rule,
                      MonitorAnswer* answer = nullptr);
