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

std::optional<QJsonValue> ResolveJsonPointer(const QJsonValue& root, const QStringList& tokens)
{
    QJsonValue value = root;
    for (const QString& token : tokens) {
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            const auto member = object.constFind(token);
            if (member == object.constEnd())
                return std::nullopt;
            value = *member;
        } else if (value.isArray()) {
            const QJsonArray array = value.toArray();
            const std::optional<qsizetype> index = ArrayIndex(token);
            if (!index || *index >= array.size())
                return std::nullopt;
            value = array.at(*index);
        } else {
            return std::nullopt;
        }
    }
    return value;
}
