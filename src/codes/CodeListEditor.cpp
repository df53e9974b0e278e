#include "codes/CodeListEditor.h"

#include "common/ErrorTrap.h"
#include "common/Locations.h"
#include "common/MainRoutines.h"
#include "common/PointerHandlers.h"
#include "common/RowRemoval.h"
#include "platform/Form1Window.h"
#include "platform/InputBox.h"
#include "platform/ListControl.h"

#include <QCoreApplication>

QStringList SplitTypedCodes(const QString& answer)
{
    // A column copied from a spreadsheet arrives with a line break after its last cell, as a
    // code file's last line does, and that break closes the last piece rather than opening one.
    QStringView text = answer;
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    else if (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsTypedCodeSeparator(text[i]))
            continue;
        pieces.append(TrimSpaces(text.sliced(start, i - start)));
        // A carriage return and its line feed end one piece together.
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return pieces;
}

void CodeListEditor::PushButton6_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton6_Click);
    QString answer;
    QStringList pieces;
    trap(100, [&] {
        answer =
            m_platform.inputBox.ask(QCoreApplication::translate("CodeListEditor", kAddCodesPrompt));
    });
    if (trap.holdsOrFails(102, [&] { return answer.isEmpty(); }))
        return;
    trap(104, [&] { pieces = SplitTypedCodes(answer); });
    for (const QString& piece : std::as_const(pieces))
        trap(106, [&] { m_platform.listView1.add(piece); });
}

void CodeListEditor::PushButton7_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton7_Click);
    trap(100, [&] { m_platform.listView1.add(kSampleCode1.toString()); });
    trap(102, [&] { m_platform.listView1.add(kSampleCode2.toString()); });
}

void CodeListEditor::PushButton1_Click()
{
    ErrorTrap trap(m_platform.messageBox, Location::PushButton1_Click);
    if (trap.holdsOrFails(100, [&] { return !IsBusy(m_platform.window); }))
        trap(102, [&] { m_platform.listView1.clear(); });
}

void CodeListEditor::ListView1_KeyDown(int keyCode, int /*shift*/)
{
    RemoveSelectedRowOnKey(m_platform.listView1, m_platform.window, keyCode);
}

void CodeListEditor::ListView1_DblClick()
{
    RemoveSelectedRowUnlessBusy(m_platform.listView1, m_platform.window);
}
