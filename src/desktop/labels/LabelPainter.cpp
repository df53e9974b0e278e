#include "desktop/labels/LabelPainter.h"

#include "desktop/labels/ZintSymbol.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <zint.h>

namespace {
constexpr double kPointsPerMm = 72 / 25.4;

QRectF Scaled(const QRectF& mm, double pxPerMm)
{
    return QRectF(mm.x() * pxPerMm, mm.y() * pxPerMm, mm.width() * pxPerMm, mm.height() * pxPerMm);
}

void PaintSymbol(QPainter& painter, const LabelSymbol& symbol, double pxPerMm)
{
    const ZintSymbol encoded(symbol.symbology, symbol.data, symbol.digits, symbol.barModules);
    const zint_vector& vector = *encoded.symbol().vector;
    const double unit = symbol.moduleMm / ZintSymbol::kUnitsPerModule * pxPerMm;
    const QPointF origin = symbol.origin * pxPerMm;
    for (const zint_vector_rect* rect = vector.rectangles; rect; rect = rect->next)
        painter.fillRect(QRectF(origin.x() + rect->x * unit, origin.y() + rect->y * unit,
                                rect->width * unit, rect->height * unit),
                         Qt::black);
    painter.setPen(Qt::black);
    for (const zint_vector_string* text = vector.strings; text; text = text->next) {
        const QString digits = QString::fromUtf8(reinterpret_cast<const char*>(text->text));
        const double size = text->fsize * unit / pxPerMm;
        QFont font = LabelFont(size, false);
        // Digits never reach into the bars beside them: narrower when the font is wider than
        // libzint allows them.
        const double room = text->width * unit;
        double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(digits);
        if (room > 0 && wide > room) {
            font.setStretch(std::max(50, int(100 * room / wide)));
            wide = QFontMetricsF(font, painter.device()).horizontalAdvance(digits);
        }
        painter.setFont(font);
        const double x = origin.x() + text->x * unit;
        const double left = text->halign == 1 ? x : text->halign == 2 ? x - wide : x - wide / 2;
        painter.drawText(QPointF(left, origin.y() + text->y * unit), digits);
    }
}

int Flags(LabelTextAlign align)
{
    switch (align) {
    case LabelTextAlign::Left:
        return Qt::AlignLeft;
    case LabelTextAlign::Right:
        return Qt::AlignRight;
    case LabelTextAlign::Centre:
        break;
    }
    return Qt::AlignHCenter;
}
} // namespace

QFont LabelFont(double sizeMm, bool bold)
{
    // Liberation Sans has Arial's widths; fontconfig finds the nearest sans-serif without it.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(sizeMm * kPointsPerMm);
    font.setBold(bold);
    return font;
}

void PaintLabelPage(QPainter& painter, const LabelPage& page, double pxPerMm)
{
    for (const DrawnLabel& label : page.labels) {
        painter.save();
        const QRectF cell = Scaled(label.cell, pxPerMm);
        // Whatever a label holds stays on it, never on the next one.
        painter.setClipRect(cell);
        painter.translate(cell.topLeft());
        if (label.symbol)
            PaintSymbol(painter, *label.symbol, pxPerMm);
        painter.setPen(Qt::black);
        for (const LabelTextLine& line : label.lines) {
            painter.setFont(LabelFont(line.sizeMm, line.bold));
            painter.drawText(Scaled(line.box, pxPerMm),
                             Flags(line.align) | Qt::AlignVCenter | Qt::TextSingleLine, line.text);
        }
        painter.restore();
    }
}

QImage RenderLabelPreview(const LabelPaper& paper, const LabelPage& page, QSize fit)
{
    if (paper.pageMm.isEmpty() || fit.isEmpty())
        return {};
    const double pxPerMm =
        std::min(fit.width() / paper.pageMm.width(), fit.height() / paper.pageMm.height());
    QImage image(std::max(1, int(paper.pageMm.width() * pxPerMm)),
                 std::max(1, int(paper.pageMm.height() * pxPerMm)), QImage::Format_RGB32);
    // The font's sizes follow the image's resolution, as they follow a printer's.
    image.setDotsPerMeterX(int(pxPerMm * 1000));
    image.setDotsPerMeterY(int(pxPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1));
    const double radius = paper.cornerRadiusMm * pxPerMm;
    for (const QRectF& cell : paper.cells)
        painter.drawRoundedRect(Scaled(cell, pxPerMm), radius, radius);
    PaintLabelPage(painter, page, pxPerMm);
    painter.end();
    return image;
}
