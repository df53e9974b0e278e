#pragma once

// Source answers written out as one line each, so that source suites can state in one table
// column what a response must come to.

#include "lookup/LookupSource.h"
#include "lookup/ProductName.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// "found: Hazelnut Spread, Ferrero [Open Beauty Facts]", "not found", "failed: HTTP 503 (busy)",
// each followed by " until 1700000000" when the source asks to be left alone.
inline QString AnswerText(const SourceAnswer& answer)
{
    QString text;
    switch (answer.kind) {
    case SourceAnswer::Kind::Found:
        text = QStringLiteral("found: ") + DisplayName(answer.product);
        if (!answer.product.database.isEmpty())
            text += QStringLiteral(" [") + answer.product.database + u']';
        break;
    case SourceAnswer::Kind::NotFound:
        text = QStringLiteral("not found");
        break;
    case SourceAnswer::Kind::Failed:
        text = QStringLiteral("failed: ") + answer.reason;
        break;
    }
    if (answer.busy)
        text += QStringLiteral(" (busy)");
    if (answer.pausedUntil)
        text += QStringLiteral(" until ") + QString::number(*answer.pausedUntil);
    return text;
}

// A response with headers written "Name: value" one a line.
inline SourceResponse Response(int status, const QByteArray& body, const QByteArray& headers = {})
{
    SourceResponse response;
    response.status = status;
    response.body = body;
    for (const QByteArray& line : headers.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            response.headers.append({line.first(colon), line.sliced(colon + 1).trimmed()});
    }
    return response;
}
