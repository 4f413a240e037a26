#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QString>

class QWidget;

namespace marbello {

// The union of the maximal one-pixel-high runs of pixels that differ from pixel (0, 0), row by
// row, left to right; empty for a one-colour picture.
QRegion RegionDepuisImage(const QImage& image);

// Sizes the window to its skin (in logical pixels) and cuts it to the skin's outline.
void HabillerFenetre(QWidget* fenetre, const QImage& peau);

// The picture ":/images/<nom>.png" at 1x, or its "<nom>@2x.png" drawing when ratio > 1, so that
// it stays sharp on high-density screens; logical size is the 1x size either way.
QPixmap ImageRessource(const QString& nom, qreal ratio = 1.0);
// The 1x pixels of ":/images/<nom>.png", the reference for outlines.
QImage ImageRessource1x(const QString& nom);

} // namespace marbello
