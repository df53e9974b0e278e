#pragma once

#include "HttpConnection.h"

#include <optional>

// The stand-ins' pictures: Open Food Facts' product pictures under /images/products/ and Open
// Library's covers under /b/id/. The file name says what comes back, so that the catalog can
// point at each kind: "front_en.3.400.jpg" a small JPEG, "*.png" a small PNG, "broken.*" bytes
// that start like a JPEG and are none, "huge.*" a body over 10 MB, and a cover whose id is not in
// the catalog the 404 the real covers host gives with default=false. Nothing for other paths.
std::optional<HttpReply> SamplePicture(const QByteArray& path);

// The catalog writes addresses of the stand-ins' own pictures with this in place of their scheme,
// host and port, which only the request knows.
inline constexpr char kOwnAddressMark[] = "$SELF";
