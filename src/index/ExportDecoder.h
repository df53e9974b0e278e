#pragma once

#include "index/GzipInflater.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// Gives the text of an export file, whichever way it was saved: gzip-compressed (as the
// databases publish them) or plain text (as one unpacks it with gunzip), told apart by the
// first bytes rather than by the file's name.
class ExportDecoder final
{
public:
    using Sink = GzipInflater::Sink;

    // How much of a file to read for one feed: large reads keep the system calls few, and the
    // text they inflate to is handed on in pieces of the inflater's own size.
    static constexpr qint64 kReadPiece = 1024 * 1024;

    // Hands the text of these bytes of the file to the sink. False once the file turns out to be
    // neither gzip nor text, or damaged (problem() says why); nothing more is read then.
    bool feed(QByteArrayView bytes, const Sink& sink);
    // The end of the file, with the text of a file too short to have been told apart before.
    // False when it held nothing, or a gzip stream ended early.
    bool finish(const Sink& sink);

    // Empty while all is well.
    QString problem() const { return m_problem; }
    qint64 textBytes() const { return m_textBytes; }

private:
    enum class Kind { Unknown, Gzip, Text };

    bool decide(QByteArrayView first);

    Kind m_kind = Kind::Unknown;
    // The first bytes, until there are enough of them to tell the kind by.
    QByteArray m_start;
    std::optional<GzipInflater> m_inflater;
    qint64 m_textBytes = 0;
    QString m_problem;
};
