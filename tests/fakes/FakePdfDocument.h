#pragma once

#include "common/OperationFailed.h"
#include "fakes/FakeHook.h"
#include "platform/PdfDocument.h"

#include <QHash>
#include <QList>

// PDFs in memory: each path's pages as pictures; any other path is damaged, and so is a page
// whose picture is empty.
class FakePdfDocument final : public PdfDocument
{
public:
    ~FakePdfDocument() override;
    int open(const QString& path) override
    {
        hook(u"open");
        if (!documents.contains(path))
            throw OperationFailed(QStringLiteral("the PDF is damaged or is no PDF"));
        m_open = documents.value(path);
        return int(m_open.size());
    }
    QSizeF pageSize(int page) override
    {
        hook(u"pageSize");
        return QSizeF(m_open.value(page).width, m_open.value(page).height);
    }
    void renderPage(int page, double dpi, GreyImage& into) override
    {
        hook(u"renderPage");
        dpis.append(dpi);
        if (m_open.value(page).pixels.isEmpty())
            throw OperationFailed(
                QStringLiteral("page %1 of the PDF is damaged").arg(QString::number(page + 1)));
        into = m_open.value(page);
    }
    void close() override
    {
        hook(u"close");
        m_open.clear();
    }

    QHash<QString, QList<GreyImage>> documents;
    QList<double> dpis;
    FakeHook hook{"FakePdfDocument", {u"open", u"pageSize", u"renderPage", u"close"}};

private:
    QList<GreyImage> m_open;
};
