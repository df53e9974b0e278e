#include "app/SaveUntilSaved.h"

#include "common/MainRoutines.h"
#include "common/OperationFailed.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>

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
            //: %1 says why the file could not be written.
            messages.show(QCoreApplication::translate("SaveUntilSaved", "%1. Nothing was saved.")
                              .arg(failure.description()),
                          MessageIcon::Warning);
        }
    }
}
