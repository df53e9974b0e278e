#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

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

// Thrown out of a yield, a wait or a modal box once the main window has closed. Closing ends the
// program at once, so whatever handler was running is unwound instead of carrying on against a
// window that no longer exists. Deliberately not a std::exception: no trap may swallow it.
struct ProgramEnding final
{
};
