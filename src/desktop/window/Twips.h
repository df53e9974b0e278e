#pragma once

#include <QRect>

// Twips are 1/1440 inch; at 96 dots per inch 15 of them make a pixel. Qt scales logical pixels
// for other screens itself.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr int PixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}
