#pragma once

#include "FakeHook.h"
#include "common/OperationFailed.h"
#include "platform/SpreadsheetTarget.h"

#include <QMap>
#include <QPair>
#include <QStringList>

// A spreadsheet application that writes down every call it receives, in order, in one log shared
// by every application it starts: "start", "addWorkbook", "setCellText 1 1 Description",
// "fitColumn 1", "fitAllColumns", "show", and "release" when an application object goes.
// `available = false` makes start() fail; the hook makes any other call fail.
class FakeSpreadsheetTarget final : public SpreadsheetTarget
{
public:
    std::unique_ptr<Spreadsheet> start() override
    {
        calls.append(QStringLiteral("start"));
        hook(u"start");
        if (!available)
            throw OperationFailed(QStringLiteral("Cannot create object"));
        return std::make_unique<Application>(*this);
    }

    bool available = true;
    QStringList calls;
    // The cells of the last workbook added, by (row, column).
    QMap<QPair<int, int>, QString> cells;
    FakeHook hook;

private:
    class Application final : public Spreadsheet
    {
    public:
        explicit Application(FakeSpreadsheetTarget& owner)
            : m_owner(owner)
        {}
        ~Application() override { m_owner.calls.append(QStringLiteral("release")); }

        void addWorkbook() override
        {
            call(QStringLiteral("addWorkbook"));
            m_owner.cells.clear();
        }
        void setCellText(int row, int column, const QString& text) override
        {
            call(QStringLiteral("setCellText %1 %2 %3").arg(row).arg(column).arg(text));
            m_owner.cells.insert({row, column}, text);
        }
        void fitColumn(int column) override { call(QStringLiteral("fitColumn %1").arg(column)); }
        void fitAllColumns() override { call(QStringLiteral("fitAllColumns")); }
        void show() override { call(QStringLiteral("show")); }

    private:
        void call(const QString& what)
        {
            m_owner.calls.append(what);
            m_owner.hook(what);
        }

        FakeSpreadsheetTarget& m_owner;
    };
};
