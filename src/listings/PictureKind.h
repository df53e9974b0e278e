#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The kinds of picture a folder of product pictures holds.
enum class PictureKind { None, Jpeg, Png, WebP, Gif };

// What the bytes are, judged from their first bytes alone: the address and the Content-Type say
// what a server claims, and a web page served as image/jpeg is no picture. None for anything
// else (an HTML page, an empty body, a format a shop does not take).
PictureKind KindOfPicture(QByteArrayView bytes);

// The extension a file of the kind is named with, without the dot: "jpg", "png", "webp", "gif";
// empty for None.
QString PictureExtension(PictureKind kind);
// Whether the text is one of those extensions.
bool IsPictureExtension(QStringView extension);
