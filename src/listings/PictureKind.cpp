#include "listings/PictureKind.h"

PictureKind KindOfPicture(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return PictureKind::Jpeg;
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureKind::Png;
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return PictureKind::Gif;
    // A RIFF container: its size, then the form.
    if (bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.sliced(8, 4) == "WEBP")
        return PictureKind::WebP;
    return PictureKind::None;
}

QString PictureExtension(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Jpeg:
        return QStringLiteral("jpg");
    case PictureKind::Png:
        return QStringLiteral("png");
    case PictureKind::WebP:
        return QStringLiteral("webp");
    case PictureKind::Gif:
        return QStringLiteral("gif");
    case PictureKind::None:
        break;
    }
    return {};
}

bool IsPictureExtension(QStringView extension)
{
    for (const PictureKind kind :
         {PictureKind::Jpeg, PictureKind::Png, PictureKind::WebP, PictureKind::Gif}) {
        if (extension == PictureExtension(kind))
            return true;
    }
    return false;
}
