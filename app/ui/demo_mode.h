#pragma once
// Demo mode: with no serial device on the machine (or with --demo), every
// COM name opens the built-in ECU simulator of the chosen model, and every
// page says so in its corner, so nobody mistakes it for a real car.

bool DemoModeActive();
// Points the serial port at the in-process simulator (true) or the system's
// devices (false).
void SetDemoMode(bool on);
// The start-up rule: forced by the command line, else on when no serial
// device is present.
bool ShouldStartInDemoMode(bool forceOn, bool forceOff);
