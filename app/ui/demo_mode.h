#pragma once
// Demo mode: the serial port talks to the built-in ECU simulator of the
// chosen model instead of the system's devices. Only the user turns it on:
// with --demo, by answering Yes to the start-up question asked when the
// machine has no serial device, or by choosing the simulator's entry on the
// port page. While it is on, every page shows a badge (page_dialog.h) so
// nobody mistakes simulated values for a real car's.

#include <QString>

class CRX4COMM;

// The user's choice, recorded on the UI thread: pages shown from then on
// show the badge or not.
bool DemoModeActive();
void SetDemoMode(bool on);
// Points the port at the in-process simulator (true) or the system's devices
// (false). It closes the port, so it runs on the thread that owns the port:
// before the worker starts, or in a worker job.
void SelectPortBackend(CRX4COMM& port, bool simulator);

// The start-up rule: --demo (forceOn) turns it on; --no-demo (forceOff)
// keeps it off without a question; otherwise, when no serial device is
// present, a modal question lets the user choose the simulator. Without
// one of these answers the simulator is never used.
bool ShouldStartInDemoMode(bool forceOn, bool forceOff);

// The start-up question's text and title, as the user sees them.
QString NoSerialPortQuestion();
QString DemoModeTitle();

// The simulator's entry in the port page's list.
QString SimulatorPortEntry();
