#include "sheets/SheetCodeLoader.h"

#include "common/OperationFailed.h"
#include "platform/ColumnChoiceDialog.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "sheets/CodeColumn.h"
#include "sheets/SheetCodes.h"

#include <QCoreApplication>
#include <QFileInfo>

QString SheetUnreadableMessage(const QString& path, const QString& reason)
{
    // Reasons from below (the XML reader's) may end in a full stop of their own.
    const QString said = reason.endsWith(u'.') ? reason.chopped(1) : reason;
    return QCoreApplication::translate(
               "CodeFileLoader", "The file %1 cannot be read: %2. No codes were loaded from it.")
        .arg(path, said);
}

QString SheetWithoutDataMessage(const QString& path)
{
    return QCoreApplication::translate("SheetCodeLoader",
                                       "The file %1 holds no codes. No codes were loaded from it.")
        .arg(path);
}

bool SheetCodeLoader::load(ListControl& list, const QString& path, MessageBox* tell)
{
    const std::optional<SheetFormat> format = SheetFormatOfFile(path);
    if (!format)
        return false;
    std::optional<SheetAndColumn> read = this->read(path, *format, tell);
    if (!read)
        return true;
    if (onLoaded)
        onLoaded(path, *read);
    const std::vector<SheetCode> codes =
        CodesOfColumn(read->sheet, read->choice.column, read->choice.firstRow);
    read.reset(); // the rows need not be held while the codes go in
    for (const SheetCode& code : codes) {
        list.add(code.code);
        m_platform.eventLoop.yield();
    }
    return true;
}

std::optional<SheetAndColumn> SheetCodeLoader::read(const QString& path, SheetFormat format,
                                                    MessageBox* tell)
{
    MessageBox& box = tell ? *tell : m_platform.messageBox;
    SheetAndColumn read;
    try {
        read.sheet = ReadSheetFile(path, format, QString(),
                                   SheetServices{m_platform.files, m_platform.zips});
    } catch (const OperationFailed& failure) {
        box.show(SheetUnreadableMessage(path, failure.description()));
        return std::nullopt;
    }
    read.choice = ChooseCodeColumn(read.sheet, [this] { m_platform.eventLoop.yield(); });
    if (read.choice.columns.isEmpty()) {
        box.show(SheetWithoutDataMessage(path));
        return std::nullopt;
    }
    if (read.choice.column < 0) {
        const std::optional<qsizetype> chosen =
            m_platform.columnChoice.choose(QFileInfo(path).fileName(), read.choice.columns);
        if (!chosen || *chosen < 0 || *chosen >= read.choice.columnNumbers.size())
            return std::nullopt;
        read.choice = WithColumn(read.sheet, read.choice, read.choice.columnNumbers[*chosen]);
    }
    return read;
}
