#pragma once

#include "platform/Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

class QtClock final : public Clock
{
public:
    QtClock() { m_started.start(); }

    qint64 steadyMs() const override { return m_started.elapsed(); }
    qint64 unixSeconds() const override { return QDateTime::currentSecsSinceEpoch(); }
    qint64 unixMs() const override { return QDateTime::currentMSecsSinceEpoch(); }

private:
    QElapsedTimer m_started;
};
