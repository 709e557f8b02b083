#pragma once
// The page side of the benchmarks' write pass: five registers queued, no
// fields to refresh, no messages.
#include "comm/ecu_protocol.h"
#include "comm/pending_writes.h"

class FiveRegisterPage : public PageHooks {
public:
    int RefreshFromStore(CRX4DATA&) override { return 0; }
    void SetCommandsEnabled(bool) override {}
    void QueueWritesForKey(const char*, PendingWrites& pending) override {
        pending.Append("21", "A");
        pending.Append("20", "1");
        pending.Append("15", "58");
        pending.Append("16", "2");
        pending.Append("70", "4B");
    }
    void ShowMessage(const char*, const char*, MessageIcon) override {}
};
