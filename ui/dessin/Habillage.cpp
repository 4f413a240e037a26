#include "ui/dessin/Habillage.h"

#include <QBitmap>
#include <QFile>
#include <QGuiApplication>
#include <QRect>
#include <QWidget>

namespace marbello {

QRegion RegionDepuisImage(const QImage& image) {
    if (image.isNull()) {
        return {};
    }
    // Opaque skins compare colours only; a picture with alpha compares the whole pixel, every
    // fully transparent pixel counting as the same colour whatever its hidden RGB.
    const bool avecAlpha = image.hasAlphaChannel();
    const QImage pixels =
        image.convertToFormat(avecAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const QRgb transparent = pixels.pixel(0, 0);
    const auto estTransparent = [&](QRgb c) {
        return c == transparent || (avecAlpha && qAlpha(c) == 0 && qAlpha(transparent) == 0);
    };

    QRegion region;
    const int largeur = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int debut = -1; // start of the open run, -1 when none is open
        for (int x = 0; x < largeur; ++x) {
            const bool opaque = !estTransparent(ligne[x]);
            if (opaque && debut < 0) {
                debut = x;
            } else if (!opaque && debut >= 0) {
                region += QRect(debut, y, x - debut, 1);
                debut = -1;
            }
        }
        if (debut >= 0) { // a run reaching the right edge stops there, not in the next row
            region += QRect(debut, y, largeur - debut, 1);
        }
    }
    return region;
}

bool ContourParTransparence() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void HabillerFenetre(QWidget* fenetre, const QImage& peau) {
    // The outline is read pixel for pixel, so the skin must be its 1x drawing: the mask is in
    // logical pixels whatever the screen's density.
    fenetre->setFixedSize(peau.deviceIndependentSize().toSize());
    if (ContourParTransparence() && fenetre->isWindow()) {
        fenetre->setAttribute(Qt::WA_TranslucentBackground);
    }
    const QRegion region = RegionDepuisImage(peau);
    if (region.isEmpty()) {
        fenetre->clearMask(); // nothing to cut: the window stays rectangular
    } else {
        fenetre->setMask(region);
    }
}

QPixmap ImageRessource(const QString& nom, qreal ratio) {
    const QString double2x = QStringLiteral(":/images/%1@2x.png").arg(nom);
    if (ratio > 1.0 && QFile::exists(double2x)) {
        QPixmap image(double2x);
        image.setDevicePixelRatio(2.0);
        return image;
    }
    // Pictures drawn at one size only (the icon theme's sizes) fall back to that drawing.
    return QPixmap(QStringLiteral(":/images/%1.png").arg(nom));
}

QPixmap PeauAPeindre(const QString& nom, qreal ratio) {
    QPixmap peau = ImageRessource(nom, ratio);
    if (ContourParTransparence() && !peau.isNull()) {
        peau.setMask(peau.createMaskFromColor(peau.toImage().pixelColor(0, 0), Qt::MaskInColor));
    }
    return peau;
}

QImage ImageRessource1x(const QString& nom) {
    return QImage(QStringLiteral(":/images/%1.png").arg(nom));
}

} // namespace marbello
