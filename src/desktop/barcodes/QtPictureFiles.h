#pragma once

#include "platform/PictureFiles.h"

#include <QCoreApplication>

// Pictures through Qt's image plugins. A large picture is decoded a band at a time where its
// plugin can (JPEG), so that only its grey copy is held whole; elsewhere whole, up to 100
// megapixels in colour, into the memory its grey copy then takes over.
class QtPictureFiles final : public PictureFiles
{
    Q_DECLARE_TR_FUNCTIONS(QtPictureFiles)
public:
    std::optional<QSize> imageSize(const QString& path) override;
    GreyImage readGrey(const QString& path) override;
    // What the image plugins installed here read.
    QStringList readableExtensions() override;
    // A JPEG reads straight at the smaller size; another picture is decoded whole, within the
    // same memory as a barcode file's, and scaled.
    std::optional<QByteArray> scaledDown(const QByteArray& picture, int longestSide) override;
};
