#include "program/ConnectionsModule.h"

#include "common/OperationFailed.h"

#include <QCoreApplication>

namespace {
class DeferredPageLoader final : public PageLoader
{
public:
    DeferredPageLoader(const ConnectionsModule& module, PageLoaderLimits limits)
        : m_real([&module, limits] { return module.makers().curlPageLoader(limits); })
    {}
    std::unique_ptr<PendingPage> start(const PageRequest& request) override
    {
        return (*m_real).start(request);
    }
    QString refusal(const QUrl& url) const override { return (*m_real).refusal(url); }

private:
    // Asked before a request as well as for it; either loads the module.
    mutable Deferred<PageLoader> m_real;
};

class DeferredCatalogueConnection final : public CatalogueConnection
{
public:
    DeferredCatalogueConnection(const ConnectionsModule& module, bool loopbackOnly)
        : m_real(
              [&module, loopbackOnly] { return module.makers().catalogueConnection(loopbackOnly); })
    {}
    std::unique_ptr<PendingCatalogueAnswer> search(const CatalogueSearch& search) override
    {
        return (*m_real).search(search);
    }
    QString refusal(const CatalogueSearch& search) const override
    {
        return (*m_real).refusal(search);
    }

private:
    mutable Deferred<CatalogueConnection> m_real;
};

// A record the codec could not be loaded for is refused with the reason, as one it could not
// read would be.
class DeferredMarcCodec final : public MarcCodec
{
public:
    explicit DeferredMarcCodec(const ConnectionsModule& module)
        : m_module(module)
    {}
    std::variant<QString, QString> marcXmlOfIso2709(QByteArrayView record) override
    {
        try {
            return m_module.makers().marcCodec().marcXmlOfIso2709(record);
        } catch (const OperationFailed& failure) {
            return std::variant<QString, QString>(std::in_place_index<1>, failure.description());
        }
    }
    std::variant<MarcWritten, QString> written(QByteArrayView marcXml) override
    {
        try {
            return m_module.makers().marcCodec().written(marcXml);
        } catch (const OperationFailed& failure) {
            return failure.description();
        }
    }
    std::optional<QString> readBack(const QByteArray& iso2709) override
    {
        try {
            return m_module.makers().marcCodec().readBack(iso2709);
        } catch (const OperationFailed&) {
            return std::nullopt;
        }
    }

private:
    const ConnectionsModule& m_module;
};

class DeferredKeyStore final : public KeyStore
{
public:
    explicit DeferredKeyStore(const ConnectionsModule& module)
        : m_real([&module] { return module.makers().keyStore(); })
    {}
    std::optional<QString> readKey(const QString& source) override
    {
        return (*m_real).readKey(source);
    }
    void writeKey(const QString& source, const QString& key) override
    {
        (*m_real).writeKey(source, key);
    }
    void forgetKey(const QString& source) override { (*m_real).forgetKey(source); }

private:
    Deferred<KeyStore> m_real;
};

class DeferredZipArchives final : public ZipArchives
{
public:
    explicit DeferredZipArchives(const ConnectionsModule& module)
        : m_real([&module] { return module.makers().zipArchives(); })
    {}
    std::unique_ptr<ZipArchive> open(const QString& path) override { return (*m_real).open(path); }

private:
    Deferred<ZipArchives> m_real;
};
} // namespace

ConnectionsModule::ConnectionsModule(const ConnectionMakers* builtIn, std::function<QString()> file)
    : m_builtIn(builtIn)
    , m_file(std::move(file), kConnectionMakersSymbol, [](const QString& reason) {
        //: %1 is what the system said.
        return QCoreApplication::translate("ConnectionsModule",
                                           "The libraries for the network, library catalogues, "
                                           "the keyring and workbooks could not be loaded: %1")
            .arg(reason);
    })
{
    if (!m_builtIn)
        m_codec = std::make_unique<DeferredMarcCodec>(*this);
}

ConnectionsModule::~ConnectionsModule() = default;

std::unique_ptr<PageLoader> ConnectionsModule::curlPageLoader(PageLoaderLimits limits) const
{
    if (m_builtIn)
        return m_builtIn->curlPageLoader(limits);
    return std::make_unique<DeferredPageLoader>(*this, limits);
}

std::unique_ptr<CatalogueConnection> ConnectionsModule::catalogueConnection(bool loopbackOnly) const
{
    if (m_builtIn)
        return m_builtIn->catalogueConnection(loopbackOnly);
    return std::make_unique<DeferredCatalogueConnection>(*this, loopbackOnly);
}

MarcCodec& ConnectionsModule::marcCodec() const
{
    return m_builtIn ? m_builtIn->marcCodec() : *m_codec;
}

std::unique_ptr<KeyStore> ConnectionsModule::keyStore() const
{
    if (m_builtIn)
        return m_builtIn->keyStore();
    return std::make_unique<DeferredKeyStore>(*this);
}

std::unique_ptr<ZipArchives> ConnectionsModule::zipArchives() const
{
    if (m_builtIn)
        return m_builtIn->zipArchives();
    return std::make_unique<DeferredZipArchives>(*this);
}

QtOutputFiles::WorkbookMaker ConnectionsModule::workbooks() const
{
    return [this](const QString& path, WorkbookFormat format) {
        return makers().workbookFile(path, format);
    };
}

const ConnectionMakers& ConnectionsModule::makers() const
{
    if (m_builtIn)
        return *m_builtIn;
    using Entry = const ConnectionMakers* (*)();
    return *reinterpret_cast<Entry>(m_file.entry())();
}
