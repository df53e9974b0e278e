#include "app/window/AboutText.h"

#include "common/NumberText.h"
#include "index/ImportText.h"

#include <QCoreApplication>

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
                          : QCoreApplication::translate("AboutText", "an unknown date");
}

QString SourcesPart(const QList<AboutFacts::Source>& inUse)
{
    if (inUse.isEmpty())
        return Paragraph(QCoreApplication::translate(
            "AboutText", "None: no source can be asked as things are set."));
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
    return Paragraph(QCoreApplication::translate("AboutText",
                                                 "Asked in this order until one knows the code:")) +
           list + QStringLiteral("</ol>");
}

QString CreditsPart()
{
    return Paragraph(
               //: HTML. %1 links to the database's site, %2 to the licence.
               QCoreApplication::translate(
                   "AboutText", "<b>Open Food Facts, Open Beauty Facts, Open Pet Food Facts "
                                "and Open Products Facts</b>: data by the Open Food Facts "
                                "contributors (%1), available under the Open Database "
                                "Licence (%2). The product index is made from their exports "
                                "and comes under the same licence.")
                   .arg(Link(kOpenFoodFactsSite, QStringLiteral("world.openfoodfacts.org")),
                        Link(kOdblUrl, QStringLiteral("ODbL 1.0")))) +
           Paragraph(
               //: HTML. %1 links to the site, %2 to its data terms.
               QCoreApplication::translate(
                   "AboutText", "<b>Open Library</b> (%1), a project of the Internet "
                                "Archive: its catalogue data is in the public domain, free "
                                "for anyone to reuse (%2).")
                   .arg(Link(kOpenLibrarySite, QStringLiteral("openlibrary.org")),
                        Link(kOpenLibraryDataTerms,
                             QCoreApplication::translate("AboutText",
                                                         "Open Library's data terms")))) +
           Paragraph(
               //: HTML. %1 links to the site.
               QCoreApplication::translate(
                   "AboutText", "<b>UPCitemdb</b> (%1): product data used subject to its "
                                "terms of service.")
                   .arg(Link(kUpcItemDbSite, QStringLiteral("www.upcitemdb.com")))) +
           Paragraph(QCoreApplication::translate(
               "AboutText", "<b>Page service</b>: the lookup service at the address "
                            "you name; its own terms apply."));
}

QString IndexPart(const IndexInfo& index)
{
    if (!index.exists)
        return Paragraph(QCoreApplication::translate(
            "AboutText", "No product index imported. Lookup \u2192 Import "
                         "Product Database or Download Product Database "
                         "makes one."));
    if (!index.problem.isEmpty())
        //: %1 is the index file's path, %2 what is wrong with it.
        return Paragraph(
            QCoreApplication::translate("AboutText", "The product index in %1 cannot be read: %2")
                .arg(Escaped(index.path), Escaped(index.problem)));
    //: %1 is the number of products, %2 the file's size ("12.3 MB"), %3 its path.
    QString html = Paragraph(QCoreApplication::translate("AboutText", "%1 products, %2, in %3.",
                                                         nullptr, PluralCount(index.products))
                                 .arg(GroupedNumber(index.products), MegabytesText(index.fileBytes),
                                      Escaped(index.path)));
    const QStringList databases = index.databases();
    if (!databases.isEmpty())
        html += Paragraph(QCoreApplication::translate("AboutText", "Databases: %1.")
                              .arg(Escaped(databases.join(QStringLiteral(", ")))));
    if (!index.exports.isEmpty()) {
        html += QStringLiteral("<ul>");
        for (const IndexedExport& file : index.exports)
            //: %1 is a database, %2 its export's file name, %3 the export's date, %4 how many
            //: products it held.
            html += QStringLiteral("<li>") +
                    QCoreApplication::translate("AboutText", "%1: %2, exported %3, %4 products",
                                                nullptr, PluralCount(file.products))
                        .arg(Escaped(file.database), Escaped(file.fileName),
                             DateText(file.exportDate), GroupedNumber(file.products)) +
                    QStringLiteral("</li>");
        html += QStringLiteral("</ul>");
    }
    return html;
}

QString AnswersPart(const AboutFacts& facts)
{
    const QString count = GroupedNumber(facts.answersCount);
    const int n = PluralCount(facts.answersCount);
    const bool one = facts.answersCount == 1;
    const QString where = Escaped(facts.answersLocation);
    if (!facts.answersRemembered)
        //: %1 is the number of answers, %2 where they are kept.
        return Paragraph((one ? QCoreApplication::translate(
                                    "AboutText",
                                    "This session neither uses nor keeps remembered answers "
                                    "(--no-cache). %1 answer kept in %2.",
                                    nullptr, n)
                              : QCoreApplication::translate(
                                    "AboutText",
                                    "This session neither uses nor keeps remembered answers "
                                    "(--no-cache). %1 answers kept in %2.",
                                    nullptr, n))
                             .arg(count, where));
    //: %1 is the number of answers, %2 where they are kept.
    return Paragraph((one ? QCoreApplication::translate(
                                "AboutText",
                                "%1 answer of the open databases remembered in %2. Each is "
                                "used again instead of asking, for up to a month (a week for "
                                "codes not found); Lookup \u2192 Forget Remembered Answers "
                                "clears them.",
                                nullptr, n)
                          : QCoreApplication::translate(
                                "AboutText",
                                "%1 answers of the open databases remembered in %2. Each is "
                                "used again instead of asking, for up to a month (a week for "
                                "codes not found); Lookup \u2192 Forget Remembered Answers "
                                "clears them.",
                                nullptr, n))
                         .arg(count, where));
}
} // namespace

QString AboutText(const AboutFacts& facts)
{
    return QStringLiteral("<h2>Quillfen ") + Escaped(facts.version) + QStringLiteral("</h2>") +
           Paragraph(
               QCoreApplication::translate("AboutText", "Looks up EAN product codes in batches.")) +
           Section(QCoreApplication::translate("AboutText", "Sources in use")) +
           SourcesPart(facts.sourcesInUse) +
           Section(QCoreApplication::translate("AboutText", "Where the data comes from")) +
           CreditsPart() + Section(QCoreApplication::translate("AboutText", "Product index")) +
           IndexPart(facts.index) +
           Paragraph(QCoreApplication::translate(
                         "AboutText", "Download Product Database fetches the export from %1.")
                         .arg(Escaped(facts.indexDownloadUrl))) +
           Section(QCoreApplication::translate("AboutText", "Remembered answers")) +
           AnswersPart(facts);
}
