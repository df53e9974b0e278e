#pragma once

#include "program/ProgramMain.h"

// The window, --labels and the readers of pictures and PDF pages, linked in: the modes of the
// program that carries the window.
const WindowModes& TheWindowModes();
