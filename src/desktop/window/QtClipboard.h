#pragma once

#include "platform/Clipboard.h"

// The desktop's clipboard through QClipboard. Needs a QGuiApplication.
class QtClipboard final : public Clipboard
{
public:
    void clear() override;
    void setText(const QString& text, int format) override;
    QString text() const override;
};
