#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

// A failed operation of the outside world: a control, a file, the network, the clipboard.
// Trapped procedures report it and go on with their next statement; routines without a trap let
// it pass to their caller, which is how a failure deep inside a helper ends up reported at the
// line of the call.
class OperationFailed : public std::exception
{
public:
    explicit OperationFailed(QString description)
        : m_description(std::move(description))
        , m_utf8(m_description.toUtf8())
    {}

    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};
