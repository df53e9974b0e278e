#include "GeneratedIndex.h"

#include "desktop/storage/SqliteProductIndex.h"
#include "index/ExportReader.h"

#include <QDateTime>

qint64 BuildGeneratedIndex(const ExportShape& shape, const QString& path)
{
    SqliteProductIndex index(path);
    const auto builder = index.startBuilding();
    builder->beginExport(IndexedExport{QStringLiteral("Open Food Facts"),
                                       QStringLiteral("generated.csv.gz"),
                                       QDateTime::currentDateTimeUtc(), 0});
    ExportReader reader;
    const auto add = [&](const ExportRow& row) { builder->add(row); };
    ExportMaker(shape).write([&](QByteArrayView piece) { reader.feed(piece, add); });
    reader.finish(add);
    builder->commit();
    return reader.rows();
}
