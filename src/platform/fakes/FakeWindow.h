#pragma once

#include "FakeHook.h"
#include "common/OperationFailed.h"
#include "common/ProgramEnding.h"
#include "platform/BrowserOpener.h"
#include "platform/EventLoop.h"
#include "platform/FileSystem.h"
#include "platform/Form1Window.h"
#include "platform/ProgressDisplay.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <functional>

class FakeForm1Window final : public Form1Window
{
public:
    void setCaption(const QString& caption) override
    {
        hook(u"setCaption");
        this->caption = caption;
    }
    void setApplicationIcon() override
    {
        hook(u"setApplicationIcon");
        iconSet = true;
    }
    void setBackColorToButtonFace() override
    {
        hook(u"setBackColorToButtonFace");
        backColorIsButtonFace = true;
    }
    void loadMouseIcon(const QString& path) override
    {
        hook(u"loadMouseIcon");
        mouseIconPath = path;
    }
    bool hasMouseIcon() const override { return !mouseIconPath.isEmpty(); }
    int mousePointer() const override { return pointer; }
    void setMousePointer(int code) override
    {
        hook(u"setMousePointer");
        pointer = code;
        pointerHistory.append(code);
    }

    QString caption;
    bool iconSet = false;
    bool backColorIsButtonFace = false;
    QString mouseIconPath;
    int pointer = 0;
    QList<int> pointerHistory;
    FakeHook hook;
};

class FakeEventLoop final : public EventLoop
{
public:
    void yield() override
    {
        ++yields;
        if (onYield)
            onYield();
        if (ending)
            throw ProgramEnding{};
    }
    void waitForEvents() override
    {
        ++waits;
        if (onWait)
            onWait();
        if (ending)
            throw ProgramEnding{};
    }
    void endProgram() override { ending = true; }
    bool isEnding() const override { return ending; }

    int yields = 0;
    int waits = 0;
    bool ending = false;
    // What "the user" does while the program lets events run.
    std::function<void()> onYield;
    std::function<void()> onWait;
};

class FakeBrowserOpener final : public BrowserOpener
{
public:
    void open(const QString& url) override
    {
        hook(u"open");
        opened.append(url);
    }

    QStringList opened;
    FakeHook hook;
};

class FakeProgressDisplay final : public ProgressDisplay
{
public:
    void setPosition(double position) override
    {
        m_position = position;
        positions.append(position);
        history.append(QStringLiteral("position %1").arg(position));
    }
    double position() const override { return m_position; }
    void setText(const QString& text) override
    {
        m_text = text;
        history.append(QStringLiteral("text ") + text);
    }
    QString text() const override { return m_text; }

    QList<double> positions;
    QStringList history;

private:
    double m_position = 0;
    QString m_text = kIdleProgressCaption.toString();
};

class FakeFileSystem final : public FileSystem
{
public:
    bool modificationTimeReadable(const QString& path) const override
    {
        hook(u"modificationTimeReadable");
        return existing.contains(path) || contents.contains(path);
    }
    bool fileFound(const QString& path) const override
    {
        hook(u"fileFound");
        return existing.contains(path) || contents.contains(path);
    }
    Contents readFile(const QString& path, qint64 limit) const override
    {
        hook(u"readFile");
        reads.append(path);
        if (!contents.contains(path))
            throw OperationFailed(QStringLiteral("Permission denied"));
        const QByteArray& bytes = contents[path];
        if (bytes.size() > limit || oversized.contains(path))
            return Contents{{}, true};
        return Contents{bytes, false};
    }

    // Paths whose date can be read; a path here but not in contents cannot be opened.
    QSet<QString> existing;
    // Readable files and their bytes.
    QHash<QString, QByteArray> contents;
    // Readable files that report a size over any limit.
    QSet<QString> oversized;
    mutable QStringList reads;
    FakeHook hook;
};
