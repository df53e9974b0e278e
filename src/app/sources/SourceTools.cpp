#include "app/sources/SourceTools.h"

#include "app/LookupSetup.h"
#include "app/sources/SourceKeys.h"
#include "app/sources/SourcesSetting.h"
#include "common/OperationFailed.h"
#include "lookup/JsonFileSource.h"
#include "lookup/ProductCode.h"
#include "lookup/SourceSupport.h"
#include "platform/CatalogueConnection.h"
#include "platform/EventLoop.h"
#include "platform/FileSystem.h"
#include "platform/KeyStore.h"
#include "platform/PageLoader.h"
#include "platform/PendingPage.h"
#include "platform/Platform.h"
#include "platform/QuestionBox.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The raw answer shown is cut here: enough to see where the fields are.
constexpr qsizetype kLongestShownAnswer = 64 * 1024;
} // namespace

SourceTools::SourceTools(AppConfig& config, const Platform& platform)
    : m_config(config)
    , m_platform(platform)
{}

QString SourceTools::shownName(const QString& name) const
{
    for (const FileSourceEntry& entry : m_config.fileSources)
        if (entry.description.name == name)
            return entry.description.displayName;
    return SourceDisplayName(name);
}

QString SourceTools::setKey(const QString& name, const QString& key)
{
    const QString trimmed = key.trimmed();
    if (trimmed.isEmpty())
        return tr("No key was typed; nothing was kept.");
    try {
        m_platform.keyring.writeKey(name, trimmed);
    } catch (const OperationFailed& failure) {
        //: %1 says why the keyring refused, %2 is an environment variable, %3 the source's name.
        return tr("%1 The key was not kept anywhere. Give it in %2, or with --key-file %3=PATH (a "
                  "file only you may read).")
            .arg(failure.description(), SourceKeys::variableFor(name), name);
    }
    return tr("The key for %1 is kept in your desktop's keyring.").arg(shownName(name));
}

QString SourceTools::forgetKey(const QString& name)
{
    try {
        m_platform.keyring.forgetKey(name);
    } catch (const OperationFailed& failure) {
        return failure.description();
    }
    return tr("The keyring holds no key for %1 any more.").arg(shownName(name));
}

std::pair<QString, QString> SourceTools::test(const QString& name, const QString& code)
{
    const std::vector<std::unique_ptr<LookupSource>> made =
        MakeSources({name}, m_config, m_config.serviceUrl, nullptr, LocaleLanguage());
    if (made.empty())
        return {tr("%1 cannot be tested here.").arg(shownName(name)), {}};
    const LookupSource& source = *made.front();
    const CheckedCode checked = CheckCode(code);
    if (!source.takes(checked))
        //: %1 is a source, %2 why it does not take the code.
        return {tr("%1 does not look up such codes (%2).")
                    .arg(source.displayName(),
                         checked.isValid() ? tr("not one it takes") : NotLookedUpReason(checked)),
                {}};
    if (const std::optional<CatalogueSearch> search = source.catalogueSearch(checked))
        return testCatalogue(source, *search, checked);
    const SourceRequest request = source.request(code, checked);
    if (!request.refusal.isEmpty())
        return {source.displayName() + u": " + request.refusal, {}};
    const auto* fileSource = dynamic_cast<const JsonFileSource*>(&source);
    const QString asked = fileSource ? fileSource->shownAddress(code, checked)
                                     : request.url.toString(QUrl::FullyEncoded);

    PageRequest sent{request.url, OpenDatabaseAgent(m_config.contact), 0};
    sent.method = request.method;
    sent.headers = request.headers;
    sent.body = request.body;
    PageResponse response;
    try {
        const std::unique_ptr<PendingPage> page = m_platform.pageLoader.start(sent);
        while (!page->isComplete())
            m_platform.eventLoop.waitForEvents();
        response = page->response();
    } catch (const OperationFailed& failure) {
        response.failure = failure.description();
    }
    const SourceAnswer answer = source.read(response, code);

    //: %1 is the address asked.
    QStringList read{tr("Asked: %1").arg(asked),
                     response.failure.isEmpty() ? tr("HTTP status: %1").arg(response.status)
                                                : tr("No answer: %1").arg(response.failure),
                     QString()};
    switch (answer.kind) {
    case SourceAnswer::Kind::Found: {
        const ProductAnswer& product = answer.product;
        // The fields go by the names the source's file gives them.
        read << tr("Found.") << QStringLiteral("name: ") + product.name
             << QStringLiteral("brand: ") + product.brand
             << QStringLiteral("quantity: ") + product.quantity
             << QStringLiteral("categories: ") + product.details.categories
             << QStringLiteral("picture: ") + product.details.imageUrl
             << QStringLiteral("page: ") + product.details.pageUrl
             << QStringLiteral("description: ") + product.details.description;
        break;
    }
    case SourceAnswer::Kind::NotFound:
        read << tr("Not found.");
        break;
    case SourceAnswer::Kind::Failed:
        read << tr("Failed: %1").arg(answer.reason);
        break;
    }
    QString raw = QString::fromUtf8(response.body.left(kLongestShownAnswer));
    if (response.body.size() > kLongestShownAnswer)
        raw += u'\n' + tr("[... %1 bytes in all]").arg(QString::number(response.body.size()));
    // A service may echo the request, key and all, in any of the forms it was sent in; so may a
    // failure's words: what is shown never holds it.
    QString shown = read.join(u'\n');
    if (m_config.keyFor) {
        if (const std::optional<QString> key = m_config.keyFor(name).key; key && !key->isEmpty()) {
            shown = RedactKey(shown, *key);
            raw = RedactKey(raw, *key);
        }
    }
    return {shown, raw};
}

std::pair<QString, QString> SourceTools::testCatalogue(const LookupSource& source,
                                                       const CatalogueSearch& search,
                                                       const CheckedCode& checked)
{
    const std::unique_ptr<PendingCatalogueAnswer> pending = m_platform.catalogue.search(search);
    while (!pending->isComplete())
        m_platform.eventLoop.waitForEvents();
    const CatalogueAnswer answer = pending->answer();
    const SourceAnswer read = source.readCatalogue(answer, checked);
    //: %1 is the catalogue's address, %2 the query sent to it.
    QStringList shown{tr("Asked: %1 for %2").arg(source.answerAddress({}, checked), search.query),
                      answer.failure.isEmpty()
                          ? tr("Records found: %1").arg(QString::number(answer.hits))
                          : tr("No answer: %1").arg(answer.failure),
                      QString()};
    switch (read.kind) {
    case SourceAnswer::Kind::Found: {
        const ProductAnswer& book = read.product;
        shown << tr("Found.") << QStringLiteral("title: ") + book.name
              << QStringLiteral("author: ") + book.details.author
              << QStringLiteral("publisher: ") + book.details.publishers
              << QStringLiteral("published: ") + book.details.published
              << QStringLiteral("control number: ") + book.details.controlNumber
              << QStringLiteral("subjects: ") + book.details.subjects;
        break;
    }
    case SourceAnswer::Kind::NotFound:
        shown << tr("Not found.");
        break;
    case SourceAnswer::Kind::Failed:
        shown << tr("Failed: %1").arg(read.reason);
        break;
    }
    // The record as kept when one was taken, else the first as it came.
    QString raw = read.product.details.record;
    if (raw.isEmpty() && !answer.records.isEmpty())
        raw = QString::fromUtf8(answer.records.front().bytes.left(kLongestShownAnswer));
    return {shown.join(u'\n'), raw.left(kLongestShownAnswer)};
}

SourceAdded SourceTools::addFile(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    FileSystem::Contents contents;
    try {
        contents = m_platform.files.readFile(path, kLargestSourceFile);
    } catch (const OperationFailed& failure) {
        return {std::nullopt, fileName + u": " + failure.description()};
    }
    auto read = ReadSourceFile(
        fileName, contents.overLimit ? QByteArray(kLargestSourceFile + 1, ' ') : contents.bytes);
    if (const QString* refused = std::get_if<QString>(&read))
        return {std::nullopt, *refused};
    SourceDescription& description = std::get<SourceDescription>(read);
    if (KnownSourceNames().contains(description.name))
        //: %1 is a file, "name" the field in it (keep it), %2 the name it gives.
        return {std::nullopt,
                tr("%1: name: \"%2\" is a built-in source's").arg(fileName, description.name)};
    const SourceRow row{description.name, description.displayName, true};

    // The bytes checked are the ones kept: the file may have changed since it was read.
    const auto [origin, keptAt, message] = keep(path, fileName, contents.bytes, row.displayName);
    m_config.fileSources.removeIf(
        [&](const FileSourceEntry& entry) { return entry.description.name == row.name; });
    m_config.fileSources.append(FileSourceEntry{std::move(description), origin, keptAt, {}});
    return {row, message};
}

SourceTools::Kept SourceTools::keep(const QString& path, const QString& fileName,
                                    const QByteArray& bytes, const QString& shown)
{
    const QString folder = m_config.userSourceFolder;
    //: %1 is a source's name.
    const QString sessionOnly = tr("%1 is used for this session only.").arg(shown);
    if (folder.isEmpty())
        return {QStringLiteral("--source-file"), path, sessionOnly};
    const QString target = QDir(folder).filePath(fileName);
    //: %1 is a source's name, %2 the file it is read from at every start.
    const QString kept = tr("%1 is kept in %2 and used from now on.").arg(shown, target);
    if (m_platform.files.sameFile(path, target))
        return {QStringLiteral("your folder"), target, kept};
    //: %1 is a file name, %2 a folder.
    if (m_platform.files.fileFound(target) &&
        !m_platform.questionBox.ask(
            tr("Your sources folder %2 already holds a file named %1. Replace it?")
                .arg(fileName, folder)))
        return {QStringLiteral("--source-file"), path, sessionOnly};
    try {
        m_platform.files.writeWholeFile(target, bytes);
    } catch (const OperationFailed& failure) {
        //: %1 says why the file could not be written.
        return {QStringLiteral("--source-file"), path,
                tr("It could not be kept for later sessions: %1").arg(failure.description()) +
                    u'\n' + sessionOnly};
    }
    return {QStringLiteral("your folder"), target, kept};
}

SourceActions SourceTools::actions()
{
    return SourceActions{
        [this](const QString& name, const QString& key) { return setKey(name, key); },
        [this](const QString& name) { return forgetKey(name); },
        [this](const QString& name, const QString& code) { return test(name, code); },
        [this](const QString& path) { return addFile(path); }};
}
