#pragma once

#include "ExportMaker.h"

#include <QString>

// Feeds a made-up export through the reader an import uses, straight into a new product index
// at `path`: no compression in between, so a million products take seconds. Returns the
// products read; throws OperationFailed when the index cannot be written.
qint64 BuildGeneratedIndex(const ExportShape& shape, const QString& path);
