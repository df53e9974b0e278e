#include "desktop/files/StandardErrorCapture.h"

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
constexpr int kStandardError = 2;

#ifdef Q_OS_WIN
int Duplicate(int fd)
{
    return _dup(fd);
}
int DuplicateOnto(int fd, int onto)
{
    return _dup2(fd, onto);
}
void Close(int fd)
{
    _close(fd);
}
int Descriptor(std::FILE* file)
{
    return _fileno(file);
}
#else
int Duplicate(int fd)
{
    return ::dup(fd);
}
int DuplicateOnto(int fd, int onto)
{
    return ::dup2(fd, onto);
}
void Close(int fd)
{
    ::close(fd);
}
int Descriptor(std::FILE* file)
{
    return ::fileno(file);
}
#endif
} // namespace

StandardErrorCapture::StandardErrorCapture()
{
    std::FILE* file = std::tmpfile();
    if (!file)
        return;
    std::fflush(stderr);
    m_saved = Duplicate(kStandardError);
    if (m_saved < 0 || DuplicateOnto(Descriptor(file), kStandardError) < 0) {
        if (m_saved >= 0)
            Close(m_saved);
        m_saved = -1;
        std::fclose(file);
        return;
    }
    m_file = file;
}

StandardErrorCapture::~StandardErrorCapture()
{
    finish();
}

QString StandardErrorCapture::finish()
{
    if (!m_file)
        return {};
    auto* file = static_cast<std::FILE*>(m_file);
    m_file = nullptr;
    std::fflush(stderr);
    DuplicateOnto(m_saved, kStandardError);
    Close(m_saved);
    m_saved = -1;

    QByteArray text;
    std::rewind(file);
    char block[4096];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, qsizetype(got));
    std::fclose(file);
    return QString::fromLocal8Bit(text);
}
