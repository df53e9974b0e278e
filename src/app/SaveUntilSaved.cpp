#include "app/SaveUntilSaved.h"

#include "common/MainRoutines.h"
#include "common/OperationFailed.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

bool SaveUntilSaved(FileDialog& dialog, MessageBox& messages, QStringView defaultExtension,
                    const std::function<void(const QString& path)>& save)
{
    while (true) {
        dialog.showSave();
        QString path = dialog.fileName();
        if (path.isEmpty())
            return false;
        if (!defaultExtension.isEmpty()) {
            path = WithDefaultExtension(path, defaultExtension);
            dialog.setFileName(path);
        }
        try {
            save(path);
            return true;
        } catch (const OperationFailed& failure) {
            messages.show(failure.description() + QStringLiteral(". Nothing was saved."),
                          MessageIcon::Warning);
        }
    }
}
