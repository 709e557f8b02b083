#pragma once
// The Save and Load commands of the pages: the dialogs, the questions and
// messages, and the merge of the ECU's values into the file store.

class QWidget;

enum class LoadOutcome { Cancelled, Incomplete, Loaded };

// fileType "Q5100" or "Q7100" gives the filter, extension and customer
// section; the register section follows the current model. True when the
// file was written.
bool SaveConfigFile(QWidget* parent, const char* fileType);

// Reads the register section into the file store and the customer texts;
// "Leitura incompleta" when a register is missing.
LoadOutcome LoadConfigFile(QWidget* parent, const char* fileType);
