#pragma once

#include "HttpConnection.h"

#include <optional>

// The stand-ins' pictures: Open Food Facts' product pictures under /images/products/ and Open
// Library's covers under /b/id/. The file name says what comes back, so that the catalog can
// point at each kind: "front_en.3.400.jpg" a small JPEG, "*.png" a small PNG, "*.webp" a small
// WebP, "broken.*" bytes that start like a JPEG and are none, "huge.*" a body over 10 MB,
// "png-as-jpeg.*" the PNG served as image/jpeg, "page.*" a web page served as image/jpeg,
// "missing.*" a 404, "endless.*" a chunked body that never ends, "to-loopback.*" a redirection to
// the JPEG at 127.0.0.1 (on the port the request came to), "sized-N.jpg" a JPEG of N bytes
// (padded after its end, at most 11 MB); and a cover whose id is not in the catalog the 404 the
// real covers host gives with default=false. Nothing for other paths.
std::optional<HttpAnswer> SamplePicture(const HttpRequest& request);

// The catalog writes addresses of the stand-ins' own pictures with this in place of their scheme,
// host and port, which only the request knows.
inline constexpr char kOwnAddressMark[] = "$SELF";
