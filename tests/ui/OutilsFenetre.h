#pragma once

// Helpers shared by the window tests: finding controls by their layout names, reading what the
// board shows, and driving the mouse through the window system as a player would.

#include "model/Grille.h"
#include "ui/FMarbello.h"
#include "ui/Vignette.h"

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <string>

Q_DECLARE_METATYPE(marbello::Cellule)

namespace outils {

template <class T = QWidget> T* Controle(const QWidget& fenetre, const QString& nom) {
    return fenetre.findChild<T*>(nom);
}

inline QLabel* Bouton(const QWidget& fenetre, int i) {
    return Controle<QLabel>(fenetre, QStringLiteral("BOUTON%1").arg(i));
}

inline marbello::Vignette* Bille(const QWidget& fenetre, int k) {
    return Controle<marbello::Vignette>(fenetre, QStringLiteral("imgBille%1").arg(k));
}

inline marbello::Vignette* Bille(const QWidget& fenetre, marbello::Cellule c) {
    return Bille(fenetre, marbello::NumeroBille(c.x, c.y));
}

inline QString Message(const QWidget& fenetre) {
    return Controle<QLabel>(fenetre, QStringLiteral("Label3"))->text();
}

// "blanche", "noire", or "" for an image that shows no marble.
inline QString Teinte(const QWidget& fenetre, const marbello::Vignette* image) {
    if (!image->AUneImage()) {
        return {};
    }
    const auto cle = image->Picture().cacheKey();
    if (cle ==
        Controle<marbello::Vignette>(fenetre, QStringLiteral("Image2"))->Picture().cacheKey()) {
        return QStringLiteral("blanche");
    }
    if (cle ==
        Controle<marbello::Vignette>(fenetre, QStringLiteral("Image3_0"))->Picture().cacheKey()) {
        return QStringLiteral("noire");
    }
    return QStringLiteral("?");
}

// The board as the 33 images show it, in the text form of the model ('o' marble, '.' empty).
inline QString Texte(const marbello::Grille& grille) {
    return QString::fromStdString(marbello::TexteDepuisGrille(grille));
}
inline QString Ecran(const QWidget& fenetre) {
    marbello::Grille vue;
    for (int k = 0; k < marbello::NbTrous; ++k) {
        vue[marbello::CelluleBille(k)] =
            Bille(fenetre, k)->AUneImage() ? marbello::CaseBille : marbello::CaseVide;
    }
    return Texte(vue);
}

// A point of a control in the window's coordinates.
inline QPoint Centre(const QWidget& fenetre, const QWidget* controle) {
    return controle->mapTo(&fenetre, controle->rect().center());
}

// Mouse events go through the window system, so the pressed control keeps the mouse until the
// release, as with a real pointer.
inline void Presser(QWidget& fenetre, QPoint point, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mousePress(fenetre.windowHandle(), bouton, {}, point);
}
inline void Lacher(QWidget& fenetre, QPoint point, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseRelease(fenetre.windowHandle(), bouton, {}, point);
}
inline void Bouger(QWidget& fenetre, QPoint point) {
    QTest::mouseMove(fenetre.windowHandle(), point);
}
inline void Cliquer(QWidget& fenetre, const QWidget* controle,
                    Qt::MouseButton bouton = Qt::LeftButton) {
    Presser(fenetre, Centre(fenetre, controle), bouton);
    Lacher(fenetre, Centre(fenetre, controle), bouton);
}

// Press on a marble, move over the way to the target, release there.
inline void Glisser(QWidget& fenetre, const QWidget* depuis, QPoint vers) {
    const QPoint debut = Centre(fenetre, depuis);
    Presser(fenetre, debut);
    Bouger(fenetre, (debut + vers) / 2);
    Bouger(fenetre, vers);
    Lacher(fenetre, vers);
}
inline void Glisser(QWidget& fenetre, marbello::Cellule depuis, marbello::Cellule vers) {
    Glisser(fenetre, Bille(fenetre, depuis), Centre(fenetre, Bille(fenetre, vers)));
}

// A window shown offscreen, ready for events.
struct FenetreMontree {
    marbello::FMarbello fenetre;
    FenetreMontree() {
        fenetre.show();
        (void)QTest::qWaitForWindowExposed(&fenetre);
    }
};

} // namespace outils
