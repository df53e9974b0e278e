#pragma once

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QString>

class QCommandLineParser;
struct AppConfig;

// The command line's options for listings (ListingOptions): added to the parser with the others,
// and read once it has parsed the arguments.
class ListingCommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(ListingCommandLine)

public:
    explicit ListingCommandLine(QCommandLineParser& parser);

    // Reads them, and QUILLFEN_PICTURES_PER_MINUTE, into the configuration's batch options, once
    // its mode and batch options are read. What is wrong with them, or an empty text.
    QString read(const QCommandLineParser& parser, const QProcessEnvironment& environment,
                 AppConfig& config) const;

private:
    QCommandLineOption m_picturesDir;
    QCommandLineOption m_picturesOnly;
    QCommandLineOption m_pictureSize;
    QCommandLineOption m_picturesBaseUrl;
    QCommandLineOption m_currency;
    QCommandLineOption m_priceColumn;
    QCommandLineOption m_skuColumn;
    QCommandLineOption m_stockColumn;
};
