#pragma once

#include "app/AppConfig.h"
#include "platform/Platform.h"
#include "platform/SourcesDialog.h"

#include <QCoreApplication>
#include <QString>

#include <utility>
#include <variant>

// What the Sources dialog's source buttons do: keep or forget a source's key in the keyring, ask
// a source about one code and show what was read beside the raw answer, and take a source
// described in a file for this session.
class SourceTools final
{
    Q_DECLARE_TR_FUNCTIONS(SourceTools)

public:
    SourceTools(AppConfig& config, const Platform& platform);

    QString setKey(const QString& name, const QString& key);
    QString forgetKey(const QString& name);
    std::pair<QString, QString> test(const QString& name, const QString& code);
    std::variant<SourceRow, QString> addFile(const QString& path);

    // The four, ready for SourcesDialog::setActions.
    SourceActions actions();

private:
    QString shownName(const QString& name) const;

    AppConfig& m_config;
    Platform m_platform;
};
