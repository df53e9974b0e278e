#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/OutputFiles.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QStringList>

// Result files in memory. A file appears in `texts` or `workbooks` only when committed, as a real
// one replaces its path only then; `pending` holds what a file not yet committed has so far. Make
// an operation fail through the hook ("createText", "write", "createWorkbook", "setCellText",
// "commit"); `unwritable` paths cannot be created at all.
class FakeOutputFiles final : public OutputFiles
{
public:
    ~FakeOutputFiles() override;
    using Cells = QMap<QPair<int, int>, QString>; // by (row, column)

    std::unique_ptr<OutputFile> createText(const QString& path) override
    {
        hook(u"createText");
        refuseUnwritable(path);
        return std::make_unique<Text>(*this, path);
    }
    std::unique_ptr<WorkbookFile> createWorkbook(const QString& path,
                                                 WorkbookFormat format) override
    {
        workbookFormats.insert(path, format);
        hook(u"createWorkbook");
        refuseUnwritable(path);
        return std::make_unique<Workbook>(*this, path);
    }

    QHash<QString, QByteArray> texts;
    QHash<QString, Cells> workbooks;
    QHash<QString, WorkbookFormat> workbookFormats; // as each workbook was created
    QHash<QString, QByteArray> pending;
    QStringList unwritable;
    int discarded = 0;
    FakeHook hook{"FakeOutputFiles",
                  {u"createText", u"write", u"createWorkbook", u"setCellText", u"setCellNumber",
                   u"setCellBoolean", u"setCellDate", u"commit"}};

private:
    void refuseUnwritable(const QString& path) const
    {
        if (unwritable.contains(path))
            throw OperationFailed(QStringLiteral("Cannot create the file ") + path +
                                  QStringLiteral(": Permission denied"));
    }

    class Text final : public OutputFile
    {
    public:
        Text(FakeOutputFiles& owner, QString path)
            : m_owner(owner)
            , m_path(std::move(path))
        {
            m_owner.pending.insert(m_path, {});
        }
        ~Text() override
        {
            if (!m_committed)
                ++m_owner.discarded;
        }
        void write(QByteArrayView bytes) override
        {
            m_owner.hook(u"write");
            m_owner.pending[m_path] += bytes;
        }
        void commit() override
        {
            m_owner.hook(u"commit");
            m_owner.texts.insert(m_path, m_owner.pending.take(m_path));
            m_committed = true;
        }

    private:
        FakeOutputFiles& m_owner;
        QString m_path;
        bool m_committed = false;
    };

    class Workbook final : public WorkbookFile
    {
    public:
        Workbook(FakeOutputFiles& owner, QString path)
            : m_owner(owner)
            , m_path(std::move(path))
        {}
        ~Workbook() override
        {
            if (!m_committed)
                ++m_owner.discarded;
        }
        void setCellText(int row, int column, const QString& text) override
        {
            m_owner.hook(u"setCellText");
            m_cells.insert({row, column}, text);
        }
        // Other kinds than text read "number 1.5 0.00" (with the format, if any),
        // "date 45352 yyyy-mm-dd" and "boolean TRUE".
        void setCellNumber(int row, int column, double value, const QString& format) override
        {
            m_owner.hook(u"setCellNumber");
            const QString number =
                QStringLiteral("number ") + QString::number(value, 'g', 17) + u' ' + format;
            m_cells.insert({row, column}, number.trimmed());
        }
        void setCellDate(int row, int column, double serial, const QString& format) override
        {
            m_owner.hook(u"setCellDate");
            const QString date =
                QStringLiteral("date ") + QString::number(serial, 'g', 17) + u' ' + format;
            m_cells.insert({row, column}, date.trimmed());
        }
        void setCellBoolean(int row, int column, bool value) override
        {
            m_owner.hook(u"setCellBoolean");
            m_cells.insert({row, column}, value ? QStringLiteral("boolean TRUE")
                                                : QStringLiteral("boolean FALSE"));
        }
        void commit() override
        {
            m_owner.hook(u"commit");
            m_owner.workbooks.insert(m_path, m_cells);
            m_committed = true;
        }

    private:
        FakeOutputFiles& m_owner;
        QString m_path;
        Cells m_cells;
        bool m_committed = false;
    };
};
