#pragma once
// The link to one ECU for a command of zano-cli: the session the protocol
// procedures run on (its own port, stores and write queue, the real clock),
// opened on a COM port or on the in-process simulator. Everything runs on the
// calling thread, one exchange after the other.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "comm/clock.h"
#include "comm/crx4comm.h"
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"
#include "data/crx4data.h"
#include "data/crx4file.h"

class PageModel;
class SerialDevice;

// What the protocol asks of a page, for a tool without windows: a refresh
// fills the page given (or checks the customer page's registers 1E and 1F),
// a write pass queues exactly `entries`, messages go to stderr, and a stop is
// asked for once `stop` is set (by the SIGINT handler).
class CliHooks : public PageHooks {
  public:
    explicit CliHooks(const std::atomic<bool>* stop = nullptr) : stop_(stop) {}
    const PageModel* page = nullptr;
    std::vector<PendingWrite> entries;

    int RefreshFromStore(CRX4DATA& store) override;
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char* key, PendingWrites& pending) override;
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override;
    bool StopRequested() override { return stop_ && stop_->load(); }

  private:
    const std::atomic<bool>* stop_;
};

class EcuConnection {
  public:
    // portNumber > 0: COMn through the system's devices; else the in-process
    // simulator of simulatorModel, running in real time.
    EcuConnection(int modelIndex, int portNumber, int simulatorModel);
    ~EcuConnection();
    EcuConnection(const EcuConnection&) = delete;
    EcuConnection& operator=(const EcuConnection&) = delete;

    // Opens the link as the customer page does (OpenEcuLink). False, with a
    // one-line reason, when the port did not open.
    bool Open(std::string* why);
    // The customer page's read: "FULL" into the equipment store with its row,
    // up to three tries. False, with a one-line reason, when no answer came.
    bool ReadAll(CliHooks& hooks, std::string* why);

    EcuSession& Session() { return session_; }
    CRX4DATA& EquipmentStore() { return equipment_; }
    CRX4DATA& FileStore() { return file_; }
    int ModelIndex() const { return session_.modelIndex; }
    // Why a read found no ECU, with the hint for a "Q5100 plus" read as a Q7100.
    std::string NoAnswerText() const;
    // "COM5" or "simulador", as the datalog's header names the port.
    std::string PortText() const;
    // The same in the run's language, for messages.
    std::string ShownPortText() const;

  private:
    RealClock clock_;
    CRX4COMM port_;
    CRX4DATA equipment_, file_, monitor_;
    PendingWrites pending_;
    CRX4FILE dump_;
    EcuSession session_;
    int portNumber_;
    // The device of the last open, to say why it failed.
    std::shared_ptr<std::shared_ptr<SerialDevice>> lastDevice_;
};
