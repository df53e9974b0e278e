#pragma once

#include "common/NumberText.h"

#include <QString>

// The pieces the import's progress and summary are written with, in one form for the command
// line and the window.

// Bytes as megabytes with one decimal: "512.0 MB".
QString MegabytesText(qint64 bytes);

// A duration for people: "45 s", "3 min 05 s", "1 h 02 min".
QString DurationText(double seconds);
