#pragma once

#include "app/AppConfig.h"
#include "lookup/LookupSource.h"
#include "platform/Platform.h"
#include "platform/SourcesDialog.h"

#include <QCoreApplication>
#include <QString>

#include <utility>

// What the Sources dialog's source buttons do: keep or forget a source's key in the keyring, ask
// a source about one code and show what was read beside the raw answer, and take a source
// described in a file, kept in the user's sources folder for the sessions after this one.
class SourceTools final
{
    Q_DECLARE_TR_FUNCTIONS(SourceTools)

public:
    SourceTools(AppConfig& config, const Platform& platform);

    QString setKey(const QString& name, const QString& key);
    QString forgetKey(const QString& name);
    std::pair<QString, QString> test(const QString& name, const QString& code);
    SourceAdded addFile(const QString& path);

    // The four, ready for SourcesDialog::setActions.
    SourceActions actions();

private:
    // Where a source file checked for this session was put: its origin as --list-sources says it,
    // the path read at the next start, and what to tell the user.
    struct Kept
    {
        QString origin, path, message;
    };
    // Copies the file's checked bytes into the user's sources folder, asking before replacing a
    // file of that name there.
    Kept keep(const QString& path, const QString& fileName, const QByteArray& bytes,
              const QString& shown);
    QString shownName(const QString& name) const;
    // Asks a library catalogue about the code, and shows what its records said.
    std::pair<QString, QString> testCatalogue(const LookupSource& source,
                                              const CatalogueSearch& search,
                                              const CheckedCode& checked);

    AppConfig& m_config;
    Platform m_platform;
};
