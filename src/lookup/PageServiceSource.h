#pragma once

#include "lookup/LookupSource.h"

#include <QByteArrayView>
#include <QString>

inline constexpr QStringView kPageServiceName = u"page";
inline constexpr QStringView kLookupPath = u"/perl/ean-search.pl";

// The address that asks the service about one code: the service's base address, the lookup
// path, and the code as the whole value of "q". The code is sent exactly as the list holds it,
// spaces included, percent-encoded so that "&", "#", "+" and the like arrive as themselves.
QUrl LookupAddress(const QString& serviceBase, const QString& code);

// Decodes a page body by the charset it declares: a byte-order mark first, then the charset of
// the Content-Type header, then a <meta> charset near the top of the page; UTF-8 when none is
// declared or the declared one is unknown.
QString DecodePageBody(QByteArrayView body, QByteArrayView contentType);

// Why a page service answer is no page to read, or an empty text when it is one. Every status from
// 400 up fails the lookup ("HTTP 503"), except 404 and 410, which come with a page that simply
// holds no record; so does a redirection that could not be followed ("HTTP 301"), and a success
// with nothing in it ("empty page"), which is no answer about the code at all.
QString PageServiceFailure(const SourceResponse& response);

// The page service: <url>/perl/ean-search.pl?q=<code>, every code sent exactly as typed, its page
// read by ParseLookupPage. Never paced (it is the user's own service) and never remembered.
class PageServiceSource final : public LookupSource
{
public:
    explicit PageServiceSource(QString serviceBase)
        : m_serviceBase(std::move(serviceBase))
    {}

    QString name() const override { return kPageServiceName.toString(); }
    QString displayName() const override { return QStringLiteral("Page service"); }
    QStringList ownHosts() const override;
    // Every code, checked or not, but a number a spreadsheet cut short: its digits are gone.
    bool takes(const CheckedCode& checked) const override
    {
        return checked.kind != CheckedCode::Kind::LostDigits;
    }
    SourceRequest request(const QString& typed, const CheckedCode& checked) const override;
    SourceAnswer read(const SourceResponse& response, const QString& typed) const override;
    int perMinute() const override { return 0; }
    bool remembered() const override { return false; }

    const QString& serviceBase() const { return m_serviceBase; }

private:
    QString m_serviceBase;
};
