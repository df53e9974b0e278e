#pragma once

#include <QString>

// Workbooks are written by their libraries to a file of their own name, so they are written under
// a hidden name beside the path they are meant for and put in place only once whole. Both throw
// OperationFailed naming `path`.

// Creates the hidden file beside `path` and gives its name (".<name>.<random>.part"), with the
// permissions a new file gets, so that a folder that cannot be written to is known at once.
QString ReservePartFile(const QString& path);

// Makes the part's bytes reach the disk, then renames it over `path`: as QSaveFile does for the
// text files, so that a crash or a power cut just after leaves either the old file or the whole
// new one, never a renamed file whose blocks were not written yet.
void PutPartInPlace(const QString& part, const QString& path);
