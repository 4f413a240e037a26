#include "bench/PositionsAleatoires.h"

#include "solver/PositionBinaire.h"

#include <algorithm>
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

std::vector<Grille> PositionsArbitraires(int n, uint64_t graine, int billesMin, int billesMax) {
    std::mt19937_64 hasard(graine);
    std::vector<Grille> positions;
    for (int i = 0; i < n; ++i) {
        const int billes =
            billesMin +
            static_cast<int>(hasard() % static_cast<uint64_t>(billesMax - billesMin + 1));
        std::array<int, NbTrous> trous{};
        for (int k = 0; k < NbTrous; ++k) {
            trous[static_cast<size_t>(k)] = k;
        }
        Grille g;
        for (int k = 0; k < NbTrous; ++k) {
            RetirerBille(g, CelluleBille(k));
        }
        // The first `billes` places of a shuffle, drawn one by one.
        for (int k = 0; k < billes; ++k) {
            const auto j = static_cast<size_t>(k) + hasard() % static_cast<uint64_t>(NbTrous - k);
            std::swap(trous[static_cast<size_t>(k)], trous[j]);
            AjouterBille(g, CelluleBille(trous[static_cast<size_t>(k)]));
        }
        positions.push_back(g);
    }
    return positions;
}

std::vector<Grille> PositionsAtteignables(int billesMin) {
    std::vector<Bits> niveau;
    for (const Grille& g : Ouvertures()) {
        niveau.push_back(BitsDepuisGrille(g));
    }
    std::vector<std::pair<Trous, Bits>> toutes;
    for (int billes = NbTrous - 1; billes >= billesMin; --billes) {
        std::vector<std::pair<Trous, Bits>> classes;
        classes.reserve(niveau.size());
        for (const Bits p : niveau) {
            classes.emplace_back(CleCanonique(p), p);
        }
        std::sort(classes.begin(), classes.end());
        classes.erase(std::unique(classes.begin(), classes.end(),
                                  [](const auto& a, const auto& b) { return a.first == b.first; }),
                      classes.end());
        niveau.clear();
        for (const auto& [cle, p] : classes) {
            toutes.emplace_back(cle, p);
            for (int d = 0; d < 4; ++d) {
                for (Bits b = DepartsSaut(p, d); b != 0; b &= b - 1) {
                    const int saut = Tables.indice[static_cast<size_t>(std::countr_zero(b))]
                                                  [static_cast<size_t>(d)];
                    niveau.push_back(p ^ Tables.sauts[static_cast<size_t>(saut)].masque);
                }
            }
        }
    }
    std::sort(toutes.begin(), toutes.end());
    std::vector<Grille> positions;
    for (const auto& [cle, p] : toutes) {
        Grille g;
        for (int k = 0; k < NbTrous; ++k) {
            const Cellule c = CelluleBille(k);
            g[c] = ((p >> BitCase(c.x, c.y)) & 1) != 0 ? CaseBille : CaseVide;
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
