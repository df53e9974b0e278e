#pragma once

#include <QString>

// Hands a web address to the desktop's default browser without waiting for it.
class BrowserOpener
{
public:
    virtual ~BrowserOpener() = default;

    // Throws OperationFailed when no browser could be asked to open it.
    virtual void open(const QString& url) = 0;
};
