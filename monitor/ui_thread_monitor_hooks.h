#pragma once
// The monitoring panel's hooks as a job on the worker sees them: every call
// runs on the UI thread, where the panel's widgets live, while the job waits.

#include "comm/ecu_worker.h"
#include "monitor/monitor_procedures.h"

class UiThreadMonitorHooks : public MonitorHooks {
  public:
    UiThreadMonitorHooks(EcuWorker& worker, MonitorHooks& panel)
        : worker_(worker), panel_(panel), pageHooks_(worker, panel) {}

    int RefreshFromStore(CRX4DATA& store) override { return pageHooks_.RefreshFromStore(store); }
    void SetCommandsEnabled(bool enabled) override { pageHooks_.SetCommandsEnabled(enabled); }
    void QueueWritesForKey(const char* key, PendingWrites& pending) override {
        pageHooks_.QueueWritesForKey(key, pending);
    }
    void ShowMessage(const char* text, const char* title, MessageIcon icon) override {
        pageHooks_.ShowMessage(text, title, icon);
    }
    void SetCalibrating(bool calibrating) override;
    void ShowLiveValues(CRX4DATA& store) override;

  private:
    EcuWorker& worker_;
    MonitorHooks& panel_;
    UiThreadHooks pageHooks_;
};
