#pragma once

#include "platform/GreyImage.h"

class QImage;

// The pixels of a picture already in Format_Grayscale8, a row after another without the padding
// QImage keeps at the end of each row, as the barcode scanner reads them.
GreyImage GreyImageOf(const QImage& grey);

// Any picture in grey, written over `into`, whose buffer is reused when it is large enough (a
// page of a PDF after another is the same size). Grey levels weighted as qGray() weighs them.
void GreyImageInto(const QImage& picture, GreyImage& into);
