#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The catalogues a run's texts come from: the program's own, built into it, and Qt's for its
// standard buttons and file dialogs, from where Qt's translations are installed (Debian's
// qt6-translations-l10n; without it those few texts stay English). English loads none, so its
// texts are the ones written in the code, byte for byte.
class QtUiTranslations
{
public:
    // The catalogues of a shipped language ("de"), read once. "en" reads nothing.
    explicit QtUiTranslations(const QString& language);

    // Puts the catalogues into the application object that exists now, and makes the language's
    // number forms the default. A run makes several application objects in turn (the options
    // are read before the window's exists), so each one is given them.
    void install();

    // The program's catalogue was found and read: false for English.
    bool translated() const { return m_programLoaded; }

    // The locale numbers and dates follow: the desktop's when it speaks the chosen language (its
    // region's forms are the user's), else the language's own; for English the C locale, which
    // writes numbers as the English texts always did ("1000", "2.5").
    QLocale locale() const { return m_locale; }

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programLoaded = false;
    bool m_qtLoaded = false;
    QLocale m_locale = QLocale::c();
};
