#pragma once

#include "lookup/LookupSource.h"

#include <QString>

// Open Food Facts, and through it its sibling databases for beauty products, pet food and other
// products: asked for every product type, it redirects to the one that holds the code.
class OpenFoodFactsSource final : public LookupSource
{
public:
    // Its published limit is 100 product reads a minute per address, and global limits answer
    // 503 for everyone when the service is busy; this stays well under both.
    static constexpr int kDefaultPerMinute = 10;

    // `base` is the service's address ("https://world.openfoodfacts.org"), `language` the
    // language of the user's locale ("fr"), whose own product name is asked for as well.
    OpenFoodFactsSource(QString base, QString language, int perMinute = kDefaultPerMinute);

    QString name() const override { return QStringLiteral("openfoodfacts"); }
    QString displayName() const override { return QStringLiteral("Open Food Facts"); }
    QStringList ownHosts() const override;
    bool takes(const CheckedCode& checked) const override { return checked.isValid(); }
    // Nothing to send (an empty address) for a code that did not pass its checks.
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    int perMinute() const override { return m_perMinute; }
    bool remembered() const override { return true; }
    QString answerVariant() const override { return m_language; }

private:
    QString m_base;
    QString m_language; // lower case, two or three letters; empty for English or none
    int m_perMinute;
};
