#include "app/LabelOptions.h"

#include "labels/LabelItems.h"

#include <QCoreApplication>

namespace {
enum Option {
    Labels,
    ListLayouts,
    LayoutFile,
    Fields,
    Copies,
    CopiesColumn,
    NameColumn,
    PriceColumn,
    Start,
    Currency,
    LabelText,
};
} // namespace

QStringList LabelFieldNames()
{
    return {QStringLiteral("barcode"), QStringLiteral("digits"), QStringLiteral("name"),
            QStringLiteral("price"), QStringLiteral("text")};
}

QString ParseLabelFields(const QString& list, LabelContent& content)
{
    content.barcode = content.digits = content.name = content.price = content.ownText = false;
    for (const QString& piece : list.split(u',', Qt::SkipEmptyParts)) {
        const QString field = piece.trimmed().toLower();
        if (field == u"barcode")
            content.barcode = true;
        else if (field == u"digits")
            content.digits = true;
        else if (field == u"name")
            content.name = true;
        else if (field == u"price")
            content.price = true;
        else if (field == u"text")
            content.ownText = true;
        else
            return piece.trimmed();
    }
    return {};
}

LabelCommandLine::LabelCommandLine(QCommandLineParser& parser)
    : m_parser(parser)
{
    m_options = {
        QCommandLineOption(
            QStringLiteral("labels"),
            QCoreApplication::translate(
                "LabelOptions",
                "Print labels of the codes given, or of the codes in the files given (code "
                "lists, spreadsheets), on the layout named (see --list-layouts), into the PDF "
                "file --output names, and exit."),
            QStringLiteral("layout")),
        QCommandLineOption(
            QStringLiteral("list-layouts"),
            QCoreApplication::translate(
                "LabelOptions", "List the label layouts known, with their sizes, and exit.")),
        QCommandLineOption(
            QStringLiteral("layout-file"),
            QCoreApplication::translate(
                "LabelOptions", "Also use the label layout this file describes, for this run."),
            QStringLiteral("file")),
        QCommandLineOption(
            QStringLiteral("label-fields"),
            QCoreApplication::translate(
                "LabelOptions",
                "With --labels: what goes on each label, comma-separated: %1 (default: "
                "barcode,digits,name,price).")
                .arg(LabelFieldNames().join(QStringLiteral(", "))),
            QStringLiteral("list")),
        QCommandLineOption(QStringLiteral("label-copies"),
                           QCoreApplication::translate(
                               "LabelOptions", "With --labels: N labels of each code (default 1)."),
                           QStringLiteral("N")),
        QCommandLineOption(
            QStringLiteral("label-copies-column"),
            QCoreApplication::translate(
                "LabelOptions",
                "With --labels and a spreadsheet: the column that says how many labels of each "
                "code, by its header, letter or number."),
            QStringLiteral("column")),
        QCommandLineOption(
            QStringLiteral("label-name-column"),
            QCoreApplication::translate(
                "LabelOptions",
                "With --labels and a spreadsheet: the column of the names (default: the one "
                "headed like names; else the names this machine knows)."),
            QStringLiteral("column")),
        QCommandLineOption(
            QStringLiteral("label-price-column"),
            QCoreApplication::translate("LabelOptions",
                                        "With --labels and a spreadsheet: the column of the prices "
                                        "(default: the one headed like prices)."),
            QStringLiteral("column")),
        QCommandLineOption(
            QStringLiteral("label-start"),
            QCoreApplication::translate(
                "LabelOptions",
                "With --labels: the first free place on a sheet used before, as ROW,COL from 1 "
                "(default 1,1)."),
            QStringLiteral("row,col")),
        QCommandLineOption(
            QStringLiteral("currency"),
            QCoreApplication::translate(
                "LabelOptions", "With --labels: the currency symbol put beside every price."),
            QStringLiteral("symbol")),
        QCommandLineOption(QStringLiteral("label-text"),
                           QCoreApplication::translate(
                               "LabelOptions",
                               "With --labels: a line of your own text on every label (the "
                               "field \"text\")."),
                           QStringLiteral("text")),
    };
    // --currency is the shop files' option too, given once (see ListingCommandLine): read here
    // by its name, never added twice.
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        if (i != Currency)
            m_parser.addOption(m_options[i]);
    }
}

bool LabelCommandLine::labels() const
{
    return m_parser.isSet(m_options[Labels]);
}

bool LabelCommandLine::listLayouts() const
{
    return m_parser.isSet(m_options[ListLayouts]);
}

QString LabelCommandLine::givenAlone() const
{
    for (const int option :
         {Fields, Copies, CopiesColumn, NameColumn, PriceColumn, Start, LabelText}) {
        if (m_parser.isSet(m_options[option]))
            return m_options[option].names().constFirst();
    }
    return {};
}

QString LabelCommandLine::read(LabelOptions& options, const QString& output, const QString& sheet,
                               const QString& column, const QStringList& positional) const
{
    const auto value = [this](int option) { return m_parser.value(m_options[option]); };
    options.layout = value(Labels);
    options.layoutFile = value(LayoutFile);
    options.inputs = positional;
    options.output = output;
    options.sheet = sheet;
    options.column = column;
    if (!labels())
        return {};
    if (output.isEmpty())
        return QCoreApplication::translate("LabelOptions",
                                           "--labels needs --output and the PDF file to write.");
    if (positional.isEmpty())
        return QCoreApplication::translate(
            "LabelOptions", "--labels needs codes, or files of codes or a spreadsheet.");
    if (m_parser.isSet(m_options[Fields])) {
        if (const QString unknown = ParseLabelFields(value(Fields), options.content);
            !unknown.isEmpty())
            //: %1 is what was given, %2 the fields there are.
            return QCoreApplication::translate(
                       "LabelOptions", "Unknown field \"%1\" in --label-fields: choose from %2.")
                .arg(unknown, LabelFieldNames().join(QStringLiteral(", ")));
    } else {
        options.content.price = true;
    }
    if (m_parser.isSet(m_options[Copies])) {
        options.copies = CopiesOf(value(Copies));
        if (options.copies < 1)
            return QCoreApplication::translate(
                       "LabelOptions",
                       "--label-copies wants a whole number from 1 to %1, not \"%2\".")
                .arg(QString::number(kMostCopies), value(Copies));
    }
    if (m_parser.isSet(m_options[Copies]) && m_parser.isSet(m_options[CopiesColumn]))
        return QCoreApplication::translate("LabelOptions",
                                           "--label-copies and --label-copies-column go alone.");
    options.copiesColumn = value(CopiesColumn);
    options.nameColumn = value(NameColumn);
    options.priceColumn = value(PriceColumn);
    options.content.currency = value(Currency);
    options.content.text = value(LabelText);
    if (!options.content.text.isEmpty() && !m_parser.isSet(m_options[Fields]))
        options.content.ownText = true;
    if (m_parser.isSet(m_options[Start])) {
        const QStringList parts = value(Start).split(u',');
        bool rowOk = false, columnOk = false;
        if (parts.size() == 2) {
            options.start.row = parts[0].trimmed().toInt(&rowOk);
            options.start.column = parts[1].trimmed().toInt(&columnOk);
        }
        if (!rowOk || !columnOk || options.start.row < 1 || options.start.column < 1)
            return QCoreApplication::translate(
                       "LabelOptions",
                       "--label-start wants ROW,COL, whole numbers from 1, as in 3,2; not \"%1\".")
                .arg(value(Start));
    }
    return {};
}
