#pragma once

#include "platform/PictureStore.h"

// The pictures as files in a folder of the user's cache, one a picture, named by a hash of its
// address. A picture's modification time is when it was last used; past the cap, the files used
// longest ago are removed first.
class QtPictureStore final : public PictureStore
{
public:
    static constexpr qint64 kDefaultCapBytes = 200 * 1024 * 1024;

    // A file over `largestPictureBytes` is no picture the program fetched: it is neither kept
    // nor read back.
    explicit QtPictureStore(QString folder, qint64 capBytes = kDefaultCapBytes,
                            qint64 largestPictureBytes = kDefaultCapBytes);
    // The pictures' folder under the user's cache folder.
    static QString defaultFolder();

    std::optional<QByteArray> find(const QString& url) override;
    void store(const QString& url, const QByteArray& bytes) override;

private:
    QString pathOf(const QString& url) const;
    void makeRoom();

    QString m_folder;
    qint64 m_capBytes;
    qint64 m_largestPictureBytes;
};
