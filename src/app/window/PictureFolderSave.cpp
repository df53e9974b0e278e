#include "app/window/PictureFolderSave.h"

#include "common/OperationFailed.h"
#include "listings/PictureFolder.h"
#include "lookup/LookupChain.h"
#include "platform/EventLoop.h"
#include "platform/FileDialog.h"
#include "platform/ListControl.h"
#include "platform/MessageBox.h"
#include "platform/ProgressDisplay.h"
#include "results/RunOutcomes.h"

#include <vector>

PictureFolderSave::PictureFolderSave(const Platform& platform, const RunOutcomes& outcomes,
                                     int perMinute, bool remembered)
    : m_platform(platform)
    , m_outcomes(outcomes)
    , m_fetch(PictureFetchServices{platform.pictureLoader, platform.eventLoop, platform.clock,
                                   remembered ? &platform.pictures : nullptr},
              perMinute)
{}

void PictureFolderSave::SavePictures()
{
    if (m_busy)
        return;
    const ListControl& table = m_platform.listView2;
    QStringList texts;
    for (int row = 1; row <= table.count(); ++row)
        texts.append(table.text(row));
    std::vector<CodeOutcome> found;
    for (CodeOutcome& outcome : m_outcomes.ofRows(texts)) {
        if (outcome.status == CodeOutcome::Status::Found &&
            !PictureAddressOf(outcome.product.details).isEmpty())
            found.push_back(std::move(outcome));
    }
    if (found.empty()) {
        m_platform.messageBox.show(tr(kNoPicturesToSaveMessage.data()));
        return;
    }
    FileDialog& dialog = m_platform.commonDialog1;
    dialog.setFolderKind(FolderKind::Pictures);
    dialog.setFileName(QString());
    dialog.setFlags(FileDialogFlag::LongNames | FileDialogFlag::Explorer);
    dialog.setDialogTitle(tr(kSavePicturesTitle.data()));
    dialog.showFolder();
    const QString chosen = dialog.fileName();
    if (chosen.isEmpty())
        return;

    // However it ends, the bar is idle again and another saving may start.
    struct Busy
    {
        PictureFolderSave& save;
        ~Busy()
        {
            save.m_busy = false;
            try {
                save.m_platform.progressBar1.setPosition(0);
                save.m_platform.progressBar1.setText(
                    QCoreApplication::translate("ProgressDisplay", kIdleProgressCaptionText));
            } catch (...) {
                // The window has gone.
            }
        }
    };
    QString said;
    m_busy = true;
    m_stopAsked = false;
    {
        const Busy busy{*this};
        try {
            PictureFolder folder(chosen,
                                 PictureFolderServices{m_platform.files, m_platform.folderFiles,
                                                       m_fetch, &m_platform.pictureFiles, true});
            const qsizetype total = qsizetype(found.size());
            for (qsizetype i = 0; i < total && !m_stopAsked; ++i) {
                ProgressDisplay& bar = m_platform.progressBar1;
                bar.setPosition(double(i) / double(total) * 100);
                //: On the progress bar: which picture of how many is being saved.
                bar.setText(tr("Saving pictures: %1 of %2")
                                .arg(QString::number(i + 1), QString::number(total)));
                m_platform.eventLoop.yield();
                try {
                    folder.save(found[std::size_t(i)], [this] { return m_stopAsked; });
                } catch (const OperationFailed& failure) {
                    said = failure.description() + u'\n';
                    break;
                }
            }
            folder.finish();
            said += folder.summary();
        } catch (const OperationFailed& failure) {
            said += failure.description();
        }
    }
    if (m_stopAsked)
        said = tr("Stopped.") + u' ' + said;
    m_platform.messageBox.show(said);
}
