#include "desktop/barcodes/QtPictureFiles.h"

#include "common/OperationFailed.h"
#include "desktop/barcodes/GreyImageOf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <utility>

namespace {
// The most one decode may take: a picture of 100 megapixels in colour, four bytes a pixel. Its
// grey copy comes on top, so a read stays under 500 MB.
constexpr qint64 kLargestDecodeBytes = 400LL * 1024 * 1024;
// A band read where the plugin can clip stays this small, well under Qt's own limit.
constexpr qint64 kBandBytes = 64LL * 1024 * 1024;
// Rows turned grey at a time from a colour picture held whole.
constexpr int kGreyBandRows = 256;

bool turnsSideways(QImageIOHandler::Transformations turn)
{
    return turn.testFlag(QImageIOHandler::TransformationRotate90);
}

// What decoding the picture whole takes, from what its header says; -1 when it says nothing.
qint64 decodeBytes(const QSize& size, QImage::Format format)
{
    if (!size.isValid())
        return -1;
    // A plugin that does not say what it decodes to may well give four bytes a pixel.
    const int bits = format == QImage::Format_Invalid
                         ? 32
                         : std::max(8, int(QImage::toPixelFormat(format).bitsPerPixel()));
    return qint64(size.width()) * size.height() * bits / 8;
}

// Qt's image plugins refuse any decode over QImageReader::allocationLimit(), one figure for the
// whole process (128 MB unless raised) read by every decode on every thread. A large picture
// raises it for as long as its own decode runs; while several do, the limit is the largest any
// of them asked for, and it goes back to what it was when the last one ends.
class DecodeAllowance final
{
public:
    explicit DecodeAllowance(qint64 bytes)
        : m_megabytes(int((bytes + (1 << 20) - 1) >> 20) + 1)
    {
        const std::lock_guard lock(s_mutex);
        if (s_asked.empty())
            s_before = QImageReader::allocationLimit();
        s_asked.insert(m_megabytes);
        apply();
    }
    ~DecodeAllowance()
    {
        const std::lock_guard lock(s_mutex);
        s_asked.erase(s_asked.find(m_megabytes));
        apply();
    }
    DecodeAllowance(const DecodeAllowance&) = delete;
    DecodeAllowance& operator=(const DecodeAllowance&) = delete;

private:
    static void apply()
    {
        // A limit of 0 is none at all: nothing asked for is larger.
        const int largest = s_asked.empty() ? 0 : *s_asked.rbegin();
        QImageReader::setAllocationLimit(s_before == 0 ? 0 : std::max(s_before, largest));
    }

    int m_megabytes;
    static inline std::mutex s_mutex;
    static inline std::multiset<int> s_asked;
    static inline int s_before = 0;
};

// What an EXIF orientation asks for, done on the grey picture; QImageReader's own would need the
// picture whole in colour first.
QImage turned(const QImage& image, QImageIOHandler::Transformations turn)
{
    if (turn == QImageIOHandler::TransformationNone)
        return image;
    QImage out = image;
    if (turn.testFlag(QImageIOHandler::TransformationMirror) ||
        turn.testFlag(QImageIOHandler::TransformationFlip))
        out = out.mirrored(turn.testFlag(QImageIOHandler::TransformationMirror),
                           turn.testFlag(QImageIOHandler::TransformationFlip));
    if (turn.testFlag(QImageIOHandler::TransformationRotate90))
        out = out.transformed(QTransform().rotate(90));
    return out;
}

// Turns `rows` rows of a colour picture grey, into `out` (which may be where those rows start:
// they are read before anything is written).
void greyRows(const QImage& image, int top, int rows, uchar* out, qsizetype outStride)
{
    QImage band(image.constScanLine(top), image.width(), rows, image.bytesPerLine(),
                image.format());
    band.setColorTable(image.colorTable());
    band.convertTo(QImage::Format_Grayscale8);
    for (int y = 0; y < rows; ++y)
        std::memcpy(out + y * outStride, band.constScanLine(y), size_t(image.width()));
}

// The picture in grey, a few rows at a time, so that beside the colour picture only its grey copy
// is held whole; the colour picture is let go as soon as it is done with.
QImage greyOf(QImage image)
{
    if (image.format() == QImage::Format_Grayscale8)
        return image;
    QImage grey(image.size(), QImage::Format_Grayscale8);
    if (grey.isNull())
        throw OperationFailed(
            QCoreApplication::translate("QtPictureFiles", "not enough memory for the picture"));
    for (int top = 0; top < image.height(); top += kGreyBandRows) {
        const int rows = std::min(kGreyBandRows, image.height() - top);
        greyRows(image, top, rows, grey.scanLine(top), grey.bytesPerLine());
    }
    image = QImage();
    return grey;
}

// The bytes of a file one at a time, read a piece at a time.
class ByteStream final
{
public:
    explicit ByteStream(QIODevice& device)
        : m_device(device)
    {}
    // The next byte, or -1 at the end of the file.
    int next()
    {
        if (m_at == m_piece.size()) {
            m_piece = m_device.read(64 * 1024);
            m_at = 0;
            if (m_piece.isEmpty())
                return -1;
        }
        return uchar(m_piece[m_at++]);
    }
    bool skip(int count)
    {
        for (; count > 0; --count)
            if (next() < 0)
                return false;
        return true;
    }

private:
    QIODevice& m_device;
    QByteArray m_piece;
    qsizetype m_at = 0;
};

// Whether a JPEG goes on to its end-of-image marker. The JPEG plugin decodes a file cut short as
// far as it goes and fills the rest grey without a word; the file is walked from marker to
// marker (and through the coded data, where a marker byte is always escaped) to see that it does
// not stop first. Whatever comes after the end marker (some phones keep more there) is not read.
bool jpegReachesItsEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // the plugin says what is wrong with a file it cannot open
    ByteStream bytes(file);
    if (bytes.next() != 0xFF || bytes.next() != 0xD8)
        return true; // not a JPEG after all: its plugin judges it
    int marker = -1;
    for (;;) {
        if (marker < 0) {
            int byte = bytes.next();
            while (byte >= 0 && byte != 0xFF)
                byte = bytes.next(); // stray bytes between segments, as decoders allow
            while (byte == 0xFF)
                byte = bytes.next();
            if (byte < 0)
                return false;
            marker = byte;
        }
        const int code = std::exchange(marker, -1);
        if (code == 0xD9)
            return true;
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue; // no length follows
        const int high = bytes.next();
        const int low = bytes.next();
        if (low < 0 || !bytes.skip(((high << 8) | low) - 2))
            return false;
        if (code != 0xDA)
            continue;
        // Coded data up to the next marker that is neither an escaped 0xFF nor a restart.
        for (;;) {
            int byte = bytes.next();
            if (byte < 0)
                return false;
            if (byte != 0xFF)
                continue;
            while (byte == 0xFF)
                byte = bytes.next();
            if (byte < 0)
                return false;
            if (byte != 0x00 && !(byte >= 0xD0 && byte <= 0xD7)) {
                marker = byte;
                break;
            }
        }
    }
}

[[noreturn]] void cannotDecode(const QImageReader& reader)
{
    throw OperationFailed(
        QCoreApplication::translate("QtPictureFiles", "the picture cannot be decoded (%1)")
            .arg(reader.errorString()));
}
} // namespace

std::optional<QSize> QtPictureFiles::imageSize(const QString& path)
{
    QImageReader reader(path);
    if (!reader.canRead())
        return std::nullopt;
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return turnsSideways(reader.transformation()) ? size.transposed() : size;
}

GreyImage QtPictureFiles::readGrey(const QString& path)
{
    QImageReader probe(path);
    probe.setAutoTransform(false);
    const QSize size = probe.size();
    const QImageIOHandler::Transformations turn = probe.transformation();
    if (probe.format() == "jpeg" && !jpegReachesItsEnd(path))
        throw OperationFailed(tr("the picture is damaged (it is cut short)"));
    const qint64 bytes = decodeBytes(size, probe.imageFormat());
    const qint64 bandRows =
        bytes > 0 ? std::max<qint64>(1, kBandBytes * size.height() / bytes) : size.height();
    // A plugin that can clip (JPEG) decodes a band at a time, within Qt's own limit.
    if (bytes > kBandBytes && probe.supportsOption(QImageIOHandler::ClipRect)) {
        QImage grey(size, QImage::Format_Grayscale8);
        if (grey.isNull())
            throw OperationFailed(tr("not enough memory for the picture"));
        for (int top = 0; top < size.height(); top += int(bandRows)) {
            QImageReader reader(path);
            reader.setAutoTransform(false);
            const QRect band(0, top, size.width(),
                             int(std::min<qint64>(bandRows, size.height() - top)));
            reader.setClipRect(band);
            QImage part = reader.read();
            if (part.isNull() || part.size() != band.size())
                cannotDecode(reader);
            part.convertTo(QImage::Format_Grayscale8);
            for (int y = 0; y < part.height(); ++y)
                std::memcpy(grey.scanLine(top + y), part.constScanLine(y), size_t(size.width()));
        }
        return GreyImageOf(turned(grey, turn));
    }
    if (bytes > kLargestDecodeBytes)
        throw OperationFailed(
            tr("the picture is too large to decode in colour; save it in grey or as %1")
                .arg(u"JPEG"));
    QImageReader reader(path);
    reader.setAutoTransform(false);
    GreyImage grey;
    QImage image;
    const QImage::Format format = probe.imageFormat();
    // A colour picture of four bytes a pixel is decoded straight into the bytes that become its
    // grey copy (Qt's plugins reuse a picture of the size and format they decode to), turned grey
    // in place and cut down: the colour and the grey picture are never held side by side.
    const bool inPlace =
        bytes > 0 && QImage::toPixelFormat(format).bitsPerPixel() == 32 && !turnsSideways(turn);
    if (inPlace) {
        grey.pixels = QByteArray(bytes, Qt::Uninitialized);
        image = QImage(reinterpret_cast<uchar*>(grey.pixels.data()), size.width(), size.height(),
                       qsizetype(size.width()) * 4, format);
    }
    {
        std::optional<DecodeAllowance> allowance;
        if (bytes > 0)
            allowance.emplace(bytes);
        if (!reader.read(&image))
            cannotDecode(reader);
    }
    // Grey rows are written over the colour rows already read, never ahead of them, while a
    // colour row takes at least as many bytes as a grey one.
    if (inPlace && image.constBits() == reinterpret_cast<const uchar*>(grey.pixels.constData()) &&
        image.size() == size && image.depth() >= 8) {
        auto* const out = reinterpret_cast<uchar*>(grey.pixels.data());
        for (int top = 0; top < size.height(); top += kGreyBandRows) {
            const int rows = std::min(kGreyBandRows, size.height() - top);
            greyRows(image, top, rows, out + qsizetype(top) * size.width(), size.width());
        }
        image = QImage();
        grey.pixels.resize(qsizetype(size.width()) * size.height());
        grey.pixels.squeeze();
        grey.width = size.width();
        grey.height = size.height();
        if (turn == QImageIOHandler::TransformationNone)
            return grey;
        const QImage view(reinterpret_cast<const uchar*>(grey.pixels.constData()), grey.width,
                          grey.height, grey.width, QImage::Format_Grayscale8);
        return GreyImageOf(turned(view, turn));
    }
    grey = GreyImage(); // the plugin decoded into a picture of its own
    return GreyImageOf(turned(greyOf(std::move(image)), turn));
}

QStringList QtPictureFiles::readableExtensions()
{
    QStringList extensions;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        extensions.append(QString::fromLatin1(format).toLower());
    extensions.removeDuplicates();
    return extensions;
}

std::optional<QByteArray> QtPictureFiles::scaledDown(const QByteArray& picture, int longestSide)
{
    // Read where it lies: the buffer shares the caller's bytes, it copies none of them.
    QBuffer source;
    source.setData(picture);
    source.open(QIODevice::ReadOnly);
    QImageReader reader(&source);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid())
        cannotDecode(reader);
    if (std::max(size.width(), size.height()) <= longestSide)
        return std::nullopt;
    const qint64 bytes = decodeBytes(size, reader.imageFormat());
    if (bytes > kLargestDecodeBytes)
        throw OperationFailed(tr("the picture is too large to decode"));
    const QSize smaller = size.scaled(longestSide, longestSide, Qt::KeepAspectRatio);
    if (reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(smaller);
    QImage image;
    {
        const DecodeAllowance allowance(bytes);
        if (!reader.read(&image))
            cannotDecode(reader);
    }
    if (std::max(image.width(), image.height()) > longestSide)
        image =
            image.scaled(longestSide, longestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A JPEG has no transparency: what was transparent shows white, as on a shop's page.
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
        painter.end();
        image = std::move(flat);
    }
    QByteArray out;
    QBuffer target(&out);
    target.open(QIODevice::WriteOnly);
    QImageWriter writer(&target, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image))
        throw OperationFailed(tr("the picture cannot be written as %1 (%2)")
                                  .arg(QStringLiteral("JPEG"), writer.errorString()));
    return out;
}
