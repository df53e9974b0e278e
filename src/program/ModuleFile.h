#pragma once

#include <QFunctionPointer>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

class QLibrary;

// A module of the program's own in a file beside it, loaded the first time its entry is asked
// for, from whichever thread, and kept to the end: what it made may still be in use.
class ModuleFile
{
    Q_DISABLE_COPY_MOVE(ModuleFile)
public:
    // `file`: where the module lies, asked as it is loaded. `symbol`: the module's one entry, an
    // extern "C" function that returns its table, which the caller calls as the type it is.
    // `failure`: what a failed load says, with %1 for what the system said.
    ModuleFile(std::function<QString()> file, const char* symbol,
               QString (*failure)(const QString& reason));
    ~ModuleFile();

    // The entry. Throws OperationFailed when the module cannot be loaded; the next call tries
    // again.
    QFunctionPointer entry() const;

private:
    std::function<QString()> m_file;
    const char* m_symbol;
    QString (*m_failure)(const QString& reason);
    mutable std::mutex m_loading;
    mutable std::unique_ptr<QLibrary> m_library;
    mutable QFunctionPointer m_entry = nullptr;
};

// What a module makes, made at its first use from whichever thread; a making that throws is
// tried again at the next use.
template <typename Interface>
class Deferred
{
public:
    explicit Deferred(std::function<std::unique_ptr<Interface>()> make)
        : m_make(std::move(make))
    {}

    Interface& operator*()
    {
        std::call_once(m_once, [this] { m_made = m_make(); });
        return *m_made;
    }

private:
    std::function<std::unique_ptr<Interface>()> m_make;
    std::once_flag m_once;
    std::unique_ptr<Interface> m_made;
};
