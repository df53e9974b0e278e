#pragma once

#include "platform/GreyImage.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// Image files (PNG, JPEG, BMP, TIFF, WebP, whatever the image plugins read). Used from worker
// threads, several at once where the platform reads more than one barcode file at a time.
class PictureFiles
{
public:
    virtual ~PictureFiles() = default;
    // The size the file declares, read without decoding the pixels, turned as its EXIF
    // orientation says; nothing when no image plugin recognises the file.
    virtual std::optional<QSize> imageSize(const QString& path) = 0;
    // The whole picture in grey at full resolution, turned as its EXIF orientation says. Throws
    // OperationFailed when it cannot be decoded.
    virtual GreyImage readGrey(const QString& path) = 0;
    // The name extensions (lower case, without the dot) of the pictures it can read: the ones a
    // file dialog offers and that go to the barcode reader, and no others.
    virtual QStringList readableExtensions() = 0;
    // The picture (of any kind the image plugins read) made smaller, its longer side `longestSide`
    // pixels and its proportions kept, as a JPEG of quality 90; nothing when it is no larger than
    // that. Decoded within the memory a barcode file's decoding may take. Throws OperationFailed
    // when it cannot be decoded.
    virtual std::optional<QByteArray> scaledDown(const QByteArray& picture, int longestSide) = 0;
};
