#include "desktop/barcodes/GreyImageOf.h"

#include <QImage>

#include <cstring>

GreyImage GreyImageOf(const QImage& grey)
{
    GreyImage image;
    image.width = grey.width();
    image.height = grey.height();
    image.pixels.resize(qsizetype(image.width) * image.height);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(image.pixels.data() + qsizetype(y) * image.width, grey.constScanLine(y),
                    size_t(image.width));
    return image;
}

void GreyImageInto(const QImage& picture, GreyImage& into)
{
    const auto fill = [&into](const QImage& image, const auto& greyRow) {
        into.width = image.width();
        into.height = image.height();
        // resize() keeps the buffer it has when the size does not grow; the bytes are all
        // written below.
        into.pixels.resize(qsizetype(into.width) * into.height);
        auto* out = reinterpret_cast<uchar*>(into.pixels.data());
        for (int y = 0; y < into.height; ++y)
            greyRow(image.constScanLine(y), out + qsizetype(y) * into.width, into.width);
    };
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        // Poppler's pages come so: opaque, so that alpha plays no part.
        fill(picture, [](const uchar* in, uchar* out, int width) {
            const auto* pixels = reinterpret_cast<const QRgb*>(in);
            for (int x = 0; x < width; ++x)
                out[x] = uchar(qGray(pixels[x]));
        });
        return;
    case QImage::Format_Grayscale8:
        fill(picture,
             [](const uchar* in, uchar* out, int width) { std::memcpy(out, in, size_t(width)); });
        return;
    default:
        fill(picture.convertToFormat(QImage::Format_Grayscale8),
             [](const uchar* in, uchar* out, int width) { std::memcpy(out, in, size_t(width)); });
    }
}
