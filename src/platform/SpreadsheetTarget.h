#pragma once

#include "platform/Spreadsheet.h"

#include <memory>

// Where spreadsheets come from.
class SpreadsheetTarget
{
public:
    virtual ~SpreadsheetTarget() = default;

    // Starts the spreadsheet application. Never returns null: throws OperationFailed when no
    // spreadsheet application is available. The application lives as long as the object.
    virtual std::unique_ptr<Spreadsheet> start() = 0;
};
