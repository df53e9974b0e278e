#pragma once

#include "platform/LabelDrawing.h"

#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

// The labels' font at a height in millimetres, on any device: its point size follows the height,
// and it is drawn without hinting, so that a line measured once is as wide on paper, in a PDF and
// in the preview.
QFont LabelFont(double sizeMm, bool bold);

// Paints the labels of a page with the painter's device at `pxPerMm` device pixels a millimetre,
// from the page's top-left corner: bars as filled rectangles, never as a scaled picture, each
// label clipped to its own place.
void PaintLabelPage(QPainter& painter, const LabelPage& page, double pxPerMm);

// The page as the preview shows it, as large as fits `fit`: white paper, every place for a label
// outlined with its rounded corners, and the labels on it.
QImage RenderLabelPreview(const LabelPaper& paper, const LabelPage& page, QSize fit);
