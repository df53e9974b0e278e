#include "desktop/system/QtProcessCapture.h"

#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {
constexpr int kStartTimeoutMs = 10'000;
constexpr int kKillWaitMs = 2'000;
} // namespace

QtProcessCapture::QtProcessCapture() = default;

QtProcessCapture::~QtProcessCapture()
{
    kill();
}

bool QtProcessCapture::start(const QString& commandLine, bool standardOutput, bool standardError,
                             bool fromConsoleCodePage)
{
    kill();
    m_process = std::make_unique<QProcess>();
    m_fromConsoleCodePage = fromConsoleCodePage;
    m_pending.clear();

    QProcess& process = *m_process;
    process.setStandardInputFile(QProcess::nullDevice());
    if (standardOutput && standardError) {
        process.setProcessChannelMode(QProcess::MergedChannels);
    } else if (standardOutput) {
        process.setStandardErrorFile(QProcess::nullDevice());
    } else {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setReadChannel(QProcess::StandardError);
    }

#ifdef Q_OS_WIN
    // The command line goes to the system as written; only the program is split off. No console
    // window shows.
    const QString trimmed = commandLine.trimmed();
    const QStringList program = QProcess::splitCommand(trimmed);
    if (program.isEmpty())
        return false;
    process.setProgram(program.constFirst());
    const qsizetype firstSpace = trimmed.indexOf(u' ');
    process.setNativeArguments(firstSpace < 0 ? QString() : trimmed.mid(firstSpace + 1));
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->flags |= CREATE_NO_WINDOW;
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_HIDE;
    });
#else
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return false;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
#endif
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(kStartTimeoutMs)) {
        m_process.reset();
        return false;
    }
    return true;
}

QString QtProcessCapture::read(int waitMs)
{
    if (!m_process)
        return {};
    QProcess& process = *m_process;
    if (process.bytesAvailable() == 0 && process.state() != QProcess::NotRunning)
        process.waitForReadyRead(waitMs);
    const QByteArray bytes = process.readAll();
    const bool final = process.state() == QProcess::NotRunning && process.bytesAvailable() == 0;
    return decode(bytes, final);
}

bool QtProcessCapture::atEnd() const
{
    return !m_process ||
           (m_process->state() == QProcess::NotRunning && m_process->bytesAvailable() == 0);
}

void QtProcessCapture::kill() noexcept
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(kKillWaitMs);
    }
    m_process.reset();
    m_pending.clear();
}

qsizetype QtProcessCapture::completeUtf8Prefix(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    // Look back over at most three continuation bytes for the lead byte of the last character.
    for (qsizetype back = 1; back <= 4 && back <= size; ++back) {
        const uchar byte = uchar(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

QString QtProcessCapture::decode(const QByteArray& bytes, bool final)
{
    QByteArray text = m_pending + bytes;
    m_pending.clear();
#ifdef Q_OS_WIN
    // Console programs write in the OEM code page, others in the ANSI one. A lead byte of a
    // double-byte character waits for its second byte.
    const UINT codePage = m_fromConsoleCodePage ? CP_OEMCP : CP_ACP;
    if (!final && !text.isEmpty()) {
        qsizetype cut = 0;
        while (cut < text.size()) {
            if (IsDBCSLeadByteEx(codePage, BYTE(text[cut])) && cut + 1 == text.size())
                break;
            cut += IsDBCSLeadByteEx(codePage, BYTE(text[cut])) ? 2 : 1;
        }
        m_pending = text.mid(cut);
        text.truncate(cut);
    }
    if (text.isEmpty())
        return {};
    const int wide =
        MultiByteToWideChar(codePage, 0, text.constData(), int(text.size()), nullptr, 0);
    QString result(wide, Qt::Uninitialized);
    MultiByteToWideChar(codePage, 0, text.constData(), int(text.size()),
                        reinterpret_cast<wchar_t*>(result.data()), wide);
    return result;
#else
    // Here the console and the system both speak UTF-8.
    Q_UNUSED(m_fromConsoleCodePage);
    if (!final) {
        const qsizetype cut = completeUtf8Prefix(text);
        m_pending = text.mid(cut);
        text.truncate(cut);
    }
    return QString::fromUtf8(text);
#endif
}
