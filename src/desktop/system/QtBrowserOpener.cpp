#include "desktop/system/QtBrowserOpener.h"

#include "common/OperationFailed.h"

#include <QDesktopServices>
#include <QUrl>

void QtBrowserOpener::open(const QString& url)
{
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || !QDesktopServices::openUrl(address))
        throw OperationFailed(tr("Could not open %1 in the web browser").arg(url));
}
