#pragma once

#include <QStringView>

#include <functional>

// Every fake calls its hook with the operation's name before doing it. A test throws
// OperationFailed from the hook to make that operation fail, or changes other state there to
// imitate what a user does while an operation is under way.
struct FakeHook
{
    std::function<void(QStringView operation)> beforeCall;

    void operator()(QStringView operation) const
    {
        if (beforeCall)
            beforeCall(operation);
    }
};
