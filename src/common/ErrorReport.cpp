#include "common/ErrorReport.h"

#include "common/OperationFailed.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace {
QString requestLine()
{
    //: %1 is the support e-mail address.
    return QCoreApplication::translate("ErrorReport",
                                       "Please email screenshot of this message to %1")
        .arg(kSupportAddress);
}
} // namespace

QString BuildErrorReportText(const QString& description, QStringView location, int line)
{
    // The location text stays as it is in every language: users quote it back to support.
    return description + u"\r\n" + location +
           QCoreApplication::translate("ErrorReport", "at line %1").arg(line) + u"\r\r" +
           requestLine();
}

QString BuildUntrappedReportText(const QString& description, QStringView location)
{
    return description + u"\r\n" + location + u"\r\r" + requestLine();
}

void ShowErrorReport(MessageBox& box, const QString& description, QStringView location, int line)
{
    box.show(BuildErrorReportText(description, location, line), MessageIcon::Warning,
             QCoreApplication::translate("ErrorReport", "Application Error"));
}

QString DescribeCurrentException()
{
    try {
        throw;
    } catch (const OperationFailed& failure) {
        return failure.description();
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate("ErrorReport", "Out of memory");
    } catch (const std::exception& failure) {
        return QString::fromLocal8Bit(failure.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorReport", "Unknown failure");
    }
}
