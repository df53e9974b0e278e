#pragma once

#include "platform/Clipboard.h"

#include <QCoreApplication>

// The desktop's clipboard through QClipboard. Needs a QGuiApplication.
class QtClipboard final : public Clipboard
{
    Q_DECLARE_TR_FUNCTIONS(QtClipboard)
public:
    void clear() override;
    void setText(const QString& text, int format) override;
    QString text() const override;
};
