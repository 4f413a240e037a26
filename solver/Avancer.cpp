#include "solver/Recherche.h"

namespace marbello {

bool Avancer(const ResultatRecherche& recherche, int valeur, Grille& plateau) {
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
        if (!pas) {
            continue;
        }
        const Cellule depart{m.X, m.Y};
        const Cellule saute{m.X + pas->x, m.Y + pas->y};
        const Cellule arrivee{m.X + 2 * pas->x, m.Y + 2 * pas->y};
        // A record that leaves the cross cannot come from a search: skipped like an unknown
        // direction, so that the margin keeps reading CaseHors.
        if (NumeroBille(depart.x, depart.y) < 0 || NumeroBille(saute.x, saute.y) < 0 ||
            NumeroBille(arrivee.x, arrivee.y) < 0) {
            continue;
        }
        plateau[depart] = CaseVide;
        plateau[saute] = CaseVide;
        plateau[arrivee] = CaseBille;
    }
    return true;
}

} // namespace marbello
