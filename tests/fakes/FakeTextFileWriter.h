#pragma once

#include "fakes/FakeHook.h"
#include "platform/TextFileWriter.h"

#include <QHash>
#include <QString>

// Text files in memory: a file's content is its lines, each followed by CR LF, and it appears in
// `files` only when closed, as a real one replaces its target only then. Make an operation fail
// through the hook ("create", "writeLine", "close"). With passThrough set, files are
// created by that writer instead, so that a test can look at real bytes on disk.
class FakeTextFileWriter final : public TextFileWriter
{
public:
    ~FakeTextFileWriter() override;
    std::unique_ptr<TextFile> create(const QString& path) override
    {
        hook(u"create");
        ++created;
        if (passThrough)
            return passThrough->create(path);
        return std::make_unique<File>(*this, path);
    }

    // Closed files by path.
    QHash<QString, QString> files;
    int created = 0;
    int discarded = 0;
    TextFileWriter* passThrough = nullptr;
    FakeHook hook{"FakeTextFileWriter", {u"create", u"writeLine", u"close"}};

private:
    class File final : public TextFile
    {
    public:
        File(FakeTextFileWriter& owner, QString path)
            : m_owner(owner)
            , m_path(std::move(path))
        {}
        ~File() override
        {
            if (!m_closed)
                ++m_owner.discarded;
        }
        void writeLine(const QString& line) override
        {
            m_owner.hook(u"writeLine");
            m_content += line;
            m_content += u"\r\n";
        }
        void close() override
        {
            m_owner.hook(u"close");
            m_owner.files.insert(m_path, m_content);
            m_closed = true;
        }

    private:
        FakeTextFileWriter& m_owner;
        QString m_path;
        QString m_content;
        bool m_closed = false;
    };
};
