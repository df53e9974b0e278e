#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class FileDialog;
class MessageBox;

// The save prompt of the menus' exports. The shared dialog, set up by the caller, is shown and
// the chosen name handed to `save` (with ".<defaultExtension>" when typed without one; none is
// added when it is empty). When `save` throws OperationFailed, its reason is shown with "Nothing
// was saved." and the dialog offered again, still showing that name, so that what took a long
// lookup to gather is not lost to a full disk or a folder that cannot be written. True once
// saved, false when the user cancels.
bool SaveUntilSaved(FileDialog& dialog, MessageBox& messages, QStringView defaultExtension,
                    const std::function<void(const QString& path)>& save);
