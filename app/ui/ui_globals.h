#pragma once
// Shared objects of the windows: the page font and the worker that runs
// every ECU exchange. The program's other globals are in app/globals.h.

#include <QFont>

#include "app/globals.h"

class EcuWorker;

// Bold "Arial", 18 pixels: the value fields of every page.
QFont& PageFont();
void CreatePageFont();

// The one worker thread; created at start-up once the application exists.
EcuWorker& Worker();
void CreateWorker();
void DestroyWorker();
