#pragma once
// The lambda simulation step: which probe signal the ECU hands to the
// vehicle's engine computer while the engine runs on gas, the ON and OFF
// times of the simulated square wave and, on the full page (Q7100 and
// "Q5100 plus", dialog 108), the "Real" signal with its operating mode and
// default injection time. LambdaBasicPageModel serves the Q5100 (dialog 117).

#include "comm/ecu_protocol.h"
#include "pages/page_model.h"

enum LambdaControl {
    kLambdaSignalType = 1151,
    kLambdaMode = 1152,
    kLambdaOnTime = 1196,
    kLambdaOffTime = 1197,
    kLambdaInjection = 1208,
};

// Indexes of the signal-type list; the basic page has the first three.
enum LambdaSignalType {
    kSignalStandard = 0,
    kSignalSpecific = 1,
    kSignalOpen = 2,
    kSignalReal = 3
};
// Indexes of the operating-mode list.
enum LambdaMode { kModeAutomatic = 0, kModeManual = 1 };

// The standard square wave's ON and OFF time.
constexpr const char* kStandardTimeText = "0.36";

class LambdaPageModelBase : public PageModel {
  public:
    const std::vector<FieldDef>& Fields() const override { return fields_; }
    PageProtocol Protocol() const override { return {caller_, caller_, caller_}; }
    void QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                        PendingWrites& pending) const override;
    void QueueFieldForKey(const std::string& key, const FieldValues& values, CRX4DATA& reference,
                          PendingWrites& pending) const override;
    // The key Enter writes for a focused key ("78" goes as its group), or ""
    // when Enter writes nothing.
    std::string EnterKeyFor(const std::string& focusedKey) const;

    virtual bool HasRealSignal() const = 0;

  protected:
    LambdaPageModelBase(std::vector<FieldDef> fields, EcuCaller caller)
        : fields_(std::move(fields)), caller_(caller) {}
    virtual void QueueSignalGroup(const FieldValues& values, PendingWrites& pending) const = 0;
    virtual void QueueInjection(const FieldValues&, CRX4DATA&, PendingWrites&) const {}
    // The ON / OFF times: "1E" and "1F" share the fill and the queueing.
    void QueueTime(int controlId, const char* reg, const FieldValues& values, CRX4DATA& reference,
                   PendingWrites& pending) const;

  private:
    std::vector<FieldDef> fields_;
    EcuCaller caller_;
};

class LambdaBasicPageModel : public LambdaPageModelBase {
  public:
    LambdaBasicPageModel();
    std::vector<std::string> WritableKeys() const override { return {"1E", "1F", "60_78"}; }
    std::vector<int> WriteOrder() const override {
        return {kLambdaOnTime, kLambdaOffTime, kLambdaSignalType};
    }
    std::vector<std::string> Options(int controlId) const override;
    SpinRange Range(int controlId) const override;
    int FillFromStore(CRX4DATA& store, FieldValues& values) const override;
    bool HasRealSignal() const override { return false; }

  protected:
    void QueueSignalGroup(const FieldValues& values, PendingWrites& pending) const override;
};

class LambdaPageModel : public LambdaPageModelBase {
  public:
    LambdaPageModel();
    std::vector<std::string> WritableKeys() const override {
        return {"1E", "1F", "79", "7A", "7B", "7C", "60_78", "78"};
    }
    std::vector<int> WriteOrder() const override {
        return {kLambdaOnTime, kLambdaOffTime, kLambdaInjection, kLambdaSignalType};
    }
    std::vector<std::string> Options(int controlId) const override;
    SpinRange Range(int controlId) const override;
    int FillFromStore(CRX4DATA& store, FieldValues& values) const override;
    bool HasRealSignal() const override { return true; }

  protected:
    void QueueSignalGroup(const FieldValues& values, PendingWrites& pending) const override;
    void QueueInjection(const FieldValues& values, CRX4DATA& reference,
                        PendingWrites& pending) const override;
};

// The full page's exchanges, run on the worker.
//
// Set-up: a short burst of the live stream into the ECU store (start, 300 ms,
// one read, three stops 5 ms apart) and the one-register read of "79" that
// the ECU expects before the page's writes (its answer is not used).
void LambdaSetupExchange(EcuSession& session);
// One tick of the live view: 100 ms, then what has arrived into the monitor
// store (the check token is not tested). Gives PollMonitorAnswer's result.
int LambdaLiveViewPoll(EcuSession& session);
// Before a new signal type applies: the stream stopped and the ECU given
// time to settle (three stops 10 ms apart, 800 ms, 500 ms).
void LambdaSignalChangePause(EcuSession& session);
// Stop frames between live-view stops: 10 ms apart.
constexpr int kLambdaStopSpacingMs = 10;
// The live view's period (timer 2).
constexpr int kLambdaLiveViewPeriodMs = 200;
// After the monitoring screen, before the stream starts again.
constexpr int kLambdaAfterMonitorWaitMs = 250;

const LambdaPageModel& LambdaModel();
const LambdaBasicPageModel& LambdaBasicModel();
