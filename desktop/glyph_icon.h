#pragma once

#include <QIcon>
#include <QImage>

// An icon that shows a button picture at any device pixel ratio with every device pixel taking
// the colour of the picture pixel under its centre: no smoothing, so the edges stay sharp.
QIcon crisp_glyph_icon(const QImage& glyph);

// The picture enlarged or reduced to size by nearest neighbour.
QImage nearest_scaled(const QImage& image, QSize size);
