#pragma once

// Rows to build test indexes from, without an export file in between.

#include "index/ExportReader.h"
#include "platform/ProductIndex.h"

#include <QByteArray>
#include <QList>

struct TestRow
{
    QByteArray code;
    QByteArray productName;
    QByteArray brands = {};
    QByteArray quantity = {};
    QByteArray mainCategory = {};
    QByteArray countries = {};
    QByteArray image = {};
};

inline void AddRows(ProductIndexBuilder& builder, const IndexedExport& file,
                    const QList<TestRow>& rows)
{
    builder.beginExport(file);
    for (const TestRow& test : rows) {
        ExportRow row;
        row.code = test.code;
        row.key = IndexKey(test.code);
        row.productName = test.productName;
        row.brands = test.brands;
        row.quantity = test.quantity;
        row.mainCategory = test.mainCategory;
        row.countries = test.countries;
        row.image = test.image;
        builder.add(row);
    }
}

inline IndexedExport TestExport(const QString& database, const QString& fileName = {})
{
    return IndexedExport{database,
                         fileName.isEmpty() ? database + QStringLiteral(".csv.gz") : fileName,
                         QDateTime(QDate(2024, 5, 17), QTime(3, 4, 5), Qt::UTC), 0};
}
