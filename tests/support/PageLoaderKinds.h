#pragma once

#include "desktop/network/CurlPageLoader.h"
#include "desktop/network/QtPageLoader.h"

#include <QTest>

#include <memory>

// Both page loaders answer to the same suites: a suite adds the loaders as its global data
// (initTestCase_data) and every case runs once with each, making it with MakeGlobalPageLoader.
inline void AddPageLoaderRows()
{
    QTest::addColumn<QString>("pageLoader");
    QTest::newRow("qt") << QStringLiteral("qt");
    QTest::newRow("curl") << QStringLiteral("curl");
}

inline std::unique_ptr<PageLoader> MakeNamedPageLoader(const QString& name,
                                                       PageLoaderLimits limits = {})
{
    if (name == u"curl")
        return std::make_unique<CurlPageLoader>(limits);
    return std::make_unique<QtPageLoader>(limits);
}

// The loader of the global row the case runs in.
inline std::unique_ptr<PageLoader> MakeGlobalPageLoader(PageLoaderLimits limits = {})
{
    QFETCH_GLOBAL(QString, pageLoader);
    return MakeNamedPageLoader(pageLoader, limits);
}
