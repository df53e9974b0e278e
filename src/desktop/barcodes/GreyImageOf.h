#pragma once

#include "platform/GreyImage.h"

class QImage;

// The pixels of a picture already in Format_Grayscale8, a row after another without the padding
// QImage keeps at the end of each row, as the barcode scanner reads them.
GreyImage GreyImageOf(const QImage& grey);
