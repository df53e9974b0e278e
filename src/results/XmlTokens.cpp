#include "results/XmlTokens.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>
#include <QIODevice>

XmlToken XmlToken::current(const QXmlStreamReader& xml, const QString& part)
{
    XmlToken token;
    token.type = xml.tokenType();
    switch (token.type) {
    case QXmlStreamReader::StartDocument:
        token.version = xml.documentVersion().toString();
        token.standalone = xml.isStandaloneDocument();
        break;
    case QXmlStreamReader::StartElement:
        token.qualifiedName = xml.qualifiedName().toString();
        token.attributes = xml.attributes();
        token.namespaces = xml.namespaceDeclarations();
        break;
    case QXmlStreamReader::EndElement:
        token.qualifiedName = xml.qualifiedName().toString();
        break;
    case QXmlStreamReader::Characters:
        token.text = xml.text().toString();
        token.cdata = xml.isCDATA();
        break;
    case QXmlStreamReader::Comment:
        token.text = xml.text().toString();
        break;
    case QXmlStreamReader::ProcessingInstruction:
        token.target = xml.processingInstructionTarget().toString();
        token.text = xml.processingInstructionData().toString();
        break;
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
        throw OperationFailed(
            QCoreApplication::translate("XmlTokens", "it is damaged: the part %1 declares entities")
                .arg(part));
    case QXmlStreamReader::EndDocument:
    case QXmlStreamReader::NoToken:
    case QXmlStreamReader::Invalid:
        break;
    }
    return token;
}

void XmlToken::write(QXmlStreamWriter& writer) const
{
    switch (type) {
    case QXmlStreamReader::StartDocument:
        // A part without a declaration is UTF-8, as the writer writes it.
        if (version.isEmpty())
            break;
        if (standalone)
            writer.writeStartDocument(version, true);
        else
            writer.writeStartDocument(version);
        break;
    case QXmlStreamReader::EndDocument:
        writer.writeEndDocument();
        break;
    case QXmlStreamReader::StartElement:
        // By the names as they were: the writer's own namespace handling would choose prefixes.
        writer.writeStartElement(qualifiedName);
        for (const QXmlStreamNamespaceDeclaration& declared : namespaces)
            writer.writeAttribute(declared.prefix().isEmpty()
                                      ? QStringLiteral("xmlns")
                                      : QStringLiteral("xmlns:") + declared.prefix(),
                                  declared.namespaceUri().toString());
        for (const QXmlStreamAttribute& attribute : attributes)
            writer.writeAttribute(attribute.qualifiedName().toString(),
                                  attribute.value().toString());
        break;
    case QXmlStreamReader::EndElement:
        writer.writeEndElement();
        break;
    case QXmlStreamReader::Characters:
        if (cdata)
            writer.writeCDATA(text);
        else
            writer.writeCharacters(text);
        break;
    case QXmlStreamReader::Comment:
        writer.writeComment(text);
        break;
    case QXmlStreamReader::ProcessingInstruction:
        writer.writeProcessingInstruction(target, text);
        break;
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
    case QXmlStreamReader::NoToken:
    case QXmlStreamReader::Invalid:
        break;
    }
}

QString RootNamespace(QIODevice& in, const QString& part)
{
    QXmlStreamReader xml(&in);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            XmlToken::current(xml, part); // refused
            break;
        case QXmlStreamReader::StartElement:
            return xml.namespaceUri().toString();
        default:
            break;
        }
    }
    return {};
}

void ThrowIfUnread(const QXmlStreamReader& xml, const QIODevice& in, const QString& part)
{
    if (!xml.hasError())
        return;
    const QString device = in.errorString();
    // A device with nothing to say gives Qt's default, which Qt's own catalogues translate (not
    // a literal here, so that it stays out of ours).
    static const char* const qtUnknownError = "Unknown error";
    const bool silent = device.isEmpty() || device == QLatin1String(qtUnknownError) ||
                        device == QCoreApplication::translate("QIODevice", qtUnknownError);
    const QString reason = silent ? xml.errorString() : device;
    throw OperationFailed(
        QCoreApplication::translate("XmlTokens", "it is damaged: the part %1 cannot be read (%2)")
            .arg(part, reason));
}

namespace {
bool XmlCannotHold(const QString& text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF;
}
} // namespace

QString XmlSafeText(const QString& text)
{
    // Nearly every answer is safe as it is: it is shared, not copied.
    qsizetype first = 0;
    while (first < text.size() && !XmlCannotHold(text, first))
        ++first;
    if (first == text.size())
        return text;
    QString safe;
    safe.reserve(text.size());
    safe += QStringView(text).first(first);
    for (qsizetype i = first; i < text.size(); ++i) {
        if (!XmlCannotHold(text, i))
            safe += text[i];
    }
    return safe;
}
