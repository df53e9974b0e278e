#pragma once

#include <QString>

// The process-wide title that message and input boxes show when they name none of their own.
class ApplicationTitle final
{
public:
    explicit ApplicationTitle(QString initial)
        : m_text(std::move(initial))
    {}

    const QString& text() const { return m_text; }
    void setText(QString text) { m_text = std::move(text); }

private:
    QString m_text;
};
