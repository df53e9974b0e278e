#include "program/PictureModule.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {
// Made on first use. The barcode reader may use one from several threads at once.
template <typename Interface>
class Deferred
{
public:
    Deferred(const PictureModule& module, std::unique_ptr<Interface> (*PictureMakers::*maker)())
        : m_module(module)
        , m_maker(maker)
    {}

    Interface& operator*()
    {
        // A module that failed to load is tried again at the next use.
        std::call_once(m_once, [this] { m_made = (m_module.makers().*m_maker)(); });
        return *m_made;
    }

private:
    const PictureModule& m_module;
    std::unique_ptr<Interface> (*PictureMakers::*m_maker)();
    std::once_flag m_once;
    std::unique_ptr<Interface> m_made;
};

class DeferredPictureFiles final : public PictureFiles
{
public:
    explicit DeferredPictureFiles(const PictureModule& module)
        : m_real(module, &PictureMakers::pictureFiles)
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
        : m_real(module, &PictureMakers::pdfDocument)
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
        : m_real(module, &PictureMakers::barcodeScanner)
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
    , m_file(std::move(file))
{}

// The module stays loaded to the end: what it made may still be in use.
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
    const std::lock_guard lock(m_loading);
    if (m_loaded)
        return *m_loaded;
    auto library = std::make_unique<QLibrary>(m_file);
    using Entry = const PictureMakers* (*)();
    const auto entry =
        library->load() ? reinterpret_cast<Entry>(library->resolve(kPictureMakersSymbol)) : nullptr;
    if (!entry)
        //: %1 is what the system said.
        throw OperationFailed(
            QCoreApplication::translate("PictureModule",
                                        "The reader of pictures and PDF pages could not be "
                                        "loaded: %1")
                .arg(library->errorString()));
    m_loaded = entry();
    m_library = std::move(library);
    return *m_loaded;
}
