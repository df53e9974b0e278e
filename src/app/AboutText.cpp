#include "app/AboutText.h"

#include "index/ImportText.h"

namespace {
QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString Link(QStringView url, const QString& text)
{
    return QStringLiteral("<a href=\"") + Escaped(url.toString()) + QStringLiteral("\">") +
           Escaped(text) + QStringLiteral("</a>");
}

QString Section(const QString& heading)
{
    return QStringLiteral("<h3>") + Escaped(heading) + QStringLiteral("</h3>");
}

QString Paragraph(const QString& html)
{
    return QStringLiteral("<p>") + html + QStringLiteral("</p>");
}

// "1 June 2024", the same whatever the locale, so that the box reads alike everywhere.
QString DateText(const QDateTime& when)
{
    return when.isValid() ? when.toUTC().date().toString(QStringLiteral("d MMMM yyyy"))
                          : QStringLiteral("an unknown date");
}

QString SourcesPart(const QList<AboutFacts::Source>& inUse)
{
    if (inUse.isEmpty())
        return Paragraph(QStringLiteral("None: no source can be asked as things are set."));
    QString list = QStringLiteral("<ol>");
    for (const AboutFacts::Source& source : inUse) {
        list += QStringLiteral("<li>") + Escaped(source.displayName);
        for (const AddressInUse& address : source.addresses)
            list += QStringLiteral("<br>") + Escaped(address.purpose.isEmpty()
                                                         ? address.url
                                                         : address.purpose + u": " + address.url);
        if (!source.licence.isEmpty())
            list += QStringLiteral("<br>") + Escaped(source.licence);
        list += QStringLiteral("</li>");
    }
    return Paragraph(QStringLiteral("Asked in this order until one knows the code:")) + list +
           QStringLiteral("</ol>");
}

QString CreditsPart()
{
    return Paragraph(
               QStringLiteral("<b>Open Food Facts, Open Beauty Facts, Open Pet Food Facts and "
                              "Open Products Facts</b>: data by the Open Food Facts "
                              "contributors (") +
               Link(kOpenFoodFactsSite, QStringLiteral("world.openfoodfacts.org")) +
               QStringLiteral("), available under the Open Database Licence (") +
               Link(kOdblUrl, QStringLiteral("ODbL 1.0")) +
               QStringLiteral("). The product index is made from their exports and comes "
                              "under the same licence.")) +
           Paragraph(QStringLiteral("<b>Open Library</b> (") +
                     Link(kOpenLibrarySite, QStringLiteral("openlibrary.org")) +
                     QStringLiteral("), a project of the Internet Archive: its catalogue data is "
                                    "in the public domain, free for anyone to reuse (") +
                     Link(kOpenLibraryDataTerms, QStringLiteral("Open Library's data terms")) +
                     QStringLiteral(").")) +
           Paragraph(QStringLiteral("<b>UPCitemdb</b> (") +
                     Link(kUpcItemDbSite, QStringLiteral("www.upcitemdb.com")) +
                     QStringLiteral("): product data used subject to its terms of service.")) +
           Paragraph(QStringLiteral("<b>Page service</b>: the lookup service at the address you "
                                    "name; its own terms apply."));
}

QString IndexPart(const IndexInfo& index)
{
    if (!index.exists)
        return Paragraph(QStringLiteral("No product index imported. Lookup \u2192 Import Product "
                                        "Database or Download Product Database makes one."));
    if (!index.problem.isEmpty())
        return Paragraph(QStringLiteral("The product index in ") + Escaped(index.path) +
                         QStringLiteral(" cannot be read: ") + Escaped(index.problem));
    QString html = Paragraph(GroupedNumber(index.products) + QStringLiteral(" products, ") +
                             MegabytesText(index.fileBytes) + QStringLiteral(", in ") +
                             Escaped(index.path) + u'.');
    const QStringList databases = index.databases();
    if (!databases.isEmpty())
        html += Paragraph(QStringLiteral("Databases: ") +
                          Escaped(databases.join(QStringLiteral(", "))) + u'.');
    if (!index.exports.isEmpty()) {
        html += QStringLiteral("<ul>");
        for (const IndexedExport& file : index.exports)
            html += QStringLiteral("<li>") + Escaped(file.database) + QStringLiteral(": ") +
                    Escaped(file.fileName) + QStringLiteral(", exported ") +
                    DateText(file.exportDate) + QStringLiteral(", ") +
                    GroupedNumber(file.products) + QStringLiteral(" products</li>");
        html += QStringLiteral("</ul>");
    }
    return html;
}

QString AnswersPart(const AboutFacts& facts)
{
    const QString count =
        GroupedNumber(facts.answersCount) +
        (facts.answersCount == 1 ? QStringLiteral(" answer") : QStringLiteral(" answers"));
    if (!facts.answersRemembered)
        return Paragraph(QStringLiteral("This session neither uses nor keeps remembered answers "
                                        "(--no-cache). ") +
                         count + QStringLiteral(" kept in ") + Escaped(facts.answersLocation) +
                         u'.');
    return Paragraph(
        count + QStringLiteral(" of the open databases remembered in ") +
        Escaped(facts.answersLocation) +
        QStringLiteral(". Each is used again instead of asking, for up to a month (a week for "
                       "codes not found); "
                       "Lookup \u2192 Forget Remembered Answers clears them."));
}
} // namespace

QString AboutText(const AboutFacts& facts)
{
    return QStringLiteral("<h2>Quillfen ") + Escaped(facts.version) + QStringLiteral("</h2>") +
           Paragraph(QStringLiteral("Looks up EAN product codes in batches.")) +
           Section(QStringLiteral("Sources in use")) + SourcesPart(facts.sourcesInUse) +
           Section(QStringLiteral("Where the data comes from")) + CreditsPart() +
           Section(QStringLiteral("Product index")) + IndexPart(facts.index) +
           Paragraph(QStringLiteral("Download Product Database fetches the export from ") +
                     Escaped(facts.indexDownloadUrl) + u'.') +
           Section(QStringLiteral("Remembered answers")) + AnswersPart(facts);
}
