#pragma once
// The quit time on the command line of the test program's application object.
constexpr int kStartUpQuitAfterMs = 1500;
