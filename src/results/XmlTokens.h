#pragma once

#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

class QIODevice;

// One token of an XML part as read, to be written again as it was: the parts of a workbook that
// are enriched are streamed through, and what is not changed must come out the same.
struct XmlToken
{
    QXmlStreamReader::TokenType type = QXmlStreamReader::NoToken;
    QString qualifiedName;
    QXmlStreamAttributes attributes;
    QXmlStreamNamespaceDeclarations namespaces;
    // Characters, a comment, or a processing instruction's data.
    QString text;
    QString target; // a processing instruction's
    bool cdata = false;
    QString version; // the declaration's, empty when the part has none
    bool standalone = false;

    // The token the reader stands on. Throws OperationFailed for a DTD or an entity reference,
    // which no workbook part holds, naming the part.
    static XmlToken current(const QXmlStreamReader& xml, const QString& part);
    void write(QXmlStreamWriter& writer) const;
};

// Reads a part up to its root element, where a DTD would have to stand: throws OperationFailed
// for one, as XmlToken::current() does. Gives the root element's namespace; empty when the part
// cannot be read that far (the copy passes it through as it is).
QString RootNamespace(QIODevice& in, const QString& part);

// Throws OperationFailed when the reader stopped on an error (or the device on a failure, whose
// reason comes first), naming the part; does nothing otherwise.
void ThrowIfUnread(const QXmlStreamReader& xml, const QIODevice& in, const QString& part);

// A database's text as XML can hold it: the control characters XML 1.0 forbids, unpaired
// surrogates and the two non-characters are dropped.
QString XmlSafeText(const QString& text);
