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
};
