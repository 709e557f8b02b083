#pragma once
// The speed the panel's four large digits show, read back from their slots.
#include "monitor/gauge_slots.h"
#include "monitor/monitor_dialog.h"

inline int ShownRpm(const CMonitorDialog& dialog) {
    int rpm = 0;
    for (int slot : MonitorSlots::kRpmDigits) {
        const int image = dialog.Slots().ShownImage(slot);
        rpm = rpm * 10 + (image ? image - GaugeImages::kLargeDigitZero : 0);
    }
    return rpm;
}
