#include "comm/ecu_protocol.h"
#include "data/number_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/parameter_table.h"
#include "comm/clock.h"
#include "comm/comm_trace.h"
#include "comm/crx4comm.h"
#include "comm/ecu_frames.h"
#include "comm/hex_text.h"
#include "comm/link_health.h"
#include "comm/pending_writes.h"
#include "comm/port_names.h"
#include "data/crx4data.h"
#include "data/crx4file.h"
#include "data/diagnostic_dump.h"
#include "data/port_setting.h"
#include "data/private_profile.h"
#include "data/store_text.h"
#include "i18n/ui_text.h"

namespace {

// Every answer read uses a buffer of this size; an answer that fills it is
// taken as a failed read.
constexpr uint32_t kAnswerBufferSize = 10000;
constexpr int kReadAttempts = 3;
constexpr int kConfirmFrames = 3;
constexpr int kStopFrames = 3;
constexpr uint32_t kFileValueSize = 257;  // 256 characters and the terminator
constexpr const char* kReadFailedMessage = TR_NOOP("Erro na leitura dos parâmetros !!!");

// A zero wait is no wait: it leaves no trace in a transcript either.
void Wait(EcuSession& session, int ms) {
    if (ms > 0)
        session.clock.WaitMs(ms);
}

void Send(EcuSession& session, const EcuFrame& frame) {
    uint32_t written = 0;
    // A failed write is not reported: the read-back shows what the ECU holds.
    session.port.WritePort(frame.Bytes, frame.Size, &written);
}

bool ReadAnswer(EcuSession& session, std::vector<char>& text) {
    text.assign(kAnswerBufferSize, '\0');
    uint32_t length = 0;
    return session.port.ReadPort(text.data(), kAnswerBufferSize, &length) == COMM_OK;
}

const char* ConfigSection(const EcuSession& session) {
    return session.modelIndex == 1 ? "CONFIG_Q5100" : "CONFIG_Q7100";
}

bool IsGroupKey(const char* key) {
    for (const char* group : {"15_16", "26_27", "60_78", "75_76"}) {
        if (std::strcmp(key, group) == 0)
            return true;
    }
    return false;
}

// "FULL" takes the row's registers that the file has; a single register
// missing from the file fails the read.
int ReadFromConfigFile(EcuSession& session, const char* key, CRX4DATA& store,
                       const TimingProfile& profile, PageHooks& hooks) {
    const char* path = session.configFilePath.c_str();
    if (std::strcmp(key, "FULL") == 0) {
        std::string value;
        for (const char* reg : profile.fileRegisters) {
            session.fileStore.ReadConfigINI(path, ConfigSection(session), reg, &value);
        }
    } else {
        char value[kFileValueSize] = {};
        if (GetPrivateProfileText(ConfigSection(session), key, "", value, sizeof(value), path) ==
            0) {
            return 1;
        }
        store.Add(key, value);
    }
    hooks.RefreshFromStore(store);
    return 0;
}

// Sends the read command, waits and reads the answer into the store.
bool ExchangeRead(EcuSession& session, const char* key, CRX4DATA& store,
                  const TimingProfile& profile) {
    std::vector<char> text;
    if (profile.backlog == Backlog::Discard)
        session.port.DiscardReceived();
    Send(session, ReadCommandForKey(session.modelIndex, key));
    Wait(session, profile.firstWaitMs);
    LinkHealth& health = session.port.Health();
    for (int call = 1;; ++call) {
        if (ReadAnswer(session, text))
            break;
        if (health.Lost())
            return false;
        if (call >= profile.readCalls) {
            health.AnswerMissed();
            return false;
        }
        Wait(session, profile.retryWaitMs);
    }
    ParseAnswer(text.data(), store);
    health.Recovered();
    return true;
}

bool DumpAfterRead(const EcuSession& session, DumpRule rule) {
    return rule == DumpRule::Always || (rule == DumpRule::OnlyQ5100 && session.modelIndex == 1);
}

// True when the ECU answered the write and the link was still up at the
// entry's end. A lost link cuts the entry short.
bool SendEntry(EcuSession& session, const PendingWrite& entry, const TimingProfile& profile) {
    LinkHealth& health = session.port.Health();
    Wait(session, profile.entryLeadMs);
    Send(session,
         RegisterWriteFrame(session.modelIndex, static_cast<uint8_t>(HexTextToInt(entry.Register)),
                            static_cast<uint8_t>(HexTextToInt(entry.Value))));
    Wait(session, profile.answerWaitMs);
    // The answer's content is not examined; only whether one came.
    std::vector<char> text;
    const bool answered = ReadAnswer(session, text);
    // A row that confirms whatever came does not count on an answer.
    if (!answered && profile.confirm == ConfirmPolicy::OnlyAfterAnswer)
        health.AnswerMissed();
    if (health.Lost())
        return false;
    Wait(session, profile.afterAnswerWaitMs);
    if (answered || profile.confirm == ConfirmPolicy::Always) {
        for (int i = 0; i < kConfirmFrames; ++i) {
            Send(session, ConfirmFrame(session.modelIndex));
            Wait(session, profile.confirmSpacingMs);
        }
    }
    Wait(session, profile.entryTrailingMs);
    return answered && !health.Lost();
}

// "%0.0f" rounding, as the register values have always been computed.
long RoundedNumber(double number) {
    return NumberText::ToLong(NumberText::Format("%0.0f", number));
}

// The model's line settings on the open port; the Q7100 reopens it at 38400.
void ConfigureLink(EcuSession& session) {
    session.port.SetPortBaudRate(session.modelIndex == 1 ? 9600 : 38400);
    session.port.SetPortDtaBit(8);
    session.port.SetPortStopBit(0);
    session.port.SetPortParity(0);
    if (session.modelIndex != 1)
        session.port.OpenPort();
    // Reads return at once with what has arrived; a write may take 5 s.
    session.port.SetCommunicationTimeouts(0xFFFFFFFF, 0, 0, 0, 5000);
}

}  // namespace

// The trace names the model and the port the link is opened on.
static void TraceLinkStart(const EcuSession& session) {
    CommTrace* trace = session.port.Trace();
    if (!trace)
        return;
    const int number = session.port.GetPortNumber();
    std::string port = "COM" + std::to_string(number);
    const std::string device = ResolvePortDevice(number);
    if (!device.empty())
        port += " (" + device + ")";
    trace->Start(TraceModelName(session.modelIndex), port);
}

void OpenEcuLink(EcuSession& session) {
    session.pendingWrites.Clear();
    const bool openHere = session.port.GetPortNumber() == 0;
    if (openHere) {
        int portNumber = 0;
        const char* model = session.modelIndex == 1 ? "Q5100" : "Q7100";
        if (PortSetting(model, &portNumber, "GET") != 0)
            portNumber = 1;
        session.port.SetPortNumber(portNumber);
    }
    TraceLinkStart(session);
    if (openHere)
        session.port.OpenPort();
    ConfigureLink(session);
}

bool ReopenEcuLink(EcuSession& session) {
    if (session.port.OpenPort() != COMM_OK)
        return false;
    ConfigureLink(session);
    return session.port.PortConnected() != 0;
}

int ProbeEcu(EcuSession& session, const TimingProfile& profile) {
    return ExchangeRead(session, "FULL", session.equipmentStore, profile) ? 0 : 1;
}

int ReadRegisters(EcuSession& session, const char* key, CRX4DATA& store,
                  const TimingProfile& profile, PageHooks& hooks) {
    if (session.sourceIsFile && profile.source == ReadSource::SelectedSource) {
        return ReadFromConfigFile(session, key, store, profile, hooks);
    }
    if (!ExchangeRead(session, key, store, profile))
        return 1;
    if (DumpAfterRead(session, profile.dump)) {
        WriteDiagnosticDump(store, session.modelIndex, session.dumpFile);
    }
    switch (profile.refresh) {
        case RefreshRule::ReadStore:
            return hooks.RefreshFromStore(store);
        case RefreshRule::EquipmentStore:
            return hooks.RefreshFromStore(session.equipmentStore);
        case RefreshRule::None:
            break;
    }
    return 0;
}

int ReadRegistersWithRetry(EcuSession& session, const char* key, const TimingProfile& profile,
                           PageHooks& hooks) {
    hooks.SetCommandsEnabled(false);
    Wait(session, profile.readLeadMs);
    const bool fromFile = session.sourceIsFile && profile.source == ReadSource::SelectedSource;
    CRX4DATA& store = fromFile ? session.fileStore : session.equipmentStore;
    int result = kReadFailedResult;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (ReadRegisters(session, key, store, profile, hooks) == 0) {
            result = 0;
            break;
        }
        if (session.port.Health().Lost()) {
            result = kLinkLostResult;
            break;
        }
    }
    if (result == kReadFailedResult)
        hooks.ShowMessage(kReadFailedMessage, "", MessageIcon::None);
    hooks.SetCommandsEnabled(true);
    return result;
}

void QueueRegisterWrite(const ParameterRecord& record, const char* valueText, int mode,
                        CRX4DATA& store, PendingWrites& pending) {
    std::string storedText;
    if (!StoreValueText(store, record.Address, &storedText))
        return;

    long value = 0;
    if (mode == 1) {
        value = NumberText::ToLong(valueText) + NumberText::ToLong(record.Values[0]);
    } else if (record.OptionCount != -1) {
        const long index = NumberText::ToLong(valueText);
        // An index outside the options names no value: nothing to write.
        if (index < 0 || index >= static_cast<long>(record.OptionCount) || index >= 10)
            return;
        value = NumberText::ToLong(record.Values[index]);
    } else if (record.Step != 0) {
        value = RoundedNumber(NumberText::ToDouble(valueText) / record.Step);
    } else {
        value = RoundedNumber(NumberText::ToDouble(valueText));
    }

    const std::string text = IntToHexText(static_cast<uint32_t>(value));
    if (text != storedText)
        pending.Append(record.Address, text.c_str());
}

int WritePendingRegisters(EcuSession& session, const char* key, const TimingProfile& profile,
                          PageHooks& hooks) {
    if (session.sourceIsFile && profile.writeFollowsSource)
        return 0;
    PendingWrites& pending = session.pendingWrites;
    hooks.QueueWritesForKey(key, pending);
    hooks.SetCommandsEnabled(false);
    WritePassReport report;
    LinkHealth& health = session.port.Health();
    bool stopped = false;
    for (uint32_t n = 0; n < pending.Count; ++n) {
        const uint32_t i = profile.order == WriteOrder::QueueOrder ? n : pending.Count - 1 - n;
        const PendingWrite& entry = pending.Entries[i];
        // Stopping falls between entries only: an entry begun goes out whole.
        stopped = stopped || (!health.Lost() && hooks.StopRequested());
        if (!stopped && !health.Lost() && SendEntry(session, entry, profile))
            report.confirmed.push_back(entry);
        else
            report.notConfirmed.push_back(entry);
    }
    pending.Count = 0;
    // A link lost during the pass or its read-back: nothing more is sent,
    // and the page learns which entries the ECU confirmed.
    const int result = health.Lost() ? kLinkLostResult
                       : stopped     ? kWriteStoppedResult
                                     : ReadRegistersWithRetry(session, IsGroupKey(key) ? "FULL" : key,
                                                              profile, hooks);
    if (result == kLinkLostResult || result == kWriteStoppedResult) {
        report.interrupted = true;
        report.row = &profile;
        pending.LastPass = std::move(report);
    }
    hooks.SetCommandsEnabled(true);
    return result;
}

namespace {

// The page's hooks, except that the pass queues the given entries instead
// of the page's fields.
class ResendHooks : public PageHooks {
  public:
    ResendHooks(PageHooks& page, const std::vector<PendingWrite>& entries, WriteOrder order)
        : page_(page), entries_(entries), order_(order) {}
    int RefreshFromStore(CRX4DATA& store) override { return page_.RefreshFromStore(store); }
    void SetCommandsEnabled(bool enabled) override { page_.SetCommandsEnabled(enabled); }
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override {
        page_.ShowMessage(text, title, icon);
    }
    bool StopRequested() override { return page_.StopRequested(); }
    // A pass that takes the last queued first gets the entries reversed, so
    // they go out in the given order.
    void QueueWritesForKey(const char*, PendingWrites& pending) override {
        const size_t n = entries_.size();
        for (size_t k = 0; k < n; ++k) {
            const PendingWrite& entry =
                entries_[order_ == WriteOrder::QueueOrder ? k : n - 1 - k];
            pending.Append(entry.Register, entry.Value);
        }
    }

  private:
    PageHooks& page_;
    const std::vector<PendingWrite>& entries_;
    WriteOrder order_;
};

}  // namespace

int ResendWrites(EcuSession& session, const std::vector<PendingWrite>& entries,
                 const TimingProfile& profile, PageHooks& hooks) {
    ResendHooks resend(hooks, entries, profile.order);
    return WritePendingRegisters(session, "FULL", profile, resend);
}

void StartMonitoring(EcuSession& session) {
    Send(session, MonitorStartCommand(session.modelIndex));
}

void StopMonitoring(EcuSession& session, int spacingMs) {
    for (int i = 0; i < kStopFrames; ++i) {
        Send(session, MonitorStopCommand(session.modelIndex));
        Wait(session, spacingMs);
    }
}

int ReadMonitorSnapshot(EcuSession& session, CRX4DATA& store) {
    return ExchangeRead(session, "FULL", store, TimingFor(EcuCaller::MonitorSnapshot)) ? 0 : 1;
}

int PollMonitorAnswer(EcuSession& session, CRX4DATA& store, CheckRule rule, MonitorAnswer* answer) {
    std::vector<char> text;
    if (!ReadAnswer(session, text))
        return kPollFailed;
    if (text[0] == '\0')
        return kPollEmpty;
    const MonitorAnswer parsed = ParseMonitorAnswer(text.data(), store, rule);
    if (answer != nullptr)
        *answer = parsed;
    return kPollOk;
}
