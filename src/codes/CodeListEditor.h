#pragma once

#include "platform/Platform.h"

#include <QStringList>
#include <QStringView>

inline constexpr char kAddCodesPrompt[] =
    QT_TRANSLATE_NOOP("CodeListEditor", "Enter EAN number or numbers (use commas): ");
inline constexpr QStringView kSampleCode1 = u"4988112412613";
inline constexpr QStringView kSampleCode2 = u"0823564706221";

// What ends one typed code: a comma, and the tab and line breaks between the cells of a pasted
// spreadsheet row or column.
constexpr bool IsTypedCodeSeparator(QChar c)
{
    return c == u',' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Splits a typed answer at every separator (a carriage return with its line feed is one) and
// trims spaces off each piece; one line break at the very end adds no piece. Empty pieces stay:
// the user typed them, and the list takes any text.
QStringList SplitTypedCodes(const QString& answer);

// Filling and trimming the code list by hand.
class CodeListEditor final
{
public:
    explicit CodeListEditor(const Platform& platform)
        : m_platform(platform)
    {}

    void PushButton6_Click();
    void PushButton7_Click();
    void PushButton1_Click();
    void ListView1_KeyDown(int keyCode, int shift);
    void ListView1_DblClick();

private:
    Platform m_platform;
};
