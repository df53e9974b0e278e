#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <initializer_list>

// Every fake calls its hook with the operation's name before doing it, and its hook knows the
// names of all the fake's operations: a name the fake does not have, asked for by a test or
// passed by the fake itself, stops the test at once with a message that lists the right ones,
// where a mistyped name would otherwise never fire. A test makes operations fail with fail(),
// failAll(), failOnCall() or failFirstCalls(), runs something of its own on a call with onCall()
// (imitating what a user does while the operation is under way), or watches every call with
// beforeCall.
class FakeHook final
{
public:
    FakeHook(const char* fake, std::initializer_list<QStringView> operations);

    // Every call of the operation from now on throws OperationFailed(description).
    void fail(QStringView operation, const QString& description);
    // The same for every operation of the fake.
    void failAll(const QString& description);
    // Only the nth call from now on throws (1 is the next call).
    void failOnCall(QStringView operation, int n, const QString& description);
    // The next n calls throw; the ones after go through.
    void failFirstCalls(QStringView operation, int n, const QString& description);
    // Runs the action before every call of the operation, with the number of the call counted
    // from now on (1 is the next). It may throw to make the call fail.
    void onCall(QStringView operation, std::function<void(int call)> action);
    // Forgets every failure and action armed so far; beforeCall stays.
    void disarm() { m_armed.clear(); }

    // Sees every call of every operation first, before the armed failures and actions.
    std::function<void(QStringView operation)> beforeCall;

    // The fake's side: called with the operation's name before the operation.
    void operator()(QStringView operation) const;

    const QStringList& operations() const { return m_operations; }
    // How often the operation was called since the fake was made, failed calls included.
    int calls(QStringView operation) const;

private:
    struct Armed
    {
        QString operation;
        std::function<void(int call)> action;
        int calls = 0;
    };

    void check(QStringView operation) const;

    const char* m_fake;
    QStringList m_operations;
    // Mutable: the fakes' const operations (a list's count(), a page's text()) count calls too.
    mutable QList<Armed> m_armed;
    mutable QHash<QString, int> m_calls;
};
