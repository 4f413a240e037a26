// marbello-poids [--rounds N] < POSITIONS
//
// Searches pagoda weightings of -1..2 that prove lost positions which the library (PoidsCourts)
// leaves unexplained. Reads lost positions as board texts, one per line (second field of a
// tab-separated line, as marbello-pourquoi --list writes them; lines whose last field is not
// "search" are skipped). Each position is given to glpsol (glpk-utils) as an integer program:
// the weighting whose total lies furthest below the last-jump threshold, up to 4. Then, round by
// round, the weighting that proves the most of the positions left, under the 8 symmetries, is
// kept and printed in hole order with the number of positions it adds.

#include "solver/Pourquoi.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using namespace marbello;

namespace {

using Poids = std::array<int, NbTrous>;

struct Ligne {
    int a;
    int b;
    int c;
};

std::vector<Ligne> LignesDuPlateau() {
    std::vector<Ligne> lignes;
    for (const Saut& s : Tables.sauts) {
        const auto trou = [](int8_t bit) {
            const Cellule c = CaseDuBit(bit);
            return NumeroBille(c.x, c.y);
        };
        lignes.push_back({trou(s.depart), trou(s.saute), trou(s.arrivee)});
    }
    return lignes;
}
const std::vector<Ligne> Lignes = LignesDuPlateau();

struct Cible {
    std::array<bool, NbTrous> billes{};
    std::vector<Ligne> derniers; // the lines into an allowed hole
};

Cible CibleDe(Bits p) {
    Cible c;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule cc = CelluleBille(k);
        c.billes[static_cast<size_t>(k)] = ((p >> BitCase(cc.x, cc.y)) & 1) != 0;
    }
    const std::vector<int> trous = TrousFinaux(p);
    for (const Ligne& l : Lignes) {
        if (std::find(trous.begin(), trous.end(), l.c) != trous.end()) {
            c.derniers.push_back(l);
        }
    }
    return c;
}

int Penalite(const Poids& w, const Cible& c) {
    int p = 0;
    for (const Ligne& l : Lignes) {
        p += 3 * std::max(0, w[static_cast<size_t>(l.c)] - w[static_cast<size_t>(l.a)] -
                                 w[static_cast<size_t>(l.b)]);
    }
    int total = 0;
    for (size_t k = 0; k < NbTrous; ++k) {
        total += c.billes[k] ? w[k] : 0;
    }
    int seuil = INT_MAX;
    for (const Ligne& l : c.derniers) {
        seuil = std::min(seuil, w[static_cast<size_t>(l.a)] + w[static_cast<size_t>(l.b)]);
    }
    return p + std::max(0, total - seuil + 1);
}

// The weighting that proves c with the widest margin, by glpsol on an integer program.
std::optional<Poids> Trouver(const Cible& c) {
    const std::string lp = "/tmp/marbello-poids.lp";
    const std::string sortie = "/tmp/marbello-poids.txt";
    FILE* f = std::fopen(lp.c_str(), "w");
    if (f == nullptr) {
        return std::nullopt;
    }
    std::fprintf(f, "Maximize\n marge: s");
    for (size_t k = 0; k < NbTrous; ++k) {
        if (c.billes[k]) {
            std::fprintf(f, " - w%zu", k);
        }
    }
    std::fprintf(f, "\nSubject To\n");
    int n = 0;
    for (const Ligne& l : Lignes) {
        std::fprintf(f, " p%d: w%d + w%d - w%d >= 0\n", n++, l.a, l.b, l.c);
    }
    for (const Ligne& l : c.derniers) {
        std::fprintf(f, " d%d: w%d + w%d - s >= 0\n", n++, l.a, l.b);
    }
    std::fprintf(f, " total: s");
    for (size_t k = 0; k < NbTrous; ++k) {
        if (c.billes[k]) {
            std::fprintf(f, " - w%zu", k);
        }
    }
    std::fprintf(f, " >= 1\n marge_max: s");
    for (size_t k = 0; k < NbTrous; ++k) {
        if (c.billes[k]) {
            std::fprintf(f, " - w%zu", k);
        }
    }
    std::fprintf(f, " <= 4\nBounds\n");
    for (int k = 0; k < NbTrous; ++k) {
        std::fprintf(f, " -1 <= w%d <= 2\n", k);
    }
    std::fprintf(f, " s free\nGeneral\n");
    for (int k = 0; k < NbTrous; ++k) {
        std::fprintf(f, " w%d", k);
    }
    std::fprintf(f, "\nEnd\n");
    std::fclose(f);
    const std::string commande =
        "glpsol --lp " + lp + " --tmlim 5 -o " + sortie + " >/dev/null 2>&1";
    if (std::system(commande.c_str()) != 0) {
        return std::nullopt;
    }
    std::ifstream resultat(sortie);
    std::string ligne;
    Poids w{};
    int lus = 0;
    bool realisable = false;
    while (std::getline(resultat, ligne)) {
        if (ligne.find("INTEGER OPTIMAL") != std::string::npos ||
            ligne.find("INTEGER NON-OPTIMAL") != std::string::npos) {
            realisable = true;
        }
        std::istringstream mots(ligne);
        std::string numero;
        std::string nom;
        std::string etoile;
        int valeur = 0;
        if (mots >> numero >> nom >> etoile >> valeur && etoile == "*" && nom.size() > 1 &&
            nom[0] == 'w') {
            w[static_cast<size_t>(std::stoi(nom.substr(1)))] = valeur;
            ++lus;
        }
    }
    if (!realisable || lus != NbTrous || Penalite(w, c) != 0) {
        return std::nullopt;
    }
    return w;
}

bool Prouve(const Poids& w, const Cible& c) {
    for (int s = 0; s < NbSymetries; ++s) {
        Poids image{};
        for (int k = 0; k < NbTrous; ++k) {
            const Cellule i = ImageCase(s, CelluleBille(k));
            image[static_cast<size_t>(k)] = w[static_cast<size_t>(NumeroBille(i.x, i.y))];
        }
        if (Penalite(image, c) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const int tours = argc > 2 && std::string(argv[1]) == "--rounds" ? std::atoi(argv[2]) : 12;
    std::vector<Cible> restantes;
    std::string ligne;
    while (std::getline(std::cin, ligne)) {
        const size_t tab = ligne.rfind('\t');
        if (tab != std::string::npos && ligne.substr(tab + 1) != "search") {
            continue;
        }
        const size_t debut = ligne.find('\t');
        const std::string texte =
            debut == std::string::npos
                ? ligne
                : ligne.substr(debut + 1, ligne.find('\t', debut + 1) - debut - 1);
        if (const auto g = GrilleDepuisTexte(texte)) {
            restantes.push_back(CibleDe(BitsDepuisGrille(*g)));
        }
    }
    std::fprintf(stderr, "%zu positions\n", restantes.size());
    std::vector<Poids> candidats;
    for (const Cible& c : restantes) {
        if (const auto w = Trouver(c)) {
            candidats.push_back(*w);
        }
    }
    std::fprintf(stderr, "%zu positions proved one by one\n", candidats.size());
    for (int t = 0; t < tours && !restantes.empty(); ++t) {
        Poids meilleur{};
        size_t gain = 0;
        for (const Poids& w : candidats) {
            const auto n = static_cast<size_t>(std::count_if(
                restantes.begin(), restantes.end(), [&](const Cible& r) { return Prouve(w, r); }));
            if (n > gain) {
                gain = n;
                meilleur = w;
            }
        }
        if (gain == 0) {
            break;
        }
        std::erase_if(restantes, [&](const Cible& r) { return Prouve(meilleur, r); });
        std::printf("{");
        for (size_t k = 0; k < NbTrous; ++k) {
            std::printf("%s%d", k > 0 ? ", " : "", meilleur[k]);
        }
        std::printf("}, // +%zu\n", gain);
        std::fflush(stdout);
    }
    std::fprintf(stderr, "%zu left\n", restantes.size());
}
