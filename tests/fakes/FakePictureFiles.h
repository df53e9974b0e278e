#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/PictureFiles.h"

#include <QHash>

// Pictures in memory, by path; any other path is no picture.
class FakePictureFiles final : public PictureFiles
{
public:
    ~FakePictureFiles() override;
    std::optional<QSize> imageSize(const QString& path) override
    {
        hook(u"imageSize");
        if (declaredSizes.contains(path))
            return declaredSizes.value(path);
        if (!images.contains(path))
            return std::nullopt;
        const GreyImage& image = images[path];
        return QSize(image.width, image.height);
    }
    GreyImage readGrey(const QString& path) override
    {
        hook(u"readGrey");
        if (!images.contains(path))
            throw OperationFailed(QStringLiteral("the picture cannot be decoded"));
        return images.value(path);
    }

    QStringList readableExtensions() override
    {
        hook(u"readableExtensions");
        return extensions;
    }
    // "scaled to N: " before the picture's bytes, for a picture longer than N by `longestSides`.
    std::optional<QByteArray> scaledDown(const QByteArray& picture, int longestSide) override
    {
        hook(u"scaledDown");
        if (longestSides.value(picture) <= longestSide)
            return std::nullopt;
        return "\xFF\xD8\xFF scaled to " + QByteArray::number(longestSide) + ": " + picture;
    }

    QHash<QString, GreyImage> images;
    QStringList extensions{QStringLiteral("png"),  QStringLiteral("jpg"), QStringLiteral("jpeg"),
                           QStringLiteral("bmp"),  QStringLiteral("gif"), QStringLiteral("tif"),
                           QStringLiteral("tiff"), QStringLiteral("webp")};
    // A size the file claims without the pixels to go with it.
    QHash<QString, QSize> declaredSizes;
    // The longer side of pictures given by their bytes; any other is small.
    QHash<QByteArray, int> longestSides;
    FakeHook hook{"FakePictureFiles",
                  {u"imageSize", u"readGrey", u"readableExtensions", u"scaledDown"}};
};
