#pragma once

#include <QString>
#include <QStringView>

class MessageBox;

// Where the report asks the user to send a screenshot.
inline constexpr QStringView kSupportAddress = u"support@zandrik.example";
inline constexpr QStringView kErrorReportTitle = u"Application Error";

// The fixed layout of the error report: description, CR LF, location, "at line N", CR CR, request.
QString BuildErrorReportText(const QString& description, QStringView location, int line);

// The same report for a failure that escaped a handler without a trap: there is no line to name.
QString BuildUntrappedReportText(const QString& description, QStringView location);

// Shows the report in a modal warning box titled "Application Error" and returns when it closes.
void ShowErrorReport(MessageBox& box, const QString& description, QStringView location, int line);

// Turns the exception being handled into the text the report shows. Call only inside a catch.
QString DescribeCurrentException();
