#include "solver/PositionBinaire.h"

#include <algorithm>
#include <bit>

namespace marbello {

Bits BitsDepuisGrille(const Grille& plateau) {
    Bits b = 0;
    for (int x = 2; x <= 8; ++x) {
        for (int y = 2; y <= 8; ++y) {
            if (EstTrou(x, y) && plateau(x, y) == CaseBille) {
                b |= Bits{1} << BitCase(x, y);
            }
        }
    }
    return b;
}

Grille GrilleDepuisBits(Bits position) {
    Grille plateau;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        plateau[c] = (position >> BitCase(c.x, c.y) & 1U) != 0 ? CaseBille : CaseVide;
    }
    return plateau;
}

Bits ImageBits(Bits position, int symetrie) {
    const auto& image = Tables.imageBit[static_cast<size_t>(symetrie)];
    Bits resultat = 0;
    for (Bits reste = position & Tables.trous; reste != 0; reste &= reste - 1) {
        resultat |= Bits{1} << image[static_cast<size_t>(std::countr_zero(reste))];
    }
    return resultat;
}

Trous CleCanonique(Bits position) {
    Trous cle = Compacter(position);
    for (int s = 1; s < NbSymetries; ++s) {
        cle = std::min(cle, Compacter(ImageBits(position, s)));
    }
    return cle;
}

} // namespace marbello
