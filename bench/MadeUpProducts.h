#pragma once

#include <QByteArray>
#include <QChar>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Made-up products for the sample service's stand-ins, shared by the benchmarks that need codes
// an open database knows.

// A made-up valid EAN-13 for each number: in-store prefix 2, so never a real product.
inline QString MadeUpEan(qint64 number)
{
    QString digits = QStringLiteral("2%1").arg(number, 11, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits[i].unicode() - u'0') * (i % 2 == 0 ? 1 : 3);
    return digits + QChar(u'0' + (10 - sum % 10) % 10);
}

// The stand-in's Open Food Facts catalog with these codes, all found, written into the folder;
// its path, or nothing when it cannot be written.
inline QString WriteOpenCatalog(const QTemporaryDir& folder, const QStringList& codes)
{
    QByteArray json = "{\"openfoodfacts\": [";
    for (qsizetype i = 0; i < codes.size(); ++i)
        json += (i ? ",\n" : "") + QByteArray("{\"code\": \"") + codes[i].toLatin1() +
                "\", \"product_name\": \"Product " + QByteArray::number(i) +
                "\", \"brands\": \"Maker\", \"quantity\": \"1 kg\"}";
    json += "], \"openlibrary\": [], \"upcitemdb\": []}";
    const QString path = folder.filePath(QStringLiteral("open-catalog.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return {};
    return path;
}
