#include "listings/ShopHandles.h"

namespace {
// Letters that decompose into no ASCII letter and a mark, spelt out as those languages spell
// them in ASCII.
QString SpeltOut(QChar c)
{
    switch (c.unicode()) {
    case 0x00DF: // ß
        return QStringLiteral("ss");
    case 0x00E6: // æ
        return QStringLiteral("ae");
    case 0x0153: // œ
        return QStringLiteral("oe");
    case 0x00F8: // ø
        return QStringLiteral("o");
    case 0x0111: // đ
    case 0x00F0: // ð
        return QStringLiteral("d");
    case 0x0142: // ł
        return QStringLiteral("l");
    case 0x00FE: // þ
        return QStringLiteral("th");
    case 0x0131: // ı
        return QStringLiteral("i");
    default:
        break;
    }
    return {};
}
} // namespace

QString ShopHandleOf(const QString& name)
{
    // Compatibility decomposition: "é" is "e" and a mark, "ﬁ" is "fi", a full-width "Ａ" is "A".
    const QString decomposed = name.toLower().normalized(QString::NormalizationForm_KD);
    QString handle;
    handle.reserve(decomposed.size());
    bool gap = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        QString ascii;
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            ascii = c;
        else
            ascii = SpeltOut(c);
        if (ascii.isEmpty()) {
            gap = true;
            continue;
        }
        if (gap && !handle.isEmpty())
            handle += u'-';
        gap = false;
        handle += ascii;
    }
    if (handle.size() > kLongestHandle) {
        const qsizetype cut = handle.lastIndexOf(u'-', kLongestHandle);
        handle.truncate(cut > 0 ? cut : kLongestHandle);
    }
    return handle;
}

QString UniqueHandles::take(const QString& handle)
{
    QString unique = handle;
    for (int number = 2; m_taken.contains(unique); ++number)
        unique = handle + u'-' + QString::number(number);
    m_taken.insert(unique);
    return unique;
}
