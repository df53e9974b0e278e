#include "labels/LabelLayout.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
// No sheet or roll is larger than a metre; anything larger is a mistake in the file.
constexpr double kLongestMm = 1000;
// Measured labels are given to a hundredth of a millimetre; a sheet whose last label reaches
// past the page by less than that still fits.
constexpr double kToleranceMm = 0.05;

struct NamedPage
{
    QStringView name;
    double width, height; // mm
};
constexpr NamedPage kNamedPages[] = {
    {u"A4", 210, 297},         {u"A5", 148, 210},        {u"A6", 105, 148},
    {u"Letter", 215.9, 279.4}, {u"Legal", 215.9, 355.6},
};

// Why a field is refused; thrown only inside this file, and caught where the file is read.
struct LayoutRefusal
{
    QString field, reason;
};

[[noreturn]] void RefuseField(const QString& field, const QString& reason)
{
    throw LayoutRefusal{field, reason};
}

// A length as the file's unit writes it: "63.5 mm", "2.625 in".
QString LengthText(double mm, bool inches)
{
    const double value = inches ? mm / kMmPerInch : mm;
    QString text = QString::number(value, 'f', inches ? 3 : 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text + (inches ? QStringLiteral(" in") : QStringLiteral(" mm"));
}

QString TextField(const QJsonObject& object, const QString& key, bool required, qsizetype longest)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            RefuseField(key, QCoreApplication::translate("LabelLayout", "missing"));
        return {};
    }
    if (!value.isString())
        RefuseField(key, QCoreApplication::translate("LabelLayout", "not a text"));
    const QString text = value.toString();
    if (text.size() > longest)
        RefuseField(
            key,
            QCoreApplication::translate("LabelLayout", "longer than %1 characters").arg(longest));
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        RefuseField(key, QCoreApplication::translate("LabelLayout", "holds a control character"));
    return text;
}

// A length in the file's unit, as millimetres; `fallback` when it is missing and not required.
double Length(const QJsonObject& object, const QString& key, bool inches, bool required,
              bool mayBeZero, double fallback = 0)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        if (required)
            RefuseField(key, QCoreApplication::translate("LabelLayout", "missing"));
        return fallback;
    }
    if (!value.isDouble())
        RefuseField(key, QCoreApplication::translate("LabelLayout", "not a number"));
    const double given = value.toDouble();
    const double mm = inches ? given * kMmPerInch : given;
    if (!std::isfinite(mm) || mm < 0 || (mm == 0 && !mayBeZero))
        RefuseField(key, mayBeZero
                             ? QCoreApplication::translate("LabelLayout", "must be 0 or more")
                             : QCoreApplication::translate("LabelLayout", "must be more than 0"));
    if (mm > kLongestMm)
        //: %1 is a length with its unit: "1000 mm".
        RefuseField(key, QCoreApplication::translate("LabelLayout", "longer than %1")
                             .arg(LengthText(kLongestMm, inches)));
    return mm;
}

int Count(const QJsonObject& object, const QString& key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        RefuseField(key, QCoreApplication::translate("LabelLayout", "missing"));
    if (!value.isDouble())
        RefuseField(key, QCoreApplication::translate("LabelLayout", "not a number"));
    const double number = value.toDouble();
    if (number != std::floor(number) || number < 1 || number > kMostColumnsOrRows)
        RefuseField(
            key, QCoreApplication::translate("LabelLayout", "%1 is not a whole number from 1 to %2")
                     .arg(QString::number(number), QString::number(kMostColumnsOrRows)));
    return int(number);
}

bool IsLayoutName(const QString& name)
{
    return !name.isEmpty() && name.size() <= 64 && name.front() != u'-' &&
           std::all_of(name.begin(), name.end(), [](QChar c) {
               return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'-' ||
                      c == u'.' || c == u'_';
           });
}

LabelLayout ReadLayout(const QJsonObject& object)
{
    static const QStringList known{QStringLiteral("name"),
                                   QStringLiteral("description"),
                                   QStringLiteral("unit"),
                                   QStringLiteral("page"),
                                   QStringLiteral("pageWidth"),
                                   QStringLiteral("pageHeight"),
                                   QStringLiteral("labelWidth"),
                                   QStringLiteral("labelHeight"),
                                   QStringLiteral("columns"),
                                   QStringLiteral("rows"),
                                   QStringLiteral("topMargin"),
                                   QStringLiteral("leftMargin"),
                                   QStringLiteral("horizontalPitch"),
                                   QStringLiteral("verticalPitch"),
                                   QStringLiteral("cornerRadius")};
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (!known.contains(it.key()))
            RefuseField(it.key(), QCoreApplication::translate("LabelLayout", "unknown field"));
    }
    LabelLayout layout;
    layout.name = TextField(object, QStringLiteral("name"), true, 64);
    if (!IsLayoutName(layout.name))
        RefuseField(
            QStringLiteral("name"),
            QCoreApplication::translate(
                "LabelLayout", "use lower-case letters, digits, \"-\", \".\" and \"_\" only"));
    layout.description = TextField(object, QStringLiteral("description"), false, 100);
    const QString unit = TextField(object, QStringLiteral("unit"), false, 8);
    if (!unit.isEmpty() && unit != u"mm" && unit != u"in")
        RefuseField(QStringLiteral("unit"),
                    QCoreApplication::translate("LabelLayout", "must be \"mm\" or \"in\""));
    const bool inches = unit == u"in";
    layout.inches = inches;

    if (object.contains(u"page")) {
        if (object.contains(u"pageWidth") || object.contains(u"pageHeight"))
            RefuseField(QStringLiteral("page"),
                        QCoreApplication::translate(
                            "LabelLayout", "give the page by its name or by its size, not both"));
        const QString page = TextField(object, QStringLiteral("page"), true, 16);
        const auto named =
            std::find_if(std::begin(kNamedPages), std::end(kNamedPages), [&](const NamedPage& one) {
                return page.compare(one.name, Qt::CaseInsensitive) == 0;
            });
        if (named == std::end(kNamedPages))
            //: %1 is the list of page names the file may give.
            RefuseField(QStringLiteral("page"),
                        QCoreApplication::translate(
                            "LabelLayout", "not a page size Quillfen knows; choose from %1, or "
                                           "give pageWidth and pageHeight")
                            .arg(QStringLiteral("A4, A5, A6, Letter, Legal")));
        layout.pageName = named->name.toString();
        layout.page = QSizeF(named->width, named->height);
    } else {
        layout.page = QSizeF(Length(object, QStringLiteral("pageWidth"), inches, true, false),
                             Length(object, QStringLiteral("pageHeight"), inches, true, false));
    }
    layout.label = QSizeF(Length(object, QStringLiteral("labelWidth"), inches, true, false),
                          Length(object, QStringLiteral("labelHeight"), inches, true, false));
    layout.columns = Count(object, QStringLiteral("columns"));
    layout.rows = Count(object, QStringLiteral("rows"));
    layout.topMargin = Length(object, QStringLiteral("topMargin"), inches, false, true);
    layout.leftMargin = Length(object, QStringLiteral("leftMargin"), inches, false, true);
    // One column or row needs no pitch: the label's own size is as good as any.
    layout.horizontalPitch = Length(object, QStringLiteral("horizontalPitch"), inches,
                                    layout.columns > 1, false, layout.label.width());
    layout.verticalPitch = Length(object, QStringLiteral("verticalPitch"), inches, layout.rows > 1,
                                  false, layout.label.height());
    layout.cornerRadius = Length(object, QStringLiteral("cornerRadius"), inches, false, true);

    if (layout.label.width() > layout.page.width() + kToleranceMm)
        //: %1 and %2 are lengths with their units.
        RefuseField(QStringLiteral("labelWidth"),
                    QCoreApplication::translate("LabelLayout", "%1 is wider than the page (%2)")
                        .arg(LengthText(layout.label.width(), inches),
                             LengthText(layout.page.width(), inches)));
    if (layout.label.height() > layout.page.height() + kToleranceMm)
        RefuseField(QStringLiteral("labelHeight"),
                    QCoreApplication::translate("LabelLayout", "%1 is taller than the page (%2)")
                        .arg(LengthText(layout.label.height(), inches),
                             LengthText(layout.page.height(), inches)));
    if (layout.columns > 1 && layout.horizontalPitch < layout.label.width() - kToleranceMm)
        RefuseField(
            QStringLiteral("horizontalPitch"),
            QCoreApplication::translate(
                "LabelLayout", "%1 is less than the label's width (%2): the labels would overlap")
                .arg(LengthText(layout.horizontalPitch, inches),
                     LengthText(layout.label.width(), inches)));
    if (layout.rows > 1 && layout.verticalPitch < layout.label.height() - kToleranceMm)
        RefuseField(
            QStringLiteral("verticalPitch"),
            QCoreApplication::translate(
                "LabelLayout", "%1 is less than the label's height (%2): the labels would overlap")
                .arg(LengthText(layout.verticalPitch, inches),
                     LengthText(layout.label.height(), inches)));
    const double right =
        layout.leftMargin + (layout.columns - 1) * layout.horizontalPitch + layout.label.width();
    if (right > layout.page.width() + kToleranceMm)
        //: %1 is a number of labels, %2 and %3 lengths with their units.
        RefuseField(QStringLiteral("columns"),
                    QCoreApplication::translate(
                        "LabelLayout",
                        "%1 labels across reach %2 from the page's left edge, past its width of %3")
                        .arg(QString::number(layout.columns), LengthText(right, inches),
                             LengthText(layout.page.width(), inches)));
    const double bottom =
        layout.topMargin + (layout.rows - 1) * layout.verticalPitch + layout.label.height();
    if (bottom > layout.page.height() + kToleranceMm)
        RefuseField(QStringLiteral("rows"),
                    QCoreApplication::translate(
                        "LabelLayout",
                        "%1 labels down reach %2 from the page's top edge, past its height of %3")
                        .arg(QString::number(layout.rows), LengthText(bottom, inches),
                             LengthText(layout.page.height(), inches)));
    if (layout.cornerRadius > std::min(layout.label.width(), layout.label.height()) / 2)
        RefuseField(
            QStringLiteral("cornerRadius"),
            QCoreApplication::translate("LabelLayout", "more than half the label's smaller side"));
    return layout;
}

} // namespace

QRectF LabelLayout::cell(int row, int column) const
{
    return QRectF(leftMargin + column * horizontalPitch, topMargin + row * verticalPitch,
                  label.width(), label.height());
}

LabelPaper LabelLayout::paper() const
{
    LabelPaper paper;
    paper.pageMm = page;
    paper.cornerRadiusMm = cornerRadius;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            paper.cells.append(cell(row, column));
    }
    return paper;
}

std::variant<LabelLayout, QString> ReadLabelLayout(const QString& fileName,
                                                   const QByteArray& content)
{
    if (content.size() > kLargestLayoutFile)
        return QCoreApplication::translate("LabelLayout", "%1: larger than %2 KB")
            .arg(fileName, QString::number(kLargestLayoutFile / 1024));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError)
        //: %1 is the file's name, %2 what the JSON reader says is wrong, %3 where.
        return QCoreApplication::translate("LabelLayout", "%1: not JSON (%2 at byte %3)")
            .arg(fileName, error.errorString(), QString::number(error.offset));
    if (!document.isObject())
        return QCoreApplication::translate("LabelLayout", "%1: not a JSON object").arg(fileName);
    try {
        return ReadLayout(document.object());
    } catch (const LayoutRefusal& refusal) {
        return fileName + u": " + refusal.field + u": " + refusal.reason;
    }
}

QString LayoutSummary(const LabelLayout& layout)
{
    const QString page =
        layout.pageName.isEmpty()
            ? QCoreApplication::translate("LabelLayout", "page %1 × %2")
                  .arg(LengthText(layout.page.width(), layout.inches).section(u' ', 0, 0),
                       LengthText(layout.page.height(), layout.inches))
            : layout.pageName;
    //: %1 is the page ("A4"), %2 and %3 how many labels across and down, %4 and %5 the label's
    //: width and height (%5 with its unit).
    return QCoreApplication::translate("LabelLayout", "%1, %2 × %3 labels of %4 × %5")
        .arg(page, QString::number(layout.columns), QString::number(layout.rows),
             LengthText(layout.label.width(), layout.inches).section(u' ', 0, 0),
             LengthText(layout.label.height(), layout.inches));
}
