#pragma once
// The logic of one configuration page, without widgets: its fields, how a
// register value becomes what a field shows and back, and which protocol
// rows it uses. The frame (config_page.h) builds the widgets from Fields()
// and calls these operations; tests call them directly.

#include <map>
#include <string>
#include <vector>

#include "comm/pending_writes.h"
#include "comm/timing_profiles.h"
#include "data/crx4data.h"
#include "i18n/ui_text.h"

struct ParameterRecord;

enum class FieldKind {
    List,     // drop-down list with an edit part; the value is the option index
    Numeric,  // digits-only edit with an up-down spin; the value is the text
};

// The check run on every change of a numeric field's text (input_checks.h).
enum class LimitCheck {
    None,
    Vehicle,      // below 0 silently "0"; outside the range the limit text, "Valor limite"
    AuxUnscaled,  // empty counts as -1; the limit text, "Valor mínimo/máximo"
    AuxScaled,    // as AuxUnscaled, compared and shown in display units (Step)
};

struct FieldDef {
    int controlId;          // the template's identifier (1011, 1231 ...)
    const char* label;      // shown above the field ("Tempo de Retorno"); TR_NOOP, Tr where shown
    const char* unitLabel;  // shown beside it ("1-100 Min"), may be ""; as label
    FieldKind kind;
    const char* focusKey;  // written by Enter: register or group key ("75_76"); "" none
    int recordPos;         // its record in g_ParameterTable (checks, options, default)
    int column;            // 0 left, 1 right: the frame's two-column layout
    LimitCheck check = LimitCheck::None;
    bool clampOnFocusLoss = false;  // silently back within the range when the focus leaves
};

// What a field shows: the selected option of a list, the text of an edit.
struct FieldValue {
    int index = -1;
    std::string text;
};
using FieldValues = std::map<int, FieldValue>;  // by control identifier

struct SpinRange {
    double min = 0;
    double max = 0;
    double step = 1;
    int decimals = 0;
};

// The rows of the timing table that the page's exchanges use.
struct PageProtocol {
    EcuCaller read;        // reads and read-backs
    EcuCaller writeAll;    // the write button
    EcuCaller writeField;  // Enter in a field
    // After Enter, the field's register is read once more into the file
    // store (its dump written from there) with the read row.
    bool fieldReadIntoFileStore = false;
};

// How a field is queued: with the write button, or alone with Enter.
enum class QueueMode { AllFields, FocusedField };

class PageModel {
  public:
    // The register's value read as hexadecimal; false when the store lacks
    // it. Registers are compared as numbers everywhere: "05" is "5".
    static bool RegisterValue(CRX4DATA& store, const char* reg, unsigned* value);
    virtual ~PageModel() = default;

    // In screen order: by column, top to bottom.
    virtual const std::vector<FieldDef>& Fields() const = 0;
    virtual PageProtocol Protocol() const = 0;
    // The keys Enter writes ("75_76", "80" ...); by default every field's
    // focus key.
    virtual std::vector<std::string> WritableKeys() const;
    // The control identifiers in the order FillFromStore fills them; by
    // default the screen order.
    virtual std::vector<int> FillOrder() const;
    // The control identifiers in the order QueueAllFields queues them.
    virtual std::vector<int> WriteOrder() const = 0;

    // FillOptionLists: the options of a list field; by default the list of
    // its record (range or option form).
    virtual std::vector<std::string> Options(int controlId) const;
    // An option past the list's own that a register value can still name
    // (an ECU set up for 10 cylinders): its text, or "" when there is none.
    virtual std::string ValueOnlyOption(int controlId, int index) const;
    // The spin of a numeric field; by default the record's range and its
    // step cut to a whole number.
    virtual SpinRange Range(int controlId) const;

    // FillFromStore: fills values in the page's field order; stops at the
    // first register the store lacks and gives 1 (fields after it keep what
    // they had), else 0.
    virtual int FillFromStore(CRX4DATA& store, FieldValues& values) const;
    // QueueAllFields / QueueFieldForKey: the page's writes, compared with
    // `reference` (the ECU's values) where the page compares.
    virtual void QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                                PendingWrites& pending) const;
    virtual void QueueFieldForKey(const std::string& key, const FieldValues& values,
                                  CRX4DATA& reference, PendingWrites& pending) const;
    // The write pass's request: "FULL" queues every field, a key its field.
    void QueueWrites(const std::string& key, const FieldValues& values, CRX4DATA& reference,
                     PendingWrites& pending) const;

    // The registers the field shows and writes, in the order the page queues
    // them: its key's registers ("75", "76" for "75_76"), or its record's
    // address when it has no key.
    virtual std::vector<std::string> RegistersOf(const FieldDef& field) const;

    // The field's name where it is listed apart from its page (the compare
    // table, the command-line tool): its label, made unique on the page.
    virtual std::string Caption(const FieldDef& field) const { return TrStd(field.label); }

    bool IsWritableKey(const std::string& key) const;
    const FieldDef* FindField(int controlId) const;
    const FieldDef* FindFieldByKey(const std::string& key) const;
    static const ParameterRecord& RecordOf(const FieldDef& field);

  protected:
    // One field from the store: 0, or 1 when its register is missing. By
    // default a list shows option value - Values[0], a numeric field the
    // register value as a whole number.
    virtual int ShowField(const FieldDef& field, CRX4DATA& store, FieldValue& value) const;
    // One field into the queue. By default a list queues index + Values[0],
    // a numeric field its number (divided by Step), each only when changed.
    virtual void QueueField(const FieldDef& field, const FieldValue& value, QueueMode mode,
                            CRX4DATA& reference, PendingWrites& pending) const;

    // Queues (reg, value) when the store holds the register with another value.
    static void QueueIfChanged(const char* reg, unsigned value, CRX4DATA& reference,
                               PendingWrites& pending);
    // Queues (reg, value) whatever the store holds.
    static void QueueAlways(const char* reg, unsigned value, PendingWrites& pending);
};
