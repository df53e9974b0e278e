#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/SpreadsheetTarget.h"

#include <QMap>
#include <QPair>
#include <QStringList>

// A spreadsheet application that writes down every call it receives, in order, in one log shared
// by every application it starts: "start", "addWorkbook", "setCellText 1 1 Description",
// "fitColumn 1", "fitAllColumns", "show", and "release" when an application object goes;
// "startSaving /d/r.xlsx" for a workbook that show() saves there.
// `available = false` makes start() fail; the hook makes any other call fail.
class FakeSpreadsheetTarget final : public SpreadsheetTarget
{
public:
    ~FakeSpreadsheetTarget() override;
    std::unique_ptr<Spreadsheet> start() override
    {
        calls.append(QStringLiteral("start"));
        hook(u"start");
        if (!available)
            throw OperationFailed(QStringLiteral("Cannot create object"));
        return std::make_unique<Application>(*this);
    }
    std::unique_ptr<Spreadsheet> startSaving(const QString& path) override
    {
        calls.append(QStringLiteral("startSaving ") + path);
        hook(u"startSaving");
        return std::make_unique<Application>(*this);
    }

    bool available = true;
    QStringList calls;
    // The cells of the last workbook added, by (row, column).
    QMap<QPair<int, int>, QString> cells;
    FakeHook hook{"FakeSpreadsheetTarget",
                  {u"start", u"startSaving", u"addWorkbook", u"setCellText", u"fitColumn",
                   u"fitAllColumns", u"show"}};

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
            call(u"addWorkbook", QStringLiteral("addWorkbook"));
            m_owner.cells.clear();
        }
        void setCellText(int row, int column, const QString& text) override
        {
            call(u"setCellText",
                 QStringLiteral("setCellText %1 %2 %3").arg(row).arg(column).arg(text));
            m_owner.cells.insert({row, column}, text);
        }
        void fitColumn(int column) override
        {
            call(u"fitColumn", QStringLiteral("fitColumn %1").arg(column));
        }
        void fitAllColumns() override { call(u"fitAllColumns", QStringLiteral("fitAllColumns")); }
        void show() override { call(u"show", QStringLiteral("show")); }

    private:
        // Logged with its arguments, hooked by its name.
        void call(QStringView operation, const QString& logged)
        {
            m_owner.calls.append(logged);
            m_owner.hook(operation);
        }

        FakeSpreadsheetTarget& m_owner;
    };
};
