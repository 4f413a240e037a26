// marbello-pourquoi [--games N] [--seed S] [--list]
//
// How often a lost position gets a short proof (stuck, classes, weights), over four sets made
// here with fixed seeds and labelled by the game's search:
// - "turning": the moments a winning line from the centre turns lost. For each of N games, a
//   random winning line from the centre opening (each move drawn among those that keep it
//   winnable), then one of its positions drawn among those with a losing jump, and one of these
//   losing jumps: its sample is the position after that jump.
// - "random play": N games of random jumps from the centre, each stopped after a random number
//   (0 to 31) of moves; the positions that are lost.
// - "arbitrary": N positions of 18 to 31 marbles, the count then the holes drawn at random (as the
//   build mode can make them); those that are lost.
// - "winnable": the positions just before each turning moment, and the winnable ones of the two
//   other sets. No proof may be claimed on any of them: exit status 1 if one is.
// Recipe of the figures kept with the library (solver/Pourquoi.cpp): marbello-pourquoi, with its
// default seed and --games 1000; the weightings were fitted on --seed 1.
// Prints the share explained by set and by marble count, by kind, and the times of
// ExpliquerPosition: of a short proof, and of a search where no short proof exists (the window
// shows the count its worker's search already has, so it never waits for that one).
// --list prints each position with its set and kind instead.

#include "bench/PositionsAleatoires.h"
#include "solver/Pourquoi.h"
#include "solver/Recherche.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace marbello;

namespace {

Bits Centre() {
    Grille g;
    InitialiserPlateau(g);
    RetirerBille(g, CelluleBille(NumeroCentre));
    return BitsDepuisGrille(g);
}

std::vector<Bits> Suivantes(Bits p) {
    std::vector<Bits> suivantes;
    for (int d = 0; d < 4; ++d) {
        for (Bits b = DepartsSaut(p, d); b != 0; b &= b - 1) {
            const int saut =
                Tables.indice[static_cast<size_t>(std::countr_zero(b))][static_cast<size_t>(d)];
            suivantes.push_back(p ^ Tables.sauts[static_cast<size_t>(saut)].masque);
        }
    }
    return suivantes;
}

class Oracle {
public:
    bool Gagnable(Bits p) {
        if (std::popcount(p) == 1) {
            return true;
        }
        if (PreuveCourte(p)) {
            return false;
        }
        const auto connu = memoire_.find(p);
        if (connu != memoire_.end()) {
            return connu->second;
        }
        Grille g;
        for (int k = 0; k < NbTrous; ++k) {
            const Cellule c = CelluleBille(k);
            g[c] = ((p >> BitCase(c.x, c.y)) & 1) != 0 ? CaseBille : CaseVide;
        }
        recherche_.Demarrer(g);
        const size_t avant = recherche_.Solution.size();
        recherche_.ExplorerPosition(g);
        const bool gagnable = recherche_.Solution.size() > avant;
        memoire_[p] = gagnable;
        return gagnable;
    }

private:
    Recherche recherche_;
    std::map<Bits, bool> memoire_;
};

struct Lot {
    const char* nom;
    std::vector<Bits> positions;
};

std::vector<Lot> Lots(int n, uint64_t graine, Oracle& oracle) {
    std::vector<Lot> ensembles{
        {"turning", {}}, {"random play", {}}, {"arbitrary", {}}, {"winnable", {}}};
    std::mt19937_64 hasard(graine);
    for (int i = 0; i < n; ++i) {
        // A winning line, then one of its moves where a losing jump exists, drawn uniformly.
        std::vector<Bits> ligne{Centre()};
        while (std::popcount(ligne.back()) > 1) {
            std::vector<Bits> coups = Suivantes(ligne.back());
            std::erase_if(coups, [&](Bits q) { return !oracle.Gagnable(q); });
            ligne.push_back(coups[hasard() % coups.size()]);
        }
        std::vector<std::vector<Bits>> pertes;
        for (const Bits p : ligne) {
            pertes.push_back(Suivantes(p));
            std::erase_if(pertes.back(), [&](Bits q) { return oracle.Gagnable(q); });
        }
        std::vector<size_t> moments;
        for (size_t t = 0; t < ligne.size(); ++t) {
            if (!pertes[t].empty()) {
                moments.push_back(t);
            }
        }
        const size_t t = moments[hasard() % moments.size()];
        ensembles[0].positions.push_back(pertes[t][hasard() % pertes[t].size()]);
        ensembles[3].positions.push_back(ligne[t]);
    }
    for (int i = 0; i < n; ++i) {
        Bits p = Centre();
        for (auto coups = hasard() % 32; coups > 0; --coups) {
            const std::vector<Bits> suivantes = Suivantes(p);
            if (suivantes.empty()) {
                break;
            }
            p = suivantes[hasard() % suivantes.size()];
        }
        ensembles[oracle.Gagnable(p) ? 3 : 1].positions.push_back(p);
    }
    for (const Grille& g : PositionsArbitraires(n, graine + 1)) {
        const Bits p = BitsDepuisGrille(g);
        ensembles[oracle.Gagnable(p) ? 3 : 2].positions.push_back(p);
    }
    return ensembles;
}

const char* NomGenre(GenrePreuve g) {
    switch (g) {
    case GenrePreuve::Gagnable:
        return "winnable";
    case GenrePreuve::Bloquee:
        return "stuck";
    case GenrePreuve::Classes:
        return "classes";
    case GenrePreuve::Poids:
        return "weights";
    case GenrePreuve::Recherche:
        return "search";
    }
    return "?";
}

int Tranche(int billes) {
    return billes <= 10 ? 0 : billes <= 15 ? 1 : billes <= 20 ? 2 : billes <= 25 ? 3 : 4;
}
constexpr const char* Tranches[] = {"2-10", "11-15", "16-20", "21-25", "26-32"};

} // namespace

int main(int argc, char** argv) {
    int n = 1000;
    uint64_t graine = 20261208;
    bool liste = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--games" && i + 1 < argc) {
            n = std::atoi(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            graine = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--list") {
            liste = true;
        } else {
            std::fputs("usage: marbello-pourquoi [--games N] [--seed S] [--list]\n", stderr);
            return 2;
        }
    }
    Oracle oracle;
    const std::vector<Lot> ensembles = Lots(n, graine, oracle);
    Recherche recherche;
    // Worst times, short proofs then searches; the sum of the short ones.
    std::array<std::pair<double, std::string>, 2> pires{};
    double msCourtes = 0;
    std::vector<double> essais; // microseconds of every PreuveCourte, found or not
    int nbCourtes = 0;
    int fausses = 0;
    int desaccords = 0; // PreuveCourte and ExpliquerPosition telling apart
    std::printf("%-12s %7s %9s   %s\n", "set", "lost", "explained", "by marbles: explained/lost");
    for (const Lot& e : ensembles) {
        std::map<GenrePreuve, int> genres;
        std::array<std::array<int, 2>, 5> tranches{};
        int expliquees = 0;
        for (const Bits p : e.positions) {
            const auto essai = std::chrono::steady_clock::now();
            const bool trouvee = PreuveCourte(p).has_value();
            const double us =
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - essai)
                    .count();
            essais.push_back(us);
            const auto debut = std::chrono::steady_clock::now();
            const Certificat c = ExpliquerPosition(p, recherche);
            if (trouvee !=
                (c.genre != GenrePreuve::Gagnable && c.genre != GenrePreuve::Recherche)) {
                ++desaccords;
            }
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut)
                    .count();
            Grille g;
            for (int k = 0; k < NbTrous; ++k) {
                const Cellule cc = CelluleBille(k);
                g[cc] = ((p >> BitCase(cc.x, cc.y)) & 1) != 0 ? CaseBille : CaseVide;
            }
            const bool courte =
                c.genre != GenrePreuve::Gagnable && c.genre != GenrePreuve::Recherche;
            auto& [pire, pirePosition] = pires[courte ? 0 : 1];
            if (ms > pire) {
                pire = ms;
                pirePosition = TexteDepuisGrille(g);
            }
            if (courte) {
                msCourtes += ms;
                ++nbCourtes;
            }
            ++genres[c.genre];
            auto& t = tranches[static_cast<size_t>(Tranche(std::popcount(p)))];
            ++t[1];
            t[0] += courte ? 1 : 0;
            expliquees += courte ? 1 : 0;
            if (e.nom == std::string("winnable") && c.genre != GenrePreuve::Gagnable) {
                ++fausses;
            }
            if (liste) {
                std::printf("%s\t%s\t%d\t%s\n", e.nom, TexteDepuisGrille(g).c_str(),
                            std::popcount(p), NomGenre(c.genre));
            }
        }
        const auto total = static_cast<double>(std::max<size_t>(e.positions.size(), 1));
        std::printf("%-12s %7zu %8.1f %%  ", e.nom, e.positions.size(), 100.0 * expliquees / total);
        for (size_t k = 0; k < tranches.size(); ++k) {
            if (tranches[k][1] > 0) {
                std::printf(" %s: %d/%d (%.0f %%)", Tranches[k], tranches[k][0], tranches[k][1],
                            100.0 * tranches[k][0] / tranches[k][1]);
            }
        }
        std::printf("\n             kinds:");
        for (const auto& [genre, nombre] : genres) {
            std::printf(" %s %d", NomGenre(genre), nombre);
        }
        std::printf("\n");
    }
    std::printf("proofs claimed on winnable positions: %d\n", fausses);
    std::printf("short proofs: %.1f us on average, worst %.3f ms (%s)\n",
                1000 * msCourtes / std::max(nbCourtes, 1), pires[0].first, pires[0].second.c_str());
    std::sort(essais.begin(), essais.end());
    std::printf("PreuveCourte on every position, found or not: median %.1f us, worst %.1f us\n",
                essais.empty() ? 0.0 : essais[essais.size() / 2],
                essais.empty() ? 0.0 : essais.back());
    std::printf("worst search to an explanation: %.1f ms (%s)\n", pires[1].first,
                pires[1].second.c_str());
    std::printf("short proof found alone but not by the explanation, or the reverse: %d\n",
                desaccords);
    return fausses == 0 && desaccords == 0 ? 0 : 1;
}
