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

const void* ModuleFile::table() const
{
    const std::lock_guard lock(m_loading);
    if (m_table)
        return m_table;
    auto library = std::make_unique<QLibrary>(m_file());
    using Entry = const void* (*)();
    const auto entry =
        library->load() ? reinterpret_cast<Entry>(library->resolve(m_symbol)) : nullptr;
    if (!entry)
        throw OperationFailed(m_failure(library->errorString()));
    m_table = entry();
    m_library = std::move(library);
    return m_table;
}
