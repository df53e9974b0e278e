#pragma once

#include "platform/Platform.h"

#include <QStringView>

// The confirmation after a copy. The two sentences are split by two carriage returns, no line
// feed, as users have always seen it.
inline constexpr QStringView kCopiedMessage =
    u"Results have been copied to the clipboard.\r\rClick a text area where you normally type "
    u"and press Ctrl+V to paste the clipboard.";
// The same message for translating where it is shown:
// QCoreApplication::translate("ResultsTableActions", kCopiedMessageText).
inline constexpr char kCopiedMessageText[] =
    QT_TRANSLATE_NOOP("ResultsTableActions",
                      "Results have been copied to the clipboard.\r\rClick a text area where you "
                      "normally type and press Ctrl+V to paste the clipboard.");

// "Clear Results" and "Copy Results To Clipboard".
class ResultsTableActions final
{
public:
    explicit ResultsTableActions(const Platform& platform)
        : m_platform(platform)
    {}

    void PushButton2_Click();
    void PushButton5_Click();

private:
    Platform m_platform;
};
