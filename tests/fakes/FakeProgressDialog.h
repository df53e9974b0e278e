#pragma once

#include "fakes/FakeHook.h"
#include "platform/ProgressDialog.h"

#include <QStringList>

class FakeProgressDialog final : public ProgressDialog
{
public:
    ~FakeProgressDialog() override;
    void open(const QString& title, const QString& text,
              const std::function<void()>& onCancel) override
    {
        hook(u"open");
        titles.append(title);
        texts.append(text);
        m_onCancel = onCancel;
        isOpen = true;
    }
    void setProgress(const QString& text, int permille) override
    {
        hook(u"setProgress");
        texts.append(text);
        values.append(permille);
    }
    void close() override
    {
        hook(u"close");
        isOpen = false;
        m_onCancel = nullptr;
    }

    // What the user's Cancel does.
    void pressCancel()
    {
        if (m_onCancel)
            m_onCancel();
    }

    QStringList titles;
    QStringList texts;
    QList<int> values;
    bool isOpen = false;
    FakeHook hook{"FakeProgressDialog", {u"open", u"setProgress", u"close"}};

private:
    std::function<void()> m_onCancel;
};
