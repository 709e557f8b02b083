#pragma once
// "Exportar registro de comunicação": the communication trace (every frame
// sent and every answer received, comm_trace.h) saved to a text file the
// user picks, for support. Offered in the context menu of every page that
// talks to the ECU and of the monitoring screen.

#include "i18n/ui_text.h"

class QWidget;

// Shown in the run's language (looked up when shown).
constexpr const char* kExportTraceCommand = TR_NOOP("Exportar registro de comunicação");

// Asks for the file and writes it; says what went wrong when it could not.
void ExportTraceCommand(QWidget* parent);

// Adds the command to the widget's context menu (right click), with
// "Abrir registros..." (log_viewer_command.h) after it.
void OfferTraceExport(QWidget* page);
