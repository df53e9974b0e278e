#pragma once

#include <QString>
#include <QStringView>

// The location texts the error report names, one per procedure that carries a trap. Users quote
// them back to support, so they stay exactly as they have always read.
namespace Location {
inline constexpr QStringView Form_Load = u"in Caskwillo2021/08/31.Form1.Form_Load ";
inline constexpr QStringView Form_QueryUnload = u"in Caskwillo2021/08/31.Form1.Form_QueryUnload ";
inline constexpr QStringView QuitOnSignal = u"in Caskwillo2021/08/31.Form1.QuitOnSignal ";
inline constexpr QStringView PushButton6_Click = u"in Caskwillo2021/08/31.Form1.PushButton6_Click ";
inline constexpr QStringView PushButton1_Click = u"in Caskwillo2021/08/31.Form1.PushButton1_Click ";
inline constexpr QStringView PushButton7_Click = u"in Caskwillo2021/08/31.Form1.PushButton7_Click ";
inline constexpr QStringView PushButton3_Click = u"in Caskwillo2021/08/31.Form1.PushButton3_Click ";
inline constexpr QStringView PushButton17_Click =
    u"in Caskwillo2021/08/31.Form1.PushButton17_Click ";
inline constexpr QStringView PushButton2_Click = u"in Caskwillo2021/08/31.Form1.PushButton2_Click ";
inline constexpr QStringView PushButton5_Click = u"in Caskwillo2021/08/31.Form1.PushButton5_Click ";
inline constexpr QStringView PushButton4_Click = u"in Caskwillo2021/08/31.Form1.PushButton4_Click ";
inline constexpr QStringView SaveListviewProperlySpaced =
    u"in Caskwillo2021/08/31.SortBy.SaveListviewProperlySpaced ";
inline constexpr QStringView PushButton13_Click =
    u"in Caskwillo2021/08/31.Form1.PushButton13_Click ";
// Added with the Lookup menu; written the way the others always have been.
inline constexpr QStringView RetryFailedRows = u"in Caskwillo2021/08/31.Form1.RetryFailedRows ";
inline constexpr QStringView EnrichSpreadsheet = u"in Caskwillo2021/08/31.Form1.EnrichSpreadsheet ";
} // namespace Location

// The location of a main-window procedure without a trap of its own, for the rare failure that
// escapes one.
inline QString FormLocation(QStringView procedure)
{
    return QStringLiteral("in Caskwillo2021/08/31.Form1.") + procedure + u' ';
}
