#pragma once

#include "platform/ScanJournal.h"

#include <QCoreApplication>
#include <QFile>

// The session file in the data folder, one line per entry, each flushed and synced to the disk
// before append() returns: a killed process or a power cut keeps every scan it was told of.
class QtScanJournal final : public ScanJournal
{
    Q_DECLARE_TR_FUNCTIONS(QtScanJournal)
public:
    // `path`: the file; empty for the window's, scan-session.txt in the data folder.
    explicit QtScanJournal(QString path = {});

    // The file of that name in the data folder.
    static QString inDataFolder(QStringView name);

    QStringList read() override;
    void append(const QStringList& lines) override;
    void clear() override;

    const QString& path() const { return m_path; }

private:
    void openRegular(QFile& file, QIODevice::OpenMode mode) const;
    // The refusal of anything but a plain file in the session file's place.
    [[noreturn]] void refuseNotRegular() const;

    QString m_path;
    QFile m_file;
};
