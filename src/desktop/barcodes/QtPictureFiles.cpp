#include "desktop/barcodes/QtPictureFiles.h"

#include "common/OperationFailed.h"
#include "desktop/barcodes/GreyImageOf.h"

#include <QImage>
#include <QImageReader>
#include <QTransform>

#include <cstring>

namespace {
// Qt refuses to decode more than this many megabytes at once; the largest picture taken whole.
constexpr int kWholeImageMegabytes = 256;
constexpr int kBandRows = 1024;

bool turnsSideways(QImageIOHandler::Transformations turn)
{
    return turn.testFlag(QImageIOHandler::TransformationRotate90);
}

// What an EXIF orientation asks for, done on the grey picture; QImageReader's own would need the
// picture whole in colour first.
QImage turned(const QImage& image, QImageIOHandler::Transformations turn)
{
    if (turn == QImageIOHandler::TransformationNone)
        return image;
    QImage out = image;
    if (turn.testFlag(QImageIOHandler::TransformationMirror) ||
        turn.testFlag(QImageIOHandler::TransformationFlip))
        out = out.mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                           turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        out = out.transformed(QTransform().rotate(90));
    return out;
}

[[noreturn]] void cannotDecode(const QImageReader& reader)
{
    throw OperationFailed(QStringLiteral("the picture cannot be decoded (") + reader.errorString() +
                          u')');
}
} // namespace

std::optional<QSize> QtPictureFiles::imageSize(const QString& path)
{
    QImageReader reader(path);
    if (!reader.canRead())
        return std::nullopt;
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return turnsSideways(reader.transformation()) ? size.transposed() : size;
}

GreyImage QtPictureFiles::readGrey(const QString& path)
{
    QImageReader probe(path);
    probe.setAutoTransform(false);
    const QSize size = probe.size();
    const QImageIOHandler::Transformations turn = probe.transformation();
    const qint64 pixels = qint64(size.width()) * size.height();
    const int depth = std::max(8, int(QImage::toPixelFormat(probe.imageFormat()).bitsPerPixel()));
    if (!size.isValid() || pixels * depth / 8 <= qint64(kWholeImageMegabytes) * 1024 * 1024) {
        QImageReader reader(path);
        reader.setAutoTransform(false);
        QImage image = reader.read();
        if (image.isNull())
            cannotDecode(reader);
        image.convertTo(QImage::Format_Grayscale8);
        return GreyImageOf(turned(image, turn));
    }
    if (!probe.supportsOption(QImageIOHandler::ClipRect))
        throw OperationFailed(
            QStringLiteral("the picture is too large to decode in colour; save it in grey or as "
                           "JPEG"));
    QImage grey(size, QImage::Format_Grayscale8);
    if (grey.isNull())
        throw OperationFailed(QStringLiteral("not enough memory for the picture"));
    for (int top = 0; top < size.height(); top += kBandRows) {
        QImageReader reader(path);
        reader.setAutoTransform(false);
        const QRect band(0, top, size.width(), std::min(kBandRows, size.height() - top));
        reader.setClipRect(band);
        QImage part = reader.read();
        if (part.isNull() || part.size() != band.size())
            cannotDecode(reader);
        part.convertTo(QImage::Format_Grayscale8);
        for (int y = 0; y < part.height(); ++y)
            std::memcpy(grey.scanLine(top + y), part.constScanLine(y), size_t(size.width()));
    }
    return GreyImageOf(turned(grey, turn));
}

QStringList QtPictureFiles::readableExtensions()
{
    QStringList extensions;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        extensions.append(QString::fromLatin1(format).toLower());
    extensions.removeDuplicates();
    return extensions;
}
