#include "SamplePictures.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr qsizetype kHugeBytes = 11 * 1024 * 1024;
// The covers the catalog's editions name; any other id has no cover.
constexpr int kCoverIds[] = {1001, 1003};

QByteArray Resource(const QString& name)
{
    QFile file(QStringLiteral(":/sample-service/pictures/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HttpReply PictureOf(const QString& file)
{
    const bool png = file.endsWith(QLatin1String(".png"));
    const QByteArray type = png ? "image/png" : "image/jpeg";
    if (file.startsWith(QLatin1String("broken")))
        return HttpReply{200, type, {}, "\xFF\xD8\xFF\xE0 this is no picture at all"};
    if (file.startsWith(QLatin1String("huge"))) {
        QByteArray body = Resource(QStringLiteral("cover.jpg"));
        body.append(kHugeBytes - body.size(), '\0');
        return HttpReply{200, type, {}, body};
    }
    return HttpReply{
        200, type, {}, Resource(png ? QStringLiteral("front.png") : QStringLiteral("cover.jpg"))};
}

} // namespace

std::optional<HttpReply> SamplePicture(const QByteArray& path)
{
    static const QRegularExpression product(QStringLiteral(R"(^/images/products/.*/([^/]+)$)"));
    static const QRegularExpression cover(QStringLiteral(R"(^/b/id/(\d+)-[SML]\.jpg$)"));
    const QString text = QString::fromUtf8(path);
    if (const QRegularExpressionMatch match = product.match(text); match.hasMatch())
        return PictureOf(match.captured(1));
    if (const QRegularExpressionMatch match = cover.match(text); match.hasMatch()) {
        const int id = match.captured(1).toInt();
        for (const int known : kCoverIds)
            if (id == known)
                return PictureOf(QStringLiteral("cover.jpg"));
        return HttpReply{404, "text/plain", {}, "Not Found"};
    }
    return std::nullopt;
}
