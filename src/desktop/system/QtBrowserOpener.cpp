#include "desktop/system/QtBrowserOpener.h"

#include "common/OperationFailed.h"

#include <QDesktopServices>
#include <QUrl>

void QtBrowserOpener::open(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || !QDesktopServices::openUrl(address))
        throw OperationFailed(QStringLiteral("Could not open ") + url +
                              QStringLiteral(" in the web browser"));
}
