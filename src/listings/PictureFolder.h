#pragma once

#include "listings/PictureManifest.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FileSystem;
class FolderFiles;
class PictureFetch;
class PictureFiles;
struct CodeOutcome;

// What saving pictures to a folder works with.
struct PictureFolderServices
{
    const FileSystem& files; // reads what the folder holds
    FolderFiles& folder;     // writes to it
    PictureFetch& fetch;
    // Makes pictures smaller (a picture size); null: they are saved as they come.
    PictureFiles* scaler = nullptr;
    // Each picture is hashed and written on a thread of its own while the next one is fetched:
    // `folder` is then used from that thread as well.
    bool diskThread = false;
};

// What became of the pictures of a run so far.
struct PictureTally
{
    qsizetype saved = 0;
    // There already, from an earlier run or with the very same bytes: nothing written.
    qsizetype alreadyThere = 0;
    // A file of the user's stands under the picture's name: kept, the picture not saved.
    qsizetype keptYours = 0;
    qsizetype withoutPicture = 0; // found, but the answer names no picture
    qsizetype failed = 0;
    QHash<QString, qsizetype> failures; // how many failed for each reason
};

// The pictures of the found products, saved one file each into a folder: named by the product's
// GTIN (digits only, so that nothing is ever written outside the folder) and the picture's kind
// as its bytes say ("4006381333931.jpg", ".png", ".webp", ".gif"). A file the user has under that
// name is never replaced unless its bytes are the same (or it is empty); a picture saved by an
// earlier run, still as it was written, is neither asked for nor written again. Each file is
// written whole under a part name and renamed; when the run ends they are synced to disk, and
// then the list of what the folder holds (pictures.csv) is written, whole or not at all.
class PictureFolder final
{
    Q_DECLARE_TR_FUNCTIONS(PictureFolder)

public:
    enum class Saving { Saved, AlreadyThere, KeptYours, WithoutPicture, Failed, Stopped, NotFound };

    // Makes the folder when it is not there, and reads the list an earlier run left in it.
    // `pictureSize` (pixels, the longer side): larger pictures are made that small; 0: none.
    // Throws OperationFailed when the folder cannot be made.
    PictureFolder(QString folder, PictureFolderServices services, int pictureSize = 0);
    // Waits for the pictures on their way to the disk.
    ~PictureFolder();
    PictureFolder(const PictureFolder&) = delete;
    PictureFolder& operator=(const PictureFolder&) = delete;

    // Saves the picture of a found product (Saved: written, or on its way to the disk); NotFound,
    // with nothing done, for any other outcome. `stop` is asked while a picture is waited for.
    // Throws OperationFailed when the folder cannot be written to (a full disk): what is written
    // so far stays, and so does the list.
    Saving save(const CodeOutcome& outcome, const std::function<bool()>& stop = {});
    // The file the product's picture is in, by its GTIN, once saved or found there; else empty.
    // Throws as save() does.
    QString fileOf(const QString& gtin);
    // Syncs the pictures written to disk, then writes the list. Throws OperationFailed.
    void finish();

    const PictureTally& tally() const { return m_tally; }
    QString folder() const { return m_folder; }
    // "Pictures in /home/me/shop: 7 saved, 2 already there, ..." and why some failed; a word on a
    // pictures.csv there that is not Quillfen's.
    QString summary() const;

private:
    class DiskSide;

    // Takes what the disk side has done: the rows of the pictures written, their SHA-256; with
    // `all`, once every picture is written. Throws OperationFailed when one could not be.
    void collect(bool all);
    QString pathOf(const QString& name) const;
    Saving failed(const QString& reason);
    // The bytes of the file there when it is a plain file of the user's or Quillfen's; nothing for
    // anything else.
    std::optional<QByteArray> bytesThere(const QString& name) const;
    // Whether the listed file is still as the list says it was written.
    bool asListed(const PictureManifestRow& row);

    QString m_folder;
    PictureFolderServices m_services;
    int m_pictureSize;
    // By GTIN: what the folder holds, as the earlier list said and this run changed it.
    QMap<QString, PictureManifestRow> m_rows;
    // The GTINs this run settled, and those of the earlier list found still as written.
    QSet<QString> m_settled;
    QSet<QString> m_checked;
    // The GTINs whose pictures are on their way to the disk.
    QSet<QString> m_writing;
    QByteArray m_listAsRead;
    bool m_listIsOurs = true;
    PictureTally m_tally;
    std::unique_ptr<DiskSide> m_disk;
};
