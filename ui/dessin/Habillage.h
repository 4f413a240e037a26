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

// True where a window's mask shapes only its input, not what it shows, and a client cannot place
// its own windows (Wayland): the skin's surround is then painted transparent over a translucent
// window, and the slider window is drawn inside the main window.
bool ContourParTransparence();

// Sizes the window to its skin (in logical pixels) and cuts it to the skin's outline; where the
// outline needs transparency, a top-level window also gets a translucent background.
void HabillerFenetre(QWidget* fenetre, const QImage& peau);

// The skin as its window paints it: ImageRessource(nom, ratio), with every pixel of its top-left
// colour made transparent where the outline needs transparency.
QPixmap PeauAPeindre(const QString& nom, qreal ratio);

// The picture ":/images/<nom>.png" at 1x, or its "<nom>@2x.png" drawing when ratio > 1, so that
// it stays sharp on high-density screens; logical size is the 1x size either way.
QPixmap ImageRessource(const QString& nom, qreal ratio = 1.0);
// The 1x pixels of ":/images/<nom>.png", the reference for outlines.
QImage ImageRessource1x(const QString& nom);

} // namespace marbello
