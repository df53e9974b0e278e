#include "program/PictureModule.h"

#include <QCoreApplication>

namespace {
class DeferredPictureFiles final : public PictureFiles
{
public:
    explicit DeferredPictureFiles(const PictureModule& module)
        : m_real([&module] { return module.makers().pictureFiles(); })
    {}
    std::optional<QSize> imageSize(const QString& path) override
    {
        return (*m_real).imageSize(path);
    }
    GreyImage readGrey(const QString& path) override { return (*m_real).readGrey(path); }
    QStringList readableExtensions() override { return (*m_real).readableExtensions(); }
    std::optional<QByteArray> scaledDown(const QByteArray& picture, int longestSide) override
    {
        return (*m_real).scaledDown(picture, longestSide);
    }

private:
    Deferred<PictureFiles> m_real;
};

class DeferredPdfDocument final : public PdfDocument
{
public:
    explicit DeferredPdfDocument(const PictureModule& module)
        : m_real([&module] { return module.makers().pdfDocument(); })
    {}
    int open(const QString& path) override { return (*m_real).open(path); }
    QSizeF pageSize(int page) override { return (*m_real).pageSize(page); }
    void renderPage(int page, double dpi, GreyImage& into) override
    {
        (*m_real).renderPage(page, dpi, into);
    }
    void close() override { (*m_real).close(); }

private:
    Deferred<PdfDocument> m_real;
};

class DeferredBarcodeScanner final : public BarcodeScanner
{
public:
    explicit DeferredBarcodeScanner(const PictureModule& module)
        : m_real([&module] { return module.makers().barcodeScanner(); })
    {}
    QList<ScannedSymbol> scan(const GreyImage& image) override { return (*m_real).scan(image); }
    QList<ScannedSymbol> scanEveryLine(const GreyImage& image) override
    {
        return (*m_real).scanEveryLine(image);
    }

private:
    Deferred<BarcodeScanner> m_real;
};
} // namespace

PictureModule::PictureModule(const PictureMakers* builtIn, QString file)
    : m_builtIn(builtIn)
    , m_file([file] { return file; }, kPictureMakersSymbol,
             [](const QString& reason) {
                 //: %1 is what the system said.
                 return QCoreApplication::translate(
                            "PictureModule", "The reader of pictures and PDF pages could not be "
                                             "loaded: %1")
                     .arg(reason);
             })
{}

PictureModule::~PictureModule() = default;

std::unique_ptr<PictureFiles> PictureModule::pictureFiles() const
{
    if (m_builtIn)
        return m_builtIn->pictureFiles();
    return std::make_unique<DeferredPictureFiles>(*this);
}

std::unique_ptr<PdfDocument> PictureModule::pdfDocument() const
{
    if (m_builtIn)
        return m_builtIn->pdfDocument();
    return std::make_unique<DeferredPdfDocument>(*this);
}

std::unique_ptr<BarcodeScanner> PictureModule::barcodeScanner() const
{
    if (m_builtIn)
        return m_builtIn->barcodeScanner();
    return std::make_unique<DeferredBarcodeScanner>(*this);
}

const PictureMakers& PictureModule::makers() const
{
    if (m_builtIn)
        return *m_builtIn;
    using Entry = const PictureMakers* (*)();
    return *reinterpret_cast<Entry>(m_file.entry())();
}
