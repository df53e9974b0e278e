#pragma once

#include "platform/Platform.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetFile.h"

#include <QString>

#include <functional>
#include <optional>

class ListControl;

QString SheetUnreadableMessage(const QString& path, const QString& reason);
QString SheetWithoutDataMessage(const QString& path);

// Loading the codes of a spreadsheet's code column into the code list, for Load EAN Numbers From
// File. The column is chosen as ChooseCodeColumn says, or by the user when it cannot tell.
class SheetCodeLoader final
{
public:
    explicit SheetCodeLoader(const Platform& platform)
        : m_platform(platform)
    {}

    // False, with nothing done, for a file that is no spreadsheet by its extension. Otherwise
    // appends the column's codes after the list's rows, in sheet order, empty cells skipped. A
    // damaged, oversized or empty file is reported in a message box (`tell`, the window's when
    // not given) and adds nothing, as does a choice the user cancels.
    bool load(ListControl& list, const QString& path, MessageBox* tell = nullptr);

    // Reads the spreadsheet and settles its code column, asking the user when it cannot be told.
    // Nothing when the file could not be read or holds nothing (both said in a message box), or
    // the user cancelled the choice.
    std::optional<SheetAndColumn> read(const QString& path, SheetFormat format,
                                       MessageBox* tell = nullptr);

    // Told of every sheet load() reads, with its path, before its codes go in.
    std::function<void(const QString& path, const SheetAndColumn& read)> onLoaded;

private:
    Platform m_platform;
};
