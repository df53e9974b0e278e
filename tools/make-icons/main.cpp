// Draws the application icon at every size the window and the desktop ask for: a barcode label
// under a magnifying glass. Run it after changing the design and commit the pictures it writes.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // Tile.
    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(0x24, 0x7a, 0x84));
    tile.setColorAt(1, QColor(0x12, 0x4a, 0x55));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // Label with barcode bars; wider bars at small sizes so they survive scaling.
    p.setBrush(QColor(0xfa, 0xf7, 0xf0));
    p.drawRoundedRect(QRectF(36, 52, 152, 120), 14, 14);
    p.setBrush(QColor(0x1d, 0x23, 0x2b));
    const int bars[] = {10, 5, 5, 10, 5, 15, 5, 5, 10, 5, 10, 5, 15, 5};
    const bool small = size <= 48;
    double x = 50;
    for (int i = 0; i < int(std::size(bars)) && x < 174; ++i) {
        const double w = small ? bars[i] * 1.6 : bars[i];
        if (i % 2 == 0)
            p.drawRect(QRectF(x, 66, w, 92));
        x += w + (small ? 6 : 4);
    }

    // Magnifying glass.
    const QPointF centre(168, 164);
    p.setBrush(QColor(255, 255, 255, 70));
    p.setPen(QPen(QColor(0xf2, 0xa5, 0x41), small ? 22 : 16));
    p.drawEllipse(centre, 46, 46);
    QPen handle(QColor(0xf2, 0xa5, 0x41), small ? 30 : 24, Qt::SolidLine, Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(204, 200), QPointF(232, 228));
    return image;
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets/icons"));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("quillfen-%1.png").arg(size));
        if (!drawIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
