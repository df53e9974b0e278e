#include "labels/LabelDesigner.h"

#include "common/OperationFailed.h"
#include "labels/LabelSymbols.h"
#include "platform/LabelPrinter.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>

namespace {
constexpr QChar kEllipsis(0x2026);
// Lines are set this much taller than their font.
constexpr double kLineSpacing = 1.2;

// A length as a message gives it: "29.8 mm".
QString Mm(double mm)
{
    return QString::number(mm, 'f', 1) + QStringLiteral(" mm");
}

// A size as a message gives it: "29.8 × 11.3 mm".
QString MmSize(double width, double height)
{
    return QString::number(width, 'f', 1) + QStringLiteral(" × ") + Mm(height);
}

QString DigitsOf(const LabelItem& item, const SymbolChoice& choice)
{
    return choice.symbology ? choice.data : PlainLabelText(item.code);
}
} // namespace

LabelDesigner::LabelDesigner(const LabelLayout& layout, const LabelContent& content,
                             LabelPrinter& printer)
    : m_layout(layout)
    , m_content(content)
    , m_printer(printer)
{
    const double shorter = std::min(layout.label.width(), layout.label.height());
    // Sheets are fed with a millimetre or so of play: ink keeps that far from the cut.
    m_padding = std::clamp(shorter * 0.05, 0.8, 2.0);
    m_textSize = std::clamp(layout.label.height() * 0.085, 1.8, 4.0);
    m_content.text = PlainLabelText(m_content.text);
}

QString LabelDesigner::elided(const QString& text, double sizeMm, bool bold)
{
    const double width = m_layout.label.width() - 2 * m_padding;
    if (text.isEmpty() || m_printer.textWidthMm(text, sizeMm, bold) <= width)
        return text;
    // Cut between characters as the reader sees them (a letter and its accents stay together),
    // as far along as still fits with the ellipsis.
    QList<qsizetype> cuts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary())
        cuts.append(at);
    qsizetype low = 0, high = cuts.size(); // cuts[low - 1] fits; cuts[high] and after do not
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        const QString candidate = text.left(cuts[middle]).trimmed() + kEllipsis;
        if (m_printer.textWidthMm(candidate, sizeMm, bold) <= width)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == 0)
        return m_printer.textWidthMm(QString(kEllipsis), sizeMm, bold) <= width ? QString(kEllipsis)
                                                                                : QString();
    return text.left(cuts[low - 1]).trimmed() + kEllipsis;
}

void LabelDesigner::addLine(DrawnLabel& label, const QString& text, double top, double sizeMm,
                            bool bold)
{
    const QString shown = elided(text, sizeMm, bold);
    if (shown.isEmpty())
        return;
    label.lines.append(LabelTextLine{
        shown,
        QRectF(m_padding, top, m_layout.label.width() - 2 * m_padding, sizeMm * kLineSpacing),
        sizeMm, bold, LabelTextAlign::Centre});
}

DesignedLabel LabelDesigner::design(const LabelItem& item)
{
    DesignedLabel designed;
    const SymbolChoice choice = ChooseSymbol(item.code);
    if (!choice.refusal.isEmpty()) {
        designed.refusal = choice.refusal;
        return designed;
    }
    const double width = m_layout.label.width();
    const double height = m_layout.label.height();
    const double inner = height - 2 * m_padding;

    // The lines above the barcode, and below it, each with its size and weight.
    struct Line
    {
        QString text;
        double size;
        bool bold;
    };
    QList<Line> above, below;
    if (m_content.name && !item.name.isEmpty())
        above.append({PlainLabelText(item.name), m_textSize, false});
    if (m_content.ownText && !m_content.text.isEmpty())
        above.append({m_content.text, m_textSize * 0.9, false});
    if (m_content.digits && !m_content.barcode)
        above.append({DigitsOf(item, choice), m_textSize, false});
    const QString price = PriceWithCurrency(PlainLabelText(item.price), m_content.currency);
    if (m_content.price && !price.isEmpty())
        below.append({price, m_textSize * 1.25, true});
    const bool isbnLine =
        m_content.barcode && m_content.digits && choice.symbology == LabelSymbology::Isbn;
    const double isbnSize = std::max(1.6, m_textSize * 0.8);
    const auto heightOf = [](const QList<Line>& lines) {
        double sum = 0;
        for (const Line& line : lines)
            sum += line.size * kLineSpacing;
        return sum;
    };
    const double aboveHeight = heightOf(above);
    const double belowHeight = heightOf(below);
    const double room =
        inner - aboveHeight - belowHeight - (isbnLine ? isbnSize * kLineSpacing : 0);

    DrawnLabel label;
    label.cell = QRectF(QPointF(0, 0), m_layout.label);
    label.code = item.code;
    const double middleTop = m_padding + aboveHeight;
    const double middleHeight = inner - aboveHeight - belowHeight;
    if (m_content.barcode) {
        SymbolMetrics metrics;
        try {
            metrics = m_printer.measureSymbol(*choice.symbology, choice.data, m_content.digits);
        } catch (const OperationFailed& failure) {
            designed.refusal = failure.description();
            return designed;
        }
        const double bars = NominalBarModules(*choice.symbology);
        const double halfWidth = width / 2 - m_padding;
        const double box = metrics.widthModules;
        // The symbol stands in the middle of the label: its box (quiet zones) within the label,
        // its ink within the padding.
        double widest = width / (kNominalModuleMm * box);
        if (box / 2 - metrics.inkFromModules > 0)
            widest = std::min(widest,
                              halfWidth / (kNominalModuleMm * (box / 2 - metrics.inkFromModules)));
        if (metrics.inkToModules - box / 2 > 0)
            widest =
                std::min(widest, halfWidth / (kNominalModuleMm * (metrics.inkToModules - box / 2)));
        const double tallest = room / (kNominalModuleMm * (bars + metrics.addedHeightModules));
        double scale = std::min({kLargestScale, widest, tallest});
        double barShare = 1;
        if (scale < kSmallestScale && widest >= kSmallestScale) {
            // Shorter bars rather than a smaller module.
            scale = kSmallestScale;
            barShare = (room / (scale * kNominalModuleMm) - metrics.addedHeightModules) / bars;
        }
        if (scale < kSmallestScale || barShare < kShortestBars) {
            const double needWidth = kSmallestScale * kNominalModuleMm * box;
            const double needHeight = kSmallestScale * kNominalModuleMm *
                                      (bars * kShortestBars + metrics.addedHeightModules);
            //: %1 is a kind of barcode ("EAN-13"), %2 its smallest size ("29.8 × 11.3 mm"), %3
            //: the room the label leaves for it.
            designed.refusal =
                tr("the label is too small for its %1 at 80%: it needs %2, the "
                   "label leaves %3")
                    .arg(SymbologyName(*choice.symbology), MmSize(needWidth, needHeight),
                         MmSize(width, std::max(0.0, room)));
            return designed;
        }
        const double module = scale * kNominalModuleMm;
        const double symbolHeight = module * (bars * barShare + metrics.addedHeightModules);
        const double isbnHeight = isbnLine ? isbnSize * kLineSpacing : 0;
        const double blockTop = middleTop + (middleHeight - isbnHeight - symbolHeight) / 2;
        LabelSymbol symbol;
        symbol.symbology = *choice.symbology;
        symbol.data = choice.data;
        symbol.digits = m_content.digits;
        symbol.moduleMm = module;
        symbol.barModules = bars * barShare;
        symbol.origin = QPointF((width - module * box) / 2, blockTop + isbnHeight);
        label.symbol = symbol;
        if (isbnLine)
            addLine(label, IsbnLine(choice.data), blockTop, isbnSize, false);
        designed.scale = scale;
        designed.barHeight = barShare;
    } else if (middleHeight < 0) {
        designed.refusal = tr("the label is too small for its lines: they need %1, the label "
                              "leaves %2")
                               .arg(Mm(aboveHeight + belowHeight), Mm(inner));
        return designed;
    }
    // With a barcode the lines keep to the top and the bottom; without one they stand together in
    // the middle of the label.
    double top = m_content.barcode ? m_padding : m_padding + middleHeight / 2;
    for (const Line& line : above) {
        addLine(label, line.text, top, line.size, line.bold);
        top += line.size * kLineSpacing;
    }
    if (m_content.barcode)
        top = height - m_padding - belowHeight;
    for (const Line& line : below) {
        addLine(label, line.text, top, line.size, line.bold);
        top += line.size * kLineSpacing;
    }
    designed.label = std::move(label);
    return designed;
}

QString LayoutSizeProblem(const LabelLayout& layout, const LabelContent& content,
                          LabelPrinter& printer)
{
    LabelDesigner designer(layout, content, printer);
    // A usual product: an EAN-13 with a name and a price.
    const DesignedLabel designed = designer.design(LabelItem{
        QStringLiteral("4006381333931"), QStringLiteral("Name"), QStringLiteral("0.00"), 1});
    if (designed.label)
        return {};
    //: %1 is the layout's name, %2 why a label does not fit.
    return QCoreApplication::translate("LabelDesigner", "The labels of %1 are too small: %2.")
        .arg(layout.name, designed.refusal);
}
