#include "desktop/system/QtUiTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtUiTranslations::QtUiTranslations(const QString& language)
{
    if (language.isEmpty() || language == u"en")
        return;
    const QLocale system = QLocale::system();
    m_locale = QLocale(system.language()) == QLocale(language) ? system : QLocale(language);
    m_programLoaded = m_program.load(QStringLiteral(":/i18n/quillfen_%1.qm").arg(language));
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_%1").arg(language),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void QtUiTranslations::install()
{
    QLocale::setDefault(m_locale);
    if (!QCoreApplication::instance())
        return;
    // The program's own catalogue last: the last installed is asked first.
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
}
