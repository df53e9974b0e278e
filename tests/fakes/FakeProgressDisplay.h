#pragma once

#include "platform/ProgressDisplay.h"

#include <QList>
#include <QStringList>

class FakeProgressDisplay final : public ProgressDisplay
{
public:
    ~FakeProgressDisplay() override;
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
