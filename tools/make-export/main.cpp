// Writes a made-up product export of any size, or builds a product index from one directly,
// and writes codes to look up in it: for tests, benchmarks and trying the import offline.
#include "ExportMaker.h"
#include "GeneratedIndex.h"
#include "common/OperationFailed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {
int Fail(const QString& message)
{
    std::fprintf(stderr, "quillfen-make-export: %s\n", qPrintable(message));
    return 1;
}

int BuildIndex(const ExportShape& shape, const QString& path)
{
    try {
        const qint64 rows = BuildGeneratedIndex(shape, path);
        std::fprintf(stderr, "%lld products in %s\n", static_cast<long long>(rows),
                     qPrintable(path));
    } catch (const OperationFailed& failure) {
        return Fail(failure.description());
    }
    return 0;
}

int WriteCodes(const ExportShape& shape, const QString& path, qint64 count, double missingShare)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail(path + QStringLiteral(": ") + file.errorString());
    QByteArray text;
    for (qint64 i = 0; i < count; ++i)
        text += ExportMaker::codeToLookUp(shape, i, missingShare) + '\n';
    if (file.write(text) != text.size())
        return Fail(path + QStringLiteral(": ") + file.errorString());
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a made-up product export shaped like the open databases' (tab-separated, about "
        "200 columns, about 1 KB a line, names in many scripts)."));
    parser.addHelpOption();
    const QCommandLineOption rows(QStringLiteral("rows"), QStringLiteral("Product lines."),
                                  QStringLiteral("n"), QStringLiteral("1000"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed: same seed, same export."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption shuffle(QStringLiteral("shuffle-columns"),
                                     QStringLiteral("Columns in a shuffled order."));
    const QCommandLineOption extra(QStringLiteral("extra-columns"),
                                   QStringLiteral("Made-up columns beyond the usual ones."),
                                   QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption bad(QStringLiteral("bad-lines"),
                                 QStringLiteral("Share of lines with a wrong number of fields."),
                                 QStringLiteral("share"), QStringLiteral("0"));
    const QCommandLineOption empty(QStringLiteral("empty-codes"),
                                   QStringLiteral("Share of lines with an empty code."),
                                   QStringLiteral("share"), QStringLiteral("0"));
    const QCommandLineOption crlf(QStringLiteral("crlf"), QStringLiteral("CR LF line ends."));
    const QCommandLineOption jsonl(
        QStringLiteral("jsonl"),
        QStringLiteral("JSON Lines (one object a line, no header), as the JSON export and the "
                       "daily change files are."));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("gzip level 1-9; 0 writes plain text."),
                                   QStringLiteral("n"), QStringLiteral("6"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("The export file to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption index(QStringLiteral("index"),
                                   QStringLiteral("Build a product index at this path directly "
                                                  "from the made-up rows."),
                                   QStringLiteral("file"));
    const QCommandLineOption codes(QStringLiteral("codes"),
                                   QStringLiteral("Also write codes to look up, one a line."),
                                   QStringLiteral("file"));
    const QCommandLineOption codeCount(QStringLiteral("code-count"),
                                       QStringLiteral("How many codes --codes writes."),
                                       QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption missing(QStringLiteral("missing-codes"),
                                     QStringLiteral("Share of those codes found in no product."),
                                     QStringLiteral("share"), QStringLiteral("0.1"));
    parser.addOptions({rows, seed, shuffle, extra, bad, empty, crlf, jsonl, level, output, index,
                       codes, codeCount, missing});
    parser.process(application);

    ExportShape shape;
    shape.rows = parser.value(rows).toLongLong();
    shape.seed = parser.value(seed).toULongLong();
    shape.shuffleColumns = parser.isSet(shuffle);
    shape.extraColumns = parser.value(extra).toInt();
    shape.badLineShare = parser.value(bad).toDouble();
    shape.emptyCodeShare = parser.value(empty).toDouble();
    shape.crlf = parser.isSet(crlf);
    shape.jsonLines = parser.isSet(jsonl);
    if (!parser.isSet(output) && !parser.isSet(index) && !parser.isSet(codes))
        return Fail(QStringLiteral("say where to write: --output, --index or --codes"));

    QElapsedTimer clock;
    clock.start();
    if (parser.isSet(output)) {
        QString problem;
        if (!WriteExportFile(shape, parser.value(output), parser.value(level).toInt(), &problem))
            return Fail(parser.value(output) + QStringLiteral(": ") + problem);
    }
    if (parser.isSet(index)) {
        if (const int status = BuildIndex(shape, parser.value(index)))
            return status;
    }
    if (parser.isSet(codes)) {
        if (const int status =
                WriteCodes(shape, parser.value(codes), parser.value(codeCount).toLongLong(),
                           parser.value(missing).toDouble()))
            return status;
    }
    std::fprintf(stderr, "done in %.1f s\n", double(clock.elapsed()) / 1000);
    return 0;
}
