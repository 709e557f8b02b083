#pragma once
// Where the datalogs go: one folder per user, and a file name that says
// whose car and when.

#include <QDateTime>
#include <string>

// The environment variable that points the log folder elsewhere (tests).
constexpr const char* kLogFolderVariable = "ZANO_LOG_DIR";

// $ZANO_LOG_DIR when set, otherwise the user's application data folder
// followed by "/registros". Not created here.
std::string DatalogFolder();

// The licence plate as a file-name part: letters and digits only, upper
// case, at most 16 of them; "sem-placa" when nothing is left.
std::string PlateForFileName(const std::string& plate);

// "ABC1D23_2026-12-06_20-15-03.csv" (local time of the start).
std::string DatalogFileName(const std::string& plate, const QDateTime& start);

// A path in `folder` for that name that does not exist yet: "_2", "_3" ...
// before ".csv" when it does. Creates the folder; empty when it cannot.
std::string NewDatalogPath(const std::string& folder, const std::string& plate,
                           const QDateTime& start);

// The start as the header writes it: ISO 8601 with the offset from UTC.
std::string IsoWithOffset(const QDateTime& start);
