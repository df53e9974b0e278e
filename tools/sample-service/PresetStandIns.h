#pragma once

#include "HttpConnection.h"

#include <optional>

// Stand-ins for the services the program's source presets describe, each answering in its
// service's shape from a fixed set of codes, so that a preset's pointers are tried against the
// answers they were written for:
//   9780306406157, 036000291452   found
//   9781861972712, 4006381333931  answered with the record of another code (a service that
//                                 guesses), which must count as not found
//   9780140328721, 5449000000996  busy (429, to be asked again at once)
//   anything else                  not found, the way the service says it
// A request without the key where the service needs one is refused (401).
std::optional<HttpReply> AnswerPresetRoute(const HttpRequest& request);
