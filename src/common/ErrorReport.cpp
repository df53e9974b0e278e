#include "common/ErrorReport.h"

#include "common/OperationFailed.h"
#include "platform/MessageBox.h"

#include <exception>
#include <new>

namespace {
QString requestLine()
{
    return QStringLiteral("Please email screenshot of this message to ") + kSupportAddress;
}
} // namespace

QString BuildErrorReportText(const QString& description, QStringView location, int line)
{
    return description + u"\r\n" + location + u"at line " + QString::number(line) + u"\r\r" +
           requestLine();
}

QString BuildUntrappedReportText(const QString& description, QStringView location)
{
    return description + u"\r\n" + location + u"\r\r" + requestLine();
}

void ShowErrorReport(MessageBox& box, const QString& description, QStringView location, int line)
{
    box.show(BuildErrorReportText(description, location, line), MessageIcon::Warning,
             kErrorReportTitle.toString());
}

QString DescribeCurrentException()
{
    try {
        throw;
    } catch (const OperationFailed& failure) {
        return failure.description();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& failure) {
        return QString::fromLocal8Bit(failure.what());
    } catch (...) {
        return QStringLiteral("Unknown failure");
    }
}
