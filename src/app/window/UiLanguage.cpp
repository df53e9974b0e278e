#include "app/window/UiLanguage.h"

#include "app/SettingsNames.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>

namespace {
QString PrimaryLanguage(const QString& code)
{
    return code.section(u'_', 0, 0).section(u'-', 0, 0).toLower();
}

bool IsShipped(const QString& language)
{
    for (const ShippedLanguage& shipped : ShippedLanguages()) {
        if (shipped.code == language)
            return true;
    }
    return false;
}

QString ShippedOrEnglish(const QString& code)
{
    const QString language = PrimaryLanguage(code);
    return IsShipped(language) ? language : QStringLiteral("en");
}

// The value of the last --language on the command line, as the option parser reads it later;
// the texts of --help itself are chosen before the parser runs.
QString LanguageArgument(const QStringList& arguments)
{
    QString value;
    const QString option = QStringLiteral("--language");
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break;
        if (argument == option && i + 1 < arguments.size())
            value = arguments[++i];
        else if (argument.startsWith(option + u'='))
            value = argument.mid(option.size() + 1);
    }
    return value;
}
} // namespace

QList<ShippedLanguage> ShippedLanguages()
{
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("de"), QStringLiteral("Deutsch")},
            {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais")},
            {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol")}};
}

QString ChooseUiLanguage(const QStringList& arguments, const QString& environmentLanguage,
                         const QString& saved, const QStringList& desktopLanguages)
{
    if (const QString argument = LanguageArgument(arguments); !argument.isEmpty())
        return ShippedOrEnglish(argument);
    if (!environmentLanguage.isEmpty())
        return ShippedOrEnglish(environmentLanguage);
    if (!saved.isEmpty())
        return ShippedOrEnglish(saved);
    for (const QString& desktop : desktopLanguages) {
        const QString language = PrimaryLanguage(desktop);
        if (IsShipped(language))
            return language;
    }
    return QStringLiteral("en");
}

void KeepUiLanguage(SettingsStore& settings, MessageBox& messageBox, const QString& language)
{
    settings.saveSetting(kSettingsApplication.toString(), kSettingsSection.toString(),
                         kLanguageValueName.toString(), language);
    messageBox.show(QCoreApplication::translate(
        "UiLanguage", "The language you chose takes effect when Quillfen is next started."));
}
