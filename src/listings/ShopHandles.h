#pragma once

#include <QSet>
#include <QString>

// The longest handle made from a name, before a "-2" that keeps it unique: Shopify takes 255.
inline constexpr qsizetype kLongestHandle = 200;

// A product's handle, as Shopify's importer keys products by it: the name in lower-case ASCII
// letters, digits and hyphens, accents dropped ("Crème brûlée" is "creme-brulee"), anything else
// between words one hyphen, cut at a word to kLongestHandle characters. Empty when the name holds
// no letter or digit that ASCII has.
QString ShopHandleOf(const QString& name);

// The handles of one file, each unique: a handle taken already gets "-2", "-3", ... (the first
// number that makes one not taken either).
class UniqueHandles final
{
public:
    QString take(const QString& handle);

private:
    QSet<QString> m_taken;
};
