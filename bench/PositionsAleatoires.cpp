#include "bench/PositionsAleatoires.h"

#include "solver/PositionBinaire.h"
#include "solver/TableResolubles.h"

#include <algorithm>
#include <bit>
#include <random>
#include <string>

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

std::vector<Ensemble> EnsemblesDuBanc(int nbAleatoires, int nbArbitraires, uint64_t graine) {
    std::vector<Ensemble> ensembles(3);
    ensembles[0].nom = "benchmark set";
    ensembles[0].positions = Ouvertures();
    for (const char* morte :
         {"ooo/ooo/oo..ooo/oooo..o/oooo..o/oo./ooo", "ooo/ooo/ooooooo/o.o.ooo/o....oo/oo./ooo",
          "ooo/ooo/oooo.oo/o.oo.oo/oooo..o/o../ooo", "ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo"}) {
        ensembles[0].positions.push_back(*GrilleDepuisTexte(morte));
    }
    for (const Grille& g : PositionsAleatoires(nbAleatoires, graine)) {
        ensembles[0].positions.push_back(g);
    }
    ensembles[1].nom = "arbitrary positions of 18 to 31 marbles";
    ensembles[1].positions = PositionsArbitraires(nbArbitraires, graine);
    ensembles[2].nom = "reachable without solution, 26 marbles or more";
    {
        // Picked by the table of positions with a solution, which answers them at once.
        const TableResolubles* table = TableIntegree();
        if (table == nullptr) {
            return {};
        }
        std::vector<int> parBilles(NbTrous + 1, 0);
        for (const Grille& g : PositionsAtteignables(26)) {
            if (!table->Resoluble(BitsDepuisGrille(g))) {
                ensembles[2].positions.push_back(g);
                ++parBilles[static_cast<size_t>(CompterBilles(g))];
            }
        }
        ensembles[2].nom += " (";
        for (int b = NbTrous; b >= 26; --b) {
            if (parBilles[static_cast<size_t>(b)] > 0) {
                ensembles[2].nom += std::to_string(parBilles[static_cast<size_t>(b)]) + " of " +
                                    std::to_string(b) + (b > 26 ? ", " : "");
            }
        }
        ensembles[2].nom += ")";
    }
    return ensembles;
}

} // namespace marbello
