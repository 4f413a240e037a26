#pragma once

// What the files of the windows share: the unit of the layout, the navy of the board, its panels
// and the slider window, and the captions that the program writes back after changing them.

#include <QColor>
#include <QString>
#include <cmath>

namespace marbello {

inline const QColor Marine(0, 0, 128);

// Layout figures are twips, 15 to the pixel; the window system places controls on whole pixels.
inline int Pixels(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline const QString TexteDamier = QStringLiteral("Damier");
inline const QString TexteChercher = QStringLiteral("Chercher une solution");
inline const QString TexteArreter = QStringLiteral("Arrêter la recherche");

} // namespace marbello
