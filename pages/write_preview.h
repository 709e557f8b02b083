#pragma once
// What a write pass would leave in the ECU, worked out before it starts:
// the page's queued entries applied to a copy of the ECU's values, and how
// many registers they really change. The write button asks before a pass
// that changes more than one register (compare_dialog.h shows the fields).

#include "comm/pending_writes.h"

class CRX4DATA;

// Applies the queued entries to `store` in queue order: a register queued
// twice keeps its last value.
void ApplyQueuedWrites(const PendingWrites& queued, CRX4DATA& store);

// The registers the entries change, each counted once: queued with a value
// other than the ECU's (compared as numbers, "05" equals "5"), or one the
// ECU's values lack. An entry that only repeats the ECU's value (the pages
// queue some registers on every pass) changes nothing.
int ChangedRegisterCount(const PendingWrites& queued, CRX4DATA& ecu);
