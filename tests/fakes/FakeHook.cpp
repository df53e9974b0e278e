#include "fakes/FakeHook.h"

#include "common/OperationFailed.h"

#include <QtGlobal>

#include <utility>

FakeHook::FakeHook(const char* fake, std::initializer_list<QStringView> operations)
    : m_fake(fake)
{
    for (const QStringView operation : operations)
        m_operations.append(operation.toString());
}

void FakeHook::check(QStringView operation) const
{
    // Not a test failure but a mistake in the test or the fake, which no later step can repair.
    if (!m_operations.contains(operation))
        qFatal("%s has no operation \"%s\"; its operations are: %s", m_fake,
               qPrintable(operation.toString()),
               qPrintable(m_operations.join(QStringLiteral(", "))));
}

void FakeHook::onCall(QStringView operation, std::function<void(int call)> action)
{
    check(operation);
    m_armed.append(Armed{operation.toString(), std::move(action), 0});
}

void FakeHook::fail(QStringView operation, const QString& description)
{
    onCall(operation, [description](int) { throw OperationFailed(description); });
}

void FakeHook::failAll(const QString& description)
{
    for (const QString& operation : std::as_const(m_operations))
        fail(operation, description);
}

void FakeHook::failOnCall(QStringView operation, int n, const QString& description)
{
    onCall(operation, [n, description](int call) {
        if (call == n)
            throw OperationFailed(description);
    });
}

void FakeHook::failFirstCalls(QStringView operation, int n, const QString& description)
{
    onCall(operation, [n, description](int call) {
        if (call <= n)
            throw OperationFailed(description);
    });
}

int FakeHook::calls(QStringView operation) const
{
    check(operation);
    return m_calls.value(operation.toString());
}

void FakeHook::operator()(QStringView operation) const
{
    check(operation);
    ++m_calls[operation.toString()];
    if (beforeCall)
        beforeCall(operation);
    // By index and on a copy: an action may arm another, which moves the list.
    for (qsizetype i = 0; i < m_armed.size(); ++i) {
        if (m_armed[i].operation != operation)
            continue;
        const int call = ++m_armed[i].calls;
        const std::function<void(int)> action = m_armed[i].action;
        action(call);
    }
}
