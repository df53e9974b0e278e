#pragma once

#include <QByteArray>

// A picture in grey, one byte a pixel, rows packed without padding: what barcodes are read from.
// Plain bytes rather than a QImage, so that the logic never needs Qt's GUI module.
struct GreyImage
{
    int width = 0;
    int height = 0;
    QByteArray pixels; // width * height bytes, row after row
};
