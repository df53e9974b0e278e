#pragma once

#include "app/SettingsNames.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class MessageBox;
class SettingsStore;

// A language the program's own texts are written in, with its name in that language, as the
// Help → Language menu lists it.
struct ShippedLanguage
{
    QString code;
    QString ownName;
};

// English first: the texts are written in it, so it needs no catalogue.
QList<ShippedLanguage> ShippedLanguages();

// The language a run shows its texts in: --language or QUILLFEN_LANGUAGE for one run, then what
// Help → Language saved, then the first of the desktop's languages that is shipped. A choice that
// is not shipped ("pt_BR") falls to English rather than to the desktop's, so that naming a
// language always gives the same texts. "de_AT" and "de-AT" show German. The answer is a shipped
// language's code.
QString ChooseUiLanguage(const QStringList& arguments, const QString& environmentLanguage,
                         const QString& saved, const QStringList& desktopLanguages);

// Help → Language: keeps the choice (a shipped language's code, or empty to follow the desktop)
// beside the code list and says that it takes effect at the next start, when every window and
// message is built in it. Throws OperationFailed when the settings cannot be written.
void KeepUiLanguage(SettingsStore& settings, MessageBox& messageBox, const QString& language);
