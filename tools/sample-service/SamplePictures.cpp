#include "SamplePictures.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

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
    if (file.startsWith(QLatin1String("sized-"))) {
        QByteArray body = Resource(QStringLiteral("cover.jpg"));
        const qsizetype size = file.mid(6).section(u'.', 0, 0).toLongLong();
        body.append(std::clamp<qsizetype>(size, body.size(), kHugeBytes) - body.size(), '\0');
        return HttpReply{200, "image/jpeg", {}, body};
    }
    if (file.startsWith(QLatin1String("png-as-jpeg")))
        return HttpReply{200, "image/jpeg", {}, Resource(QStringLiteral("front.png"))};
    if (file.startsWith(QLatin1String("page")))
        return HttpReply{200,
                         "image/jpeg",
                         {},
                         "<!DOCTYPE html><html><head><title>Not here</title></head>"
                         "<body><p>The picture has moved.</p></body></html>"};
    if (file.startsWith(QLatin1String("missing")))
        return HttpReply{404, "text/plain", {}, "Not Found"};
    if (file.endsWith(QLatin1String(".webp")))
        return HttpReply{200, "image/webp", {}, Resource(QStringLiteral("front.webp"))};
    return HttpReply{
        200, type, {}, Resource(png ? QStringLiteral("front.png") : QStringLiteral("cover.jpg"))};
}

} // namespace

std::optional<HttpAnswer> SamplePicture(const HttpRequest& request)
{
    static const QRegularExpression product(QStringLiteral(R"(^/images/products/.*/([^/]+)$)"));
    static const QRegularExpression cover(QStringLiteral(R"(^/b/id/(\d+)-[SML]\.jpg$)"));
    const QString text = QString::fromUtf8(request.path);
    if (const QRegularExpressionMatch match = product.match(text); match.hasMatch()) {
        const QString file = match.captured(1);
        if (file.startsWith(QLatin1String("endless"))) {
            QByteArray chunk = Resource(QStringLiteral("cover.jpg"));
            chunk.append(64 * 1024 - chunk.size(), '\0');
            return HttpAnswer{HttpReply{200, "image/jpeg", {}, chunk}, Delivery::Endless};
        }
        if (file.startsWith(QLatin1String("to-loopback"))) {
            const QByteArray host = request.header("host");
            const QByteArray port = host.mid(host.lastIndexOf(':') + 1);
            return HttpAnswer{
                HttpReply{302,
                          "text/plain",
                          {{"Location", "http://127.0.0.1:" + port + "/images/products/front.jpg"}},
                          "Found"}};
        }
        return HttpAnswer{PictureOf(file)};
    }
    if (const QRegularExpressionMatch match = cover.match(text); match.hasMatch()) {
        const int id = match.captured(1).toInt();
        for (const int known : kCoverIds)
            if (id == known)
                return HttpAnswer{PictureOf(QStringLiteral("cover.jpg"))};
        return HttpAnswer{HttpReply{404, "text/plain", {}, "Not Found"}};
    }
    return std::nullopt;
}
