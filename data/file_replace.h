#pragma once
// Replacing a file's whole content in one step: the new bytes go to a
// temporary file beside it, are flushed to the disk, and the temporary file
// is renamed over the old one. Whichever step fails, the old file stays as
// it was (or no file appears when there was none) and no temporary file is
// left behind; a crash or a pulled plug leaves the old or the new file,
// never a mix of both nor an empty one.

#include <QByteArray>
#include <QString>

// The steps of a replace, in order.
enum class ReplaceStep { None, Create, Write, Flush, Sync, Rename };

// False when a step failed.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

// For tests: after `replacesBefore` more replaces, every replace fails at
// `step` as a full disk, an I/O error or a refused rename would make it fail.
// ReplaceStep::None ends the failures.
void FailFileReplaceAt(ReplaceStep step, int replacesBefore = 0);
