#pragma once
// The auxiliary functions step: fuel cut-off, probe heating and, on the
// larger ECUs, the cut-off delay, the auxiliary relay and the overlap time.
// Two models: AuxBasicPageModel for the Q5100 (dialog 116), whose cut-off
// speed travels as a 24-bit ignition period, and AuxPageModel for the Q7100
// and "Q5100 plus" (dialog 110).

#include <cstdint>
#include <string>

#include "pages/page_model.h"

// Controls of the auxiliary pages.
enum AuxControl {
    kAuxCutOff = 1250,
    kAuxCutOffRpm = 1251,
    kAuxCutOffOpening = 1128,
    kAuxHeatingBasic = 1310,
    kAuxCutOffDelay = 1125,
    kAuxHeating = 1126,
    kAuxRelay = 1003,
    kAuxOverlap = 1231,
};

// The Q5100 keeps the cut-off speed as the period between ignitions:
// P = 120000000 x cylinders-factor ("2B") / (rpm x pulses-factor ("2C")).
// Where the formula would divide by zero (a tachometer input with "2B" = 0,
// "2C" = 0, or a period or speed of 0) the speed reads 0 and no period is
// written. A period longer than the three registers hold is cut to FFFFFF.
constexpr uint32_t kMaxCutOffPeriod = 0xFFFFFF;
uint32_t CutOffRpmFromPeriod(uint32_t period, uint32_t factor2B, uint32_t factor2C);
// 0 means: nothing to write.
uint32_t CutOffPeriodFromRpm(uint32_t rpm, uint32_t factor2B, uint32_t factor2C);

// The "Delay de Cut Off" text as Enter and the loss of focus leave it:
// negative 0.00, above 5.1 "5.1", else two decimals with a point.
std::string NormaliseCutOffDelay(const std::string& text);

class AuxPageModelBase : public PageModel {
  public:
    const std::vector<FieldDef>& Fields() const override { return fields_; }
    PageProtocol Protocol() const override { return {caller_, caller_, caller_}; }
    std::vector<int> WriteOrder() const override;
    void QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                        PendingWrites& pending) const override;
    void QueueFieldForKey(const std::string& key, const FieldValues& values, CRX4DATA& reference,
                          PendingWrites& pending) const override;

    // "Q5100" or "Q7100": the type of the files this page loads and saves.
    virtual const char* FileType() const = 0;
    // The key order of a "FULL" write.
    virtual std::vector<std::string> FullWriteOrder() const = 0;

  protected:
    AuxPageModelBase(std::vector<FieldDef> fields, EcuCaller caller)
        : fields_(std::move(fields)), caller_(caller) {}
    virtual void QueueCutOffRpm(const FieldValues& values, CRX4DATA& reference,
                                PendingWrites& pending) const = 0;
    virtual std::string CutOffOpeningText(const FieldValues& values) const;
    int HeatingControl() const;

  private:
    std::vector<FieldDef> fields_;
    EcuCaller caller_;
};

class AuxBasicPageModel : public AuxPageModelBase {
  public:
    AuxBasicPageModel();
    int FillFromStore(CRX4DATA& store, FieldValues& values) const override;
    const char* FileType() const override { return "Q5100"; }
    std::vector<std::string> FullWriteOrder() const override {
        return {"20", "26_27", "21", "15_16"};
    }
    // The cut-off speed is an ignition period over three bytes, "27" low.
    std::vector<std::string> RegistersOf(const FieldDef& field) const override;

  protected:
    void QueueCutOffRpm(const FieldValues& values, CRX4DATA& reference,
                        PendingWrites& pending) const override;
    // The basic page keeps the opening within 1 .. 100 when it writes.
    std::string CutOffOpeningText(const FieldValues& values) const override;
};

class AuxPageModel : public AuxPageModelBase {
  public:
    AuxPageModel();
    int FillFromStore(CRX4DATA& store, FieldValues& values) const override;
    SpinRange Range(int controlId) const override;
    const char* FileType() const override { return "Q7100"; }
    std::vector<std::string> FullWriteOrder() const override {
        return {"20", "82", "26_27", "21", "15_16", "70", "77"};
    }
    // The overlap-time field belongs to the "Emulador" relay mode only.
    static bool OverlapVisible(int relayIndex) { return relayIndex == 1; }

  protected:
    void QueueCutOffRpm(const FieldValues& values, CRX4DATA& reference,
                        PendingWrites& pending) const override;
};

const AuxPageModel& AuxModel();
const AuxBasicPageModel& AuxBasicModel();
