#include "lookup/JsonPointer.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// RFC 6901 array indices: "0", or digits not starting with 0. "-" (past the end) names no value.
std::optional<qsizetype> ArrayIndex(const QString& token)
{
    if (token.isEmpty() || token.size() > 9 || (token.size() > 1 && token.front() == u'0'))
        return std::nullopt;
    qsizetype index = 0;
    for (const QChar c : token) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        index = index * 10 + (c.unicode() - u'0');
    }
    return index;
}

} // namespace

std::optional<QStringList> ParseJsonPointer(QStringView pointer)
{
    if (pointer.isEmpty())
        return QStringList();
    if (pointer.front() != u'/')
        return std::nullopt;
    QStringList tokens;
    for (const QStringView piece : pointer.sliced(1).split(u'/')) {
        QString token;
        token.reserve(piece.size());
        for (qsizetype i = 0; i < piece.size(); ++i) {
            if (piece[i] != u'~') {
                token.append(piece[i]);
                continue;
            }
            if (i + 1 == piece.size() || (piece[i + 1] != u'0' && piece[i + 1] != u'1'))
                return std::nullopt;
            token.append(piece[++i] == u'0' ? u'~' : u'/');
        }
        tokens.append(std::move(token));
    }
    return tokens;
}

namespace {

// The steps from `from` on; `start` is what the steps before reached, `from` its place in them.
std::optional<QJsonValue> Walk(const QJsonValue& start, const QStringList& tokens, qsizetype from)
{
    // Each step reads the one before in place: no copy of the whole answer, nor of each value on
    // the way, is made (this runs for every field of every answer).
    std::optional<QJsonValue> value;
    const QJsonValue* current = &start;
    for (qsizetype i = from; i < tokens.size(); ++i) {
        const QString& token = tokens[i];
        QJsonValue next;
        if (current->isObject()) {
            next = (*current)[token];
        } else if (current->isArray()) {
            const std::optional<qsizetype> index = ArrayIndex(token);
            if (!index)
                return std::nullopt;
            next = (*current)[*index]; // undefined past the end
        } else {
            return std::nullopt;
        }
        // No member or element is undefined: undefined is what a missing one reads as.
        if (next.isUndefined())
            return std::nullopt;
        value = std::move(next);
        current = &*value;
    }
    return value;
}

} // namespace

std::optional<QJsonValue> ResolveJsonPointer(const QJsonValue& root, const QStringList& tokens)
{
    if (tokens.isEmpty())
        return root;
    return Walk(root, tokens, 0);
}

std::optional<QJsonValue> ResolveJsonPointer(const QJsonObject& root, const QStringList& tokens)
{
    if (tokens.isEmpty())
        return QJsonValue(root);
    QJsonValue first = root.value(tokens.front());
    if (first.isUndefined())
        return std::nullopt;
    if (tokens.size() == 1)
        return first;
    return Walk(first, tokens, 1);
}
