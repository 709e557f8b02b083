#pragma once
// "Abrir registros...": the recorded datalogs, opened in the "Registros"
// viewer from the context menu of every page that talks to the ECU and of
// the monitoring screen. The viewer lives above the pages (monitor/): the
// application registers how to open it, so this layer only offers it.

#include <QString>
#include <functional>

#include "i18n/ui_text.h"

class QWidget;

// Shown in the run's language (looked up when shown).
constexpr const char* kOpenLogsCommand = TR_NOOP("Abrir registros...");

using LogViewerOpener = std::function<void(QWidget* parent, const QString& path)>;
void SetLogViewerOpener(LogViewerOpener opener);

// Opens the viewer over `parent` (with a path, that file); nothing without
// an opener.
void OpenLogs(QWidget* parent, const QString& path = {});

// Adds the command to the widget's context menu (right click).
void OfferLogViewer(QWidget* page);
