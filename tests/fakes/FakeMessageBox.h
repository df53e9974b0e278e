#pragma once

#include "common/ApplicationTitle.h"
#include "fakes/FakeHook.h"
#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>

#include <functional>

class FakeMessageBox final : public MessageBox
{
public:
    ~FakeMessageBox() override;
    struct Shown
    {
        QString text;
        MessageIcon icon;
        QString title; // as the user saw it, the application title filled in
    };

    explicit FakeMessageBox(const ApplicationTitle& title)
        : m_title(title)
    {}

    void show(const QString& text, MessageIcon icon, const QString& title) override
    {
        hook(u"show");
        m_shown.append(Shown{text, icon, title.isEmpty() ? m_title.text() : title});
        if (onShow)
            onShow(m_shown.constLast());
    }

    const QList<Shown>& shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList all;
        for (const Shown& s : m_shown)
            all.append(s.text);
        return all;
    }
    void forget() { m_shown.clear(); }

    // Runs while the box "is open", before show() returns.
    std::function<void(const Shown&)> onShow;
    FakeHook hook{"FakeMessageBox", {u"show"}};

private:
    const ApplicationTitle& m_title;
    QList<Shown> m_shown;
};
