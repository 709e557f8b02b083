#pragma once
// "Exportar registro de comunicação": the communication trace (every frame
// sent and every answer received, comm_trace.h) saved to a text file the
// user picks, for support. Offered in the context menu of every page that
// talks to the ECU and of the monitoring screen.

class QWidget;

constexpr const char* kExportTraceCommand = "Exportar registro de comunicação";

// Asks for the file and writes it; says what went wrong when it could not.
void ExportTraceCommand(QWidget* parent);

// Adds the command to the widget's context menu (right click), with
// "Abrir registros..." (log_viewer_command.h) after it.
void OfferTraceExport(QWidget* page);
