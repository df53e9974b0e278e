#pragma once

#include "Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

class QtClock final : public Clock
{
public:
    QtClock() { m_started.start(); }

    qint64 steadyMs() const override { return m_started.elapsed(); }
    qint64 unixSeconds() const override { return QDateTime::currentSecsSinceEpoch(); }

private:
    QElapsedTimer m_started;
};
