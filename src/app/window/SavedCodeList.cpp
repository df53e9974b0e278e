#include "app/window/SavedCodeList.h"

#include "common/OperationFailed.h"
#include "platform/EventLoop.h"
#include "platform/ListControl.h"
#include "platform/SettingsStore.h"

QString JoinCodeList(const ListControl& list)
{
    QString joined;
    const int rows = list.count();
    for (int row = 1; row <= rows; ++row) {
        if (row > 1)
            joined += kCodeListSeparator;
        joined += list.text(row);
    }
    return joined;
}

QStringList SplitSavedCodeList(const QString& saved)
{
    return saved.split(kCodeListSeparator, Qt::SkipEmptyParts);
}

void SavedCodeList::write(const QString& text)
{
    m_platform.settings.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                    kCodeListValueName.toString(), text);
    m_lastWritten = text;
    m_autoSaveFailing = false;
}

void SavedCodeList::SaveCodeList()
{
    write(JoinCodeList(m_platform.listView1));
    m_platform.eventLoop.yield();
}

void SavedCodeList::RestoreCodeList()
{
    const QString saved =
        m_platform.settings.getSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                                       kCodeListValueName.toString(), QString());
    const QStringList codes = SplitSavedCodeList(saved);
    // The store holds these codes already (perhaps with empty pieces a save would leave out):
    // nothing needs saving until the list changes.
    m_lastWritten = codes.join(kCodeListSeparator);
    for (const QString& code : codes)
        m_platform.listView1.add(code);
}

void SavedCodeList::AutoSaveCodeList()
{
    const QString text = JoinCodeList(m_platform.listView1);
    if (m_lastWritten == text)
        return;
    try {
        write(text);
    } catch (const OperationFailed&) {
        if (m_autoSaveFailing)
            return;
        m_autoSaveFailing = true;
        throw;
    }
}
