#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <QStringView>

#include <optional>

// JSON Pointers (RFC 6901) as source files name the parts of an answer: "" is the whole value,
// "/items/0/title" a member of an element of a member. A pointer is read once, when the file is,
// into its reference tokens, "~1" and "~0" already turned back into "/" and "~".

// The tokens of a pointer, or nothing when it is not one (it must be empty or start with "/",
// and "~" must be followed by 0 or 1).
std::optional<QStringList> ParseJsonPointer(QStringView pointer);

// The value the tokens point to, or nothing when there is none: a member or an element that is
// missing, an index that is not a plain decimal number, or a step into a string, a number, a
// boolean or null.
std::optional<QJsonValue> ResolveJsonPointer(const QJsonValue& root, const QStringList& tokens);

// The same from an object, its first step taken on the object as it is: what reading many fields
// of one product takes, without converting the product back to an object for each.
std::optional<QJsonValue> ResolveJsonPointer(const QJsonObject& root, const QStringList& tokens);
