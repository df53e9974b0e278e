#include "barcodes/BarcodeReader.h"

#include "barcodes/ProductBarcodes.h"
#include "common/NumberText.h"
#include "common/OperationFailed.h"
#include "platform/BarcodeScanner.h"
#include "platform/PdfDocument.h"
#include "platform/PictureFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRect>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {
// Closes the document however reading it ends, so that the file is not held open.
struct ClosePdf
{
    PdfDocument& pdf;
    ~ClosePdf()
    {
        try {
            pdf.close();
        } catch (...) {
            // Nothing to do about a file that will not close.
        }
    }
};
// Draws a page on a thread of its own, or, where no thread is to be had, when it is waited for.
// However reading ends, the thread is joined before the buffers it writes go away.
class NextPage
{
public:
    NextPage() = default;
    NextPage(const NextPage&) = delete;
    NextPage& operator=(const NextPage&) = delete;
    ~NextPage()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    void start(std::function<void()> work)
    {
        m_work = std::move(work);
        try {
            m_thread = std::thread([this] {
                try {
                    m_work();
                } catch (...) {
                    m_failure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // Drawn by finish() instead.
        }
    }
    // Waits for the page and hands on what went wrong drawing it.
    void finish()
    {
        if (m_thread.joinable())
            m_thread.join();
        else if (m_work)
            m_work();
        m_work = nullptr;
        if (m_failure)
            std::rethrow_exception(std::exchange(m_failure, nullptr));
    }

private:
    std::function<void()> m_work;
    std::thread m_thread;
    std::exception_ptr m_failure;
};
} // namespace

int BarcodeFilesAtOnceOnThisMachine()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

QString BarcodeProgressText(const BarcodeProgress& progress)
{
    //: %1 is the file's name, %2 and %3 page numbers.
    return QCoreApplication::translate("BarcodeReader", "Reading barcodes: %1 (page %2 of %3)")
        .arg(progress.fileName, QString::number(progress.page),
             QString::number(progress.pageCount));
}

int BarcodeProgressPermille(const BarcodeProgress& progress)
{
    if (progress.fileCount <= 0 || progress.pageCount <= 0)
        return -1;
    const double done = (progress.fileNumber - 1 + double(progress.page - 1) / progress.pageCount) /
                        progress.fileCount;
    return int(std::lround(done * 1000));
}

QString BarcodeOrigin(const QString& path, int page)
{
    const QString name = QFileInfo(path).fileName();
    return page > 0 ? name + QStringLiteral(", page ") + QString::number(page) : name;
}

GreyImage HalfSize(const GreyImage& image)
{
    GreyImage half;
    half.width = image.width / 2;
    half.height = image.height / 2;
    half.pixels.resize(qsizetype(half.width) * half.height);
    const auto* in = reinterpret_cast<const uchar*>(image.pixels.constData());
    auto* out = reinterpret_cast<uchar*>(half.pixels.data());
    for (int y = 0; y < half.height; ++y) {
        const uchar* top = in + qsizetype(2 * y) * image.width;
        const uchar* below = top + image.width;
        for (int x = 0; x < half.width; ++x)
            *out++ = uchar((top[2 * x] + top[2 * x + 1] + below[2 * x] + below[2 * x + 1] + 2) / 4);
    }
    return half;
}

QRect SurroundingsOf(const QRect& bounds)
{
    // A symbol read once lies along that scan line; its bars reach across it for up to about
    // half its length.
    const int reach = std::max(bounds.width(), bounds.height()) / 2 + 16;
    return bounds.adjusted(-reach, -reach, reach, reach);
}

GreyImage Cropped(const GreyImage& image, const QRect& part)
{
    const QRect inside = part & QRect(0, 0, image.width, image.height);
    GreyImage cropped;
    if (inside.isEmpty())
        return cropped;
    cropped.width = inside.width();
    cropped.height = inside.height();
    cropped.pixels.resize(qsizetype(cropped.width) * cropped.height);
    for (int y = 0; y < cropped.height; ++y)
        std::memcpy(cropped.pixels.data() + qsizetype(y) * cropped.width,
                    image.pixels.constData() + qsizetype(inside.y() + y) * image.width + inside.x(),
                    size_t(cropped.width));
    return cropped;
}

QStringList BarcodeReader::codesOfImage(const GreyImage& image, int& others)
{
    QList<ScannedSymbol> symbols = m_services.scanner.scan(image);
    SortInReadingOrder(symbols);
    QStringList codes;
    QHash<QString, QRect> where;
    for (const ScannedSymbol& symbol : std::as_const(symbols)) {
        const std::optional<QString> code = GtinOfSymbol(symbol);
        if (!code) {
            if (symbol.kind != SymbolKind::Ean2 && symbol.kind != SymbolKind::Ean5)
                ++others;
            continue;
        }
        if (!where.contains(*code)) {
            where.insert(*code, symbol.bounds);
            codes.append(*code);
        }
    }
    const QSet<QString> sure = CodesReadTwice(symbols);
    // A code read by one scan line alone is kept only when a look along every line of the part of
    // the picture around it reads it again.
    codes.removeIf([&](const QString& code) {
        if (sure.contains(code))
            return false;
        const GreyImage around = Cropped(image, SurroundingsOf(where.value(code)));
        return around.pixels.isEmpty() ||
               !CodesReadTwice(m_services.scanner.scanEveryLine(around)).contains(code);
    });
    return codes;
}

BarcodeFileResult BarcodeReader::read(const QString& path, const std::atomic<bool>& cancel,
                                      const ProgressSink& progress, BarcodeProgress at)
{
    BarcodeFileResult result;
    result.path = path;
    at.fileName = QFileInfo(path).fileName();
    at.page = 1;
    at.pageCount = 1;
    if (cancel) {
        result.cancelled = true;
        return result;
    }
    try {
        if (IsPdfFile(path)) {
            readPdf(result, cancel, progress, at);
        } else {
            if (progress)
                progress(at);
            readPicture(result);
        }
    } catch (const OperationFailed& failure) {
        result.codes.clear();
        result.problem = failure.description();
    }
    return result;
}

std::vector<BarcodeFileResult> BarcodeReader::readFiles(const QStringList& paths,
                                                        const std::atomic<bool>& cancel,
                                                        const ProgressSink& progress)
{
    std::vector<BarcodeFileResult> results(size_t(paths.size()));
    std::atomic<qsizetype> next{0};
    std::atomic<int> finished{0};
    std::mutex reporting;
    std::exception_ptr failure;
    const ProgressSink report = [&](const BarcodeProgress& at) {
        if (!progress)
            return;
        // Counted by the files finished, so that the bar never goes back when a later file
        // reports before an earlier one.
        BarcodeProgress shown = at;
        shown.fileNumber = finished + 1;
        const std::lock_guard lock(reporting);
        progress(shown);
    };
    const auto work = [&] {
        for (qsizetype i = next++; i < paths.size(); i = next++) {
            BarcodeProgress at;
            at.fileCount = int(paths.size());
            try {
                results[size_t(i)] = read(paths[i], cancel, report, at);
            } catch (...) {
                // Out of memory, most likely: no file is begun after it, and it is handed to the
                // caller once every thread is done.
                next = paths.size();
                const std::lock_guard lock(reporting);
                if (!failure)
                    failure = std::current_exception();
            }
            ++finished;
        }
    };
    const qsizetype threads = std::min<qsizetype>(m_services.filesAtOnce, paths.size());
    std::vector<std::thread> helpers;
    try {
        for (qsizetype t = 1; t < threads; ++t)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // No thread to be had: the ones that started, and this one, read every file anyway.
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

void BarcodeReader::readPicture(BarcodeFileResult& result)
{
    const std::optional<QSize> size = m_services.pictures.imageSize(result.path);
    if (!size || size->isEmpty()) {
        result.problem =
            QCoreApplication::translate("BarcodeReader", "not a picture that can be read");
        return;
    }
    const qint64 pixels = qint64(size->width()) * size->height();
    if (pixels > kMaxPicturePixels) {
        result.problem = QCoreApplication::translate("BarcodeReader",
                                                     "larger than 100 megapixels (%1 x %2 pixels)")
                             .arg(GroupedNumber(size->width()), GroupedNumber(size->height()));
        return;
    }
    std::shared_lock alongside(m_memory, std::defer_lock);
    std::unique_lock alone(m_memory, std::defer_lock);
    if (pixels <= kPicturePixelsReadAlongside)
        alongside.lock();
    else
        alone.lock();
    GreyImage image = m_services.pictures.readGrey(result.path);
    QStringList codes = codesOfImage(image, result.otherSymbols);
    if (codes.isEmpty() && pixels >= kRetryHalfSizePixels) {
        image = HalfSize(image);
        int othersAtHalf = 0;
        codes = codesOfImage(image, othersAtHalf);
        result.otherSymbols = std::max(result.otherSymbols, othersAtHalf);
    }
    for (const QString& code : std::as_const(codes))
        result.codes.append(FoundCode{code, 0});
}

void BarcodeReader::readPdf(BarcodeFileResult& result, const std::atomic<bool>& cancel,
                            const ProgressSink& progress, BarcodeProgress at)
{
    // One document open at a time, and its pages may be rendered large.
    const std::unique_lock alone(m_memory);
    PdfDocument& pdf = m_services.pdf;
    const int pages = pdf.open(result.path);
    const ClosePdf closing{pdf};
    // Every PDF a program writes has a page; one without could only come out "no barcodes
    // found", which it is not.
    if (pages <= 0) {
        result.problem =
            QCoreApplication::translate("BarcodeReader", "the PDF is damaged (it has no pages)");
        return;
    }
    if (pages > kMaxPdfPages) {
        result.problem = QCoreApplication::translate("BarcodeReader", "more than 500 pages (%1)")
                             .arg(GroupedNumber(pages));
        return;
    }
    at.pageCount = pages;
    const auto render = [&pdf](int page, GreyImage& into) {
        const QSizeF points = pdf.pageSize(page);
        double dpi = kPdfPageDpi;
        const double pixels = points.width() * points.height() * (dpi / 72) * (dpi / 72);
        if (pixels > double(kMaxRenderedPagePixels))
            dpi *= std::sqrt(double(kMaxRenderedPagePixels) / pixels);
        pdf.renderPage(page, dpi, into);
    };
    // Two pages' buffers, used in turn: the next page is drawn on another core while this one is
    // scanned, and no page costs fresh memory.
    GreyImage current;
    GreyImage next;
    at.page = 1;
    if (progress)
        progress(at);
    render(0, current);
    for (int page = 0; page < pages; ++page) {
        NextPage drawing;
        if (page + 1 < pages && !cancel)
            drawing.start([&render, &next, page] { render(page + 1, next); });
        for (const QString& code : codesOfImage(current, result.otherSymbols))
            result.codes.append(FoundCode{code, page + 1});
        drawing.finish();
        if (page + 1 == pages)
            break;
        if (cancel) {
            result.cancelled = true;
            return;
        }
        at.page = page + 2;
        if (progress)
            progress(at);
        std::swap(current, next);
    }
}
