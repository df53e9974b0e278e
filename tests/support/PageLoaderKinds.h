#pragma once

#include "desktop/network/QtPageLoader.h"
#if QUILLFEN_CURL_PAGE_LOADER
#include "desktop/network/CurlPageLoader.h"
#endif

#include <QTest>

#include <memory>

// Both page loaders answer to the same suites: a suite adds the loaders as its global data
// (initTestCase_data) and every case runs once with each, making it with MakeGlobalPageLoader.
// Where there is no libcurl (Windows), Qt's alone.
inline void AddPageLoaderRows()
{
    QTest::addColumn<QString>("pageLoader");
    QTest::newRow("qt") << QStringLiteral("qt");
#if QUILLFEN_CURL_PAGE_LOADER
    QTest::newRow("curl") << QStringLiteral("curl");
#endif
}

inline std::unique_ptr<PageLoader> MakeNamedPageLoader(const QString& name,
                                                       PageLoaderLimits limits = {})
{
#if QUILLFEN_CURL_PAGE_LOADER
    if (name == u"curl")
        return std::make_unique<CurlPageLoader>(limits);
#else
    Q_UNUSED(name)
#endif
    return std::make_unique<QtPageLoader>(limits);
}

// The loader of the global row the case runs in.
inline std::unique_ptr<PageLoader> MakeGlobalPageLoader(PageLoaderLimits limits = {})
{
    QFETCH_GLOBAL(QString, pageLoader);
    return MakeNamedPageLoader(pageLoader, limits);
}
