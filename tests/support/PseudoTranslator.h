#pragma once

#include <QString>
#include <QTranslator>

#include <cmath>

// A language of the tests' own: every text that reaches a translator comes back 40% longer and in
// brackets ("[Start Looking Up~~~~~~~]"). A text shown without its brackets was never marked for
// translation; one that no longer fits shows where a longer language would be cut off.
// Placeholders (%1, %n) and a text's leading and trailing blanks are left where they are.
class PseudoTranslator : public QTranslator
{
public:
    static constexpr QChar kPadding = u'~';

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        const QString text = QString::fromUtf8(sourceText);
        qsizetype first = 0;
        while (first < text.size() && text[first].isSpace())
            ++first;
        qsizetype end = text.size();
        while (end > first && text[end - 1].isSpace())
            --end;
        if (first == end)
            return text;
        const auto padding = qsizetype(std::ceil(0.4 * double(end - first)));
        return text.left(first) + u'[' + text.mid(first, end - first) + QString(padding, kPadding) +
               u']' + text.mid(end);
    }
};
