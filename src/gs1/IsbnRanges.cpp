#include "gs1/IsbnRanges.h"

#include "common/NumberText.h"
#include "gs1/CodeFacts.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

namespace {
struct IsbnTableRow
{
    const char* prefix;
    const char* group;
    const char* ranges; // "00-19,200-227,..."
};
#include "IsbnRangeTable.inc"

// The ranges in use; set once at start-up, before anything asks.
std::unique_ptr<IsbnRanges>& RangesInUse()
{
    static std::unique_ptr<IsbnRanges> inUse;
    return inUse;
}

// An agency's rule: the 7 digits of a range's ends, and how many of them make the element (0: the
// range is not assigned).
struct Rule
{
    QString range;
    int length = -1;
};
} // namespace

const IsbnRanges& IsbnRanges::builtIn()
{
    static const IsbnRanges ranges = [] {
        IsbnRanges made;
        made.m_date = QString::fromLatin1(kBuiltInIsbnRangesDate);
        for (const IsbnTableRow& row : kBuiltInIsbnRanges) {
            Element element{QString::fromLatin1(row.prefix), QString::fromLatin1(row.group), {}};
            // A group the agency gave no publishers' ranges yet has none: no empty range.
            for (const QString& range :
                 QString::fromLatin1(row.ranges).split(u',', Qt::SkipEmptyParts)) {
                const qsizetype dash = range.indexOf(u'-');
                if (dash > 0)
                    element.ranges.append(Range{range.first(dash), range.sliced(dash + 1)});
            }
            made.m_elements.append(std::move(element));
        }
        return made;
    }();
    return ranges;
}

std::variant<IsbnRanges, QString> IsbnRanges::fromRangeMessage(QByteArrayView xml)
{
    const auto refused = [](const QString& why) { return std::variant<IsbnRanges, QString>(why); };
    IsbnRanges made;
    QXmlStreamReader reader(xml.toByteArray());
    // An agency's file is about 100 KB; far past that, something else was named.
    constexpr qsizetype kLargestMessage = 16 * 1024 * 1024;
    if (xml.size() > kLargestMessage)
        return refused(QCoreApplication::translate("IsbnRanges", "larger than 16 MB"));
    QString section; // "EAN.UCC" (a prefix's groups) or "Group" (a group's publishers)
    QString prefix;
    QList<Rule> rules;
    const auto finish = [&]() -> QString {
        QString owner = prefix;
        QString group;
        if (section == u"Group") {
            const qsizetype dash = prefix.indexOf(u'-');
            if (dash != 3 || !AllDigits(prefix.first(3)) || !AllDigits(prefix.sliced(4)))
                return QCoreApplication::translate("IsbnRanges", "a group named %1").arg(prefix);
            owner = prefix.first(3);
            group = prefix.sliced(4);
        } else if (prefix.size() != 3 || !AllDigits(prefix)) {
            return QCoreApplication::translate("IsbnRanges", "a prefix named %1").arg(prefix);
        }
        Element element{owner, group, {}};
        for (const Rule& rule : rules) {
            const qsizetype dash = rule.range.indexOf(u'-');
            const QString low = rule.range.first(std::max<qsizetype>(dash, 0));
            const QString high = dash < 0 ? QString() : rule.range.sliced(dash + 1);
            if (dash != 7 || low.size() != 7 || high.size() != 7 || !AllDigits(low) ||
                !AllDigits(high) || rule.length < 0 || rule.length > 7)
                return QCoreApplication::translate("IsbnRanges", "%1: a rule with the range %2")
                    .arg(prefix, rule.range);
            if (rule.length > 0)
                element.ranges.append(Range{low.first(rule.length), high.first(rule.length)});
        }
        made.m_elements.append(std::move(element));
        return {};
    };
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QStringView name = reader.name();
            if (name == u"EAN.UCC" || name == u"Group") {
                section = name.toString();
                prefix.clear();
                rules.clear();
            } else if (name == u"Prefix" && !section.isEmpty()) {
                prefix = reader.readElementText().trimmed();
            } else if (name == u"Rule") {
                rules.append(Rule{});
            } else if (name == u"Range" && !rules.isEmpty()) {
                rules.back().range = reader.readElementText().trimmed();
            } else if (name == u"Length" && !rules.isEmpty()) {
                bool ok = false;
                rules.back().length = reader.readElementText().trimmed().toInt(&ok);
                if (!ok)
                    rules.back().length = -1;
            } else if (name == u"MessageDate") {
                made.m_date = reader.readElementText().trimmed();
            }
        } else if (reader.isEndElement() &&
                   (reader.name() == u"EAN.UCC" || reader.name() == u"Group")) {
            if (const QString problem = finish(); !problem.isEmpty())
                return refused(problem);
            section.clear();
        }
    }
    if (reader.hasError())
        return refused(QCoreApplication::translate("IsbnRanges", "not XML: %1 (line %2)")
                           .arg(reader.errorString(), QString::number(reader.lineNumber())));
    const bool prefixes = std::any_of(made.m_elements.cbegin(), made.m_elements.cend(),
                                      [](const Element& e) { return e.group.isEmpty(); });
    const bool groups = std::any_of(made.m_elements.cbegin(), made.m_elements.cend(),
                                    [](const Element& e) { return !e.group.isEmpty(); });
    if (!prefixes || !groups)
        return refused(
            QCoreApplication::translate("IsbnRanges", "no ISBN ranges in it (not a RangeMessage)"));
    return made;
}

std::optional<QStringView> IsbnRanges::partIn(const QList<Range>& ranges, QStringView digits)
{
    for (const Range& range : ranges) {
        const qsizetype length = range.low.size();
        if (length == 0 || length > digits.size())
            continue;
        const QStringView part = digits.first(length);
        if (part.compare(range.low) >= 0 && part.compare(range.high) <= 0)
            return part;
    }
    return std::nullopt;
}

const IsbnRanges::Element* IsbnRanges::element(QStringView prefix, QStringView group) const
{
    for (const Element& element : m_elements) {
        if (element.prefix == prefix && element.group == group)
            return &element;
    }
    return nullptr;
}

std::optional<QString> IsbnRanges::hyphenate(QStringView isbn13) const
{
    if (isbn13.size() != 13 || !AllDigits(isbn13) || Gs1CheckDigit(isbn13.first(12)) != isbn13[12])
        return std::nullopt;
    const QStringView prefix = isbn13.first(3);
    const QStringView rest = isbn13.sliced(3, 9); // group, publisher and title: no check digit
    const Element* const groups = element(prefix, {});
    if (!groups)
        return std::nullopt;
    const std::optional<QStringView> group = partIn(groups->ranges, rest);
    if (!group)
        return std::nullopt;
    const Element* const publishers = element(prefix, *group);
    if (!publishers)
        return std::nullopt;
    const QStringView afterGroup = rest.sliced(group->size());
    const std::optional<QStringView> publisher = partIn(publishers->ranges, afterGroup);
    // A title number of no digits at all is no ISBN the agency gives.
    if (!publisher || publisher->size() >= afterGroup.size())
        return std::nullopt;
    return prefix + u'-' + *group + u'-' + *publisher + u'-' +
           afterGroup.sliced(publisher->size()) + u'-' + isbn13[12];
}

std::optional<QString> HyphenatedIsbn(QStringView isbn13)
{
    const std::unique_ptr<IsbnRanges>& inUse = RangesInUse();
    return (inUse ? *inUse : IsbnRanges::builtIn()).hyphenate(isbn13);
}

void UseIsbnRanges(IsbnRanges ranges)
{
    RangesInUse() = std::make_unique<IsbnRanges>(std::move(ranges));
}
