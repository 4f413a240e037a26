#include "solver/Recherche.h"

namespace marbello {

namespace {

bool DansLaGrille(int x, int y) {
    return x >= 0 && x < TailleGrille && y >= 0 && y < TailleGrille;
}

} // namespace

bool Avancer(const Recherche& recherche, int valeur, Grille& plateau) {
    if (recherche.Solution.size() < 2) {
        return false;
    }
    const std::vector<Coup>& coups = recherche.Solution[1].Coups;
    const int nbCoups = coups.empty() ? 0 : static_cast<int>(coups.size()) - 1;
    if (valeur > nbCoups) {
        return false;
    }
    for (int x = 2; x <= 8; ++x) {
        for (int y = 2; y <= 8; ++y) {
            plateau(x, y) = recherche.PlateauDepart(x, y);
        }
    }
    for (int j = 1; j <= valeur; ++j) {
        const Coup& m = coups[static_cast<size_t>(j)];
        const auto pas = PasDirection(m.Direction);
        // A record whose cells leave the grid cannot come from a search: skipped like an unknown
        // direction rather than written out of bounds.
        if (!pas || !DansLaGrille(m.X, m.Y) || !DansLaGrille(m.X + 2 * pas->x, m.Y + 2 * pas->y)) {
            continue;
        }
        plateau(m.X, m.Y) = CaseVide;
        plateau(m.X + pas->x, m.Y + pas->y) = CaseVide;
        plateau(m.X + 2 * pas->x, m.Y + 2 * pas->y) = CaseBille;
    }
    return true;
}

} // namespace marbello
