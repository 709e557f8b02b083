#include "monitor/ui_thread_monitor_hooks.h"

void UiThreadMonitorHooks::SetCalibrating(bool calibrating) {
    worker_.RunOnUiThread([&] { panel_.SetCalibrating(calibrating); });
}

void UiThreadMonitorHooks::ShowLiveValues(CRX4DATA& store) {
    worker_.RunOnUiThread([&] { panel_.ShowLiveValues(store); });
}
