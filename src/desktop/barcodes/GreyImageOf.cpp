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
