#include "program/ModuleFile.h"

#include "common/OperationFailed.h"

#include <QLibrary>

ModuleFile::ModuleFile(std::function<QString()> file, const char* symbol,
                       QString (*failure)(const QString& reason))
    : m_file(std::move(file))
    , m_symbol(symbol)
    , m_failure(failure)
{}

ModuleFile::~ModuleFile() = default;

QFunctionPointer ModuleFile::entry() const
{
    const std::lock_guard lock(m_loading);
    if (m_entry)
        return m_entry;
    auto library = std::make_unique<QLibrary>(m_file());
    const QFunctionPointer entry = library->load() ? library->resolve(m_symbol) : nullptr;
    if (!entry)
        throw OperationFailed(m_failure(library->errorString()));
    m_entry = entry;
    m_library = std::move(library);
    return m_entry;
}
