#pragma once

#include "platform/Spreadsheet.h"

#include <QString>

#include <memory>

// Where spreadsheets come from.
class SpreadsheetTarget
{
public:
    virtual ~SpreadsheetTarget() = default;

    // Starts the spreadsheet application. Never returns null: throws OperationFailed when no
    // spreadsheet application is available. The application lives as long as the object.
    virtual std::unique_ptr<Spreadsheet> start() = 0;
    // For a desktop without a spreadsheet application: a spreadsheet that takes the same calls,
    // and whose show() saves the workbook at `path` (whole, or not at all) instead of opening it.
    // Never returns null; throws OperationFailed when it cannot be had.
    virtual std::unique_ptr<Spreadsheet> startSaving(const QString& path) = 0;
};
