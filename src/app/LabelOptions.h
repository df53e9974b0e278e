#pragma once

#include "labels/LabelDesigner.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayouts.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// What --labels prints, and from what.
struct LabelOptions
{
    QString layout;     // --labels LAYOUT: a layout's name
    QString layoutFile; // --layout-file FILE: a layout of the user's own, for this run
    // Codes, and files of codes or spreadsheets, in order.
    QStringList inputs;
    QString output; // --output: the PDF file
    LabelContent content;
    int copies = 1;        // --label-copies N
    QString copiesColumn;  // --label-copies-column NAME
    QString nameColumn;    // --label-name-column NAME; empty: the column headed like names
    QString priceColumn;   // --label-price-column NAME; empty: the column headed like prices
    QString sheet, column; // --sheet, --column, as --batch takes them
    LabelStart start;      // --label-start ROW,COL
};

// The label options of the command line, added to the parser and read back after parsing.
class LabelCommandLine final
{
public:
    explicit LabelCommandLine(QCommandLineParser& parser);

    // --labels, --list-layouts.
    bool labels() const;
    bool listLayouts() const;
    // Reads the options into `options` (the --output, --sheet and --column values and the
    // positional arguments given too); the problem when they do not go together, else empty.
    QString read(LabelOptions& options, const QString& output, const QString& sheet,
                 const QString& column, const QStringList& positional) const;
    // The label options given without --labels, by name; empty when none was.
    QString givenAlone() const;

private:
    QCommandLineParser& m_parser;
    QList<QCommandLineOption> m_options;
};

// "barcode,name,price" into the content; the unknown field's name when there is one.
QString ParseLabelFields(const QString& list, LabelContent& content);
// Every field --label-fields takes, in its order.
QStringList LabelFieldNames();
