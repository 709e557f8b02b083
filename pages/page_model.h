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

enum class FieldKind {
    List,     // drop-down list with an edit part; the value is the option index
    Numeric,  // digits-only edit with an up-down spin; the value is the text
};

struct FieldDef {
    int controlId;          // the template's identifier (1011, 1231 ...)
    const char* label;      // shown above the field ("Tempo de Retorno")
    const char* unitLabel;  // shown beside it ("1-100 Min"), may be ""
    FieldKind kind;
    const char* focusKey;   // written by Enter: register or group key ("75_76"); "" none
    int recordPos;          // its record in g_ParameterTable (checks, options, default)
    int column;             // 0 left, 1 right: the frame's two-column layout
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
};

class PageModel {
public:
    virtual ~PageModel() = default;

    virtual const std::vector<FieldDef>& Fields() const = 0;
    virtual PageProtocol Protocol() const = 0;
    // The keys Enter writes ("75_76", "80" ...).
    virtual std::vector<std::string> WritableKeys() const = 0;

    // FillOptionLists: the options of a list field; by default the list of
    // its record (range or option form).
    virtual std::vector<std::string> Options(int controlId) const;
    // The spin of a numeric field; by default the record's range and its
    // step cut to a whole number.
    virtual SpinRange Range(int controlId) const;

    // FillFromStore: fills values in the page's field order; stops at the
    // first register the store lacks and gives 1 (fields after it keep what
    // they had), else 0.
    virtual int FillFromStore(CRX4DATA& store, FieldValues& values) const = 0;
    // QueueAllFields / QueueFieldForKey: the page's writes, compared with
    // `reference` (the ECU's values) where the page compares.
    virtual void QueueAllFields(const FieldValues& values, CRX4DATA& reference,
                                PendingWrites& pending) const = 0;
    virtual void QueueFieldForKey(const std::string& key, const FieldValues& values, CRX4DATA& reference,
                                  PendingWrites& pending) const = 0;

    const FieldDef* FindField(int controlId) const;
    const FieldDef* FindFieldByKey(const std::string& key) const;
};
