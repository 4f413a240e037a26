#include "bench/PositionsAleatoires.h"

#include "solver/PositionBinaire.h"

#include <bit>
#include <random>

namespace marbello {

std::vector<Grille> PositionsAleatoires(int n, uint64_t graine, int coupsMax) {
    // mt19937_64's output is fixed by the standard; the distributions are not, so none is used.
    std::mt19937_64 hasard(graine);
    std::vector<Grille> positions;
    for (int i = 0; i < n; ++i) {
        Grille g;
        InitialiserPlateau(g);
        RetirerBille(g, CelluleBille(static_cast<int>(hasard() % NbTrous)));
        const auto coups = static_cast<int>(hasard() % static_cast<uint64_t>(coupsMax + 1));
        for (int j = 0; j < coups; ++j) {
            std::vector<int> sauts;
            const Bits billes = BitsDepuisGrille(g);
            for (int d = 0; d < 4; ++d) {
                for (Bits b = DepartsSaut(billes, d); b != 0; b &= b - 1) {
                    sauts.push_back(Tables.indice[static_cast<size_t>(std::countr_zero(b))]
                                                 [static_cast<size_t>(d)]);
                }
            }
            if (sauts.empty()) {
                break;
            }
            const Saut& s = Tables.sauts[static_cast<size_t>(sauts[hasard() % sauts.size()])];
            RetirerBille(g, CaseDuBit(s.depart));
            RetirerBille(g, CaseDuBit(s.saute));
            AjouterBille(g, CaseDuBit(s.arrivee));
        }
        positions.push_back(g);
    }
    return positions;
}

std::vector<Grille> Ouvertures() {
    std::vector<Grille> ouvertures;
    for (int k = 0; k < NbTrous; ++k) {
        Grille g;
        InitialiserPlateau(g);
        RetirerBille(g, CelluleBille(k));
        ouvertures.push_back(g);
    }
    return ouvertures;
}

} // namespace marbello
