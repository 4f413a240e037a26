#include "solver/Pourquoi.h"

#include "solver/Pagodes.h"
#include "solver/Recherche.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace marbello {

namespace {

struct Ligne {
    int depart;
    int saute;
    int arrivee;
};

// The 76 jumps of the board by hole number.
const std::array<Ligne, NbSauts>& Lignes() {
    static const std::array<Ligne, NbSauts> lignes = [] {
        std::array<Ligne, NbSauts> l{};
        const auto trou = [](int8_t bit) {
            const Cellule c = CaseDuBit(bit);
            return NumeroBille(c.x, c.y);
        };
        for (size_t j = 0; j < NbSauts; ++j) {
            const Saut& s = Tables.sauts[j];
            l[j] = {trou(s.depart), trou(s.saute), trou(s.arrivee)};
        }
        return l;
    }();
    return lignes;
}

// Every weighting of the library under every symmetry, by hole number, in the order tried.
const std::vector<std::array<int, NbTrous>>& PoidsSymetriques() {
    static const std::vector<std::array<int, NbTrous>> tous = [] {
        std::vector<std::array<int, NbTrous>> v;
        for (const auto& p : PoidsCourts) {
            for (int s = 0; s < NbSymetries; ++s) {
                std::array<int, NbTrous> w{};
                for (int k = 0; k < NbTrous; ++k) {
                    const Cellule image = ImageCase(s, CelluleBille(k));
                    w[static_cast<size_t>(k)] =
                        p[static_cast<size_t>(NumeroBille(image.x, image.y))];
                }
                if (std::find(v.begin(), v.end(), w) == v.end()) {
                    v.push_back(w);
                }
            }
        }
        return v;
    }();
    return tous;
}

bool Bille(Bits billes, int trou) {
    const Cellule c = CelluleBille(trou);
    return ((billes >> BitCase(c.x, c.y)) & 1) != 0;
}

// "3 600": groups of three digits, as French writes them.
std::string Nombre(uint64_t n) {
    std::string chiffres = std::to_string(n);
    std::string texte;
    for (size_t i = 0; i < chiffres.size(); ++i) {
        if (i > 0 && (chiffres.size() - i) % 3 == 0) {
            texte += "\u00a0";
        }
        texte += chiffres[i];
    }
    return texte;
}

} // namespace

std::vector<int> TrousFinaux(Bits billes) {
    std::vector<int> trous;
    const Bits cases = CasesFinalesPossibles(billes);
    for (int k = 0; k < NbTrous; ++k) {
        if (Bille(cases, k)) {
            trous.push_back(k);
        }
    }
    return trous;
}

int SeuilDernierSaut(const std::array<int, NbTrous>& poids, const std::vector<int>& trous) {
    int seuil = INT_MAX;
    for (const Ligne& l : Lignes()) {
        if (std::find(trous.begin(), trous.end(), l.arrivee) != trous.end()) {
            seuil = std::min(seuil, poids[static_cast<size_t>(l.depart)] +
                                        poids[static_cast<size_t>(l.saute)]);
        }
    }
    return seuil;
}

std::optional<Certificat> PreuveCourte(Bits billes) {
    Certificat preuve;
    const int nombre = std::popcount(billes);
    if (nombre == 1) {
        return std::nullopt;
    }
    const bool saut = DepartsSaut(billes, 0) != 0 || DepartsSaut(billes, 1) != 0 ||
                      DepartsSaut(billes, 2) != 0 || DepartsSaut(billes, 3) != 0;
    if (nombre >= 2 && !saut) {
        preuve.genre = GenrePreuve::Bloquee;
        return preuve;
    }
    preuve.trous = TrousFinaux(billes);
    if (preuve.trous.empty()) {
        preuve.genre = GenrePreuve::Classes;
        return preuve;
    }
    for (const auto& poids : PoidsSymetriques()) {
        int total = 0;
        for (int k = 0; k < NbTrous; ++k) {
            total += Bille(billes, k) ? poids[static_cast<size_t>(k)] : 0;
        }
        const int seuil = SeuilDernierSaut(poids, preuve.trous);
        if (total < seuil) {
            preuve.genre = GenrePreuve::Poids;
            preuve.poids = poids;
            preuve.total = total;
            preuve.seuil = seuil;
            return preuve;
        }
    }
    return std::nullopt;
}

Certificat ExpliquerPosition(Bits billes, Recherche& recherche) {
    if (auto courte = PreuveCourte(billes)) {
        return *courte;
    }
    Grille plateau;
    for (int k = 0; k < NbTrous; ++k) {
        plateau[CelluleBille(k)] = Bille(billes, k) ? CaseBille : CaseVide;
    }
    recherche.OublierPositionsMortes();
    recherche.Demarrer(plateau);
    const size_t avant = recherche.Solution.size();
    recherche.ExplorerPosition(plateau);
    Certificat reponse;
    if (recherche.Solution.size() == avant) {
        reponse.genre = GenrePreuve::Recherche;
        // The start position counts even when the search saw it dead without entering it.
        reponse.positions = std::max<uint64_t>(recherche.Mesure.Positions, 1);
    }
    return reponse;
}

std::string TextePreuve(const Certificat& preuve) {
    switch (preuve.genre) {
    case GenrePreuve::Gagnable:
        return "Cette position peut encore mener à une seule bille.";
    case GenrePreuve::Bloquee:
        return "Partie perdue : il reste plusieurs billes et aucun saut n'est possible.";
    case GenrePreuve::Classes:
        return "Partie perdue, par la règle de trois. Colorez les trous en trois couleurs selon "
               "les diagonales, dans un sens puis dans l'autre : chaque saut retire une bille de "
               "deux couleurs et en ajoute une à la troisième, donc les parités des trois comptes "
               "changent ensemble. Ici, aucun trou n'a les couleurs que devrait avoir une "
               "dernière bille seule.";
    case GenrePreuve::Poids:
        return "Partie perdue, par les poids. Chaque trou porte un poids tel qu'aucun saut "
               "n'augmente le total des billes. La dernière bille ne peut finir que sur un trou "
               "cerclé, et le dernier saut y arrive depuis deux billes qui pèsent au moins " +
               std::to_string(preuve.seuil) + ". Vos billes pèsent " +
               std::to_string(preuve.total) + " en tout : c'est trop peu.";
    case GenrePreuve::Recherche:
        return "Partie perdue, sans preuve courte : la recherche a essayé toutes les suites de "
               "coups depuis cette position (" +
               Nombre(preuve.positions) + (preuve.positions > 1 ? " positions" : " position") +
               ") et aucune ne laisse une seule bille.";
    }
    return {};
}

// Laid out as the board, so that a weighting reads as it is shown.
// clang-format off
const std::vector<std::array<int8_t, NbTrous>> PoidsCourts = {
    {
              -1,  0, -1,
               1,  1,  1,
      -1,  1,  0,  1,  0,  1, -1,
       0,  1,  1,  0,  1,  1,  0,
      -1,  1,  0,  1,  0,  1, -1,
               1,  1,  1,
              -1,  0, -1,
    },
    {
               0,  0,  0,
               0,  1,  0,
      -1,  1,  0,  1,  0,  1, -1,
       0,  2,  0,  2,  0,  2,  0,
      -1,  1,  0,  1,  0,  1, -1,
               0,  1,  0,
               0,  0,  0,
    },
    {
               0,  1,  0,
               0,  0,  0,
      -1,  1,  0,  1,  0,  1, -1,
       0,  0,  0,  0,  0,  0,  0,
      -1,  1,  0,  1,  0,  1, -1,
               0,  1,  0,
               0,  0,  0,
    },
    {
               0,  1, -1,
               0,  2,  1,
       0,  0,  0,  0,  0,  0,  0,
       0,  2,  0,  2,  1,  1,  0,
       0,  0,  0,  0,  0,  0,  0,
               0,  2,  1,
               0,  0,  0,
    },
    {
              -1,  0, -1,
               2,  1,  1,
       1,  0,  1,  1,  0,  1, -1,
       2,  1,  1,  0,  1,  1,  0,
      -1,  1,  0,  1,  0,  1, -1,
               1,  1,  1,
              -1,  0, -1,
    },
    {
              -1,  0, -1,
               1,  0,  1,
       0,  0,  0,  0,  0,  0,  0,
       0,  1,  1,  0,  1,  1,  0,
       0,  0,  0,  0,  0,  0,  0,
               1,  0,  1,
              -1,  0, -1,
    },
    {
               1,  0,  1,
               0,  1,  0,
       1,  0,  1,  0,  1,  0,  1,
       1,  0,  1,  1,  1,  0,  1,
       0,  0,  0,  0,  0,  0,  0,
               1,  1,  1,
              -1,  0, -1,
    },
    {
               0,  1,  0,
               0,  0,  0,
      -1,  1,  0,  1,  0,  1, -1,
       1,  1,  0,  1,  0,  1,  1,
       0,  0,  0,  0,  0,  0,  0,
               0,  1,  0,
               0,  0,  0,
    },
    {
              -1,  0, -1,
               1,  1,  1,
       0,  0,  0,  0,  0,  0,  0,
       1,  0,  1,  1,  1,  1,  1,
       1,  0,  1,  1,  0,  1, -1,
               0,  1,  1,
               1,  2, -1,
    },
    {
              -1,  1,  0,
               1,  2,  0,
       0,  0,  0,  0,  0,  0,  0,
       0,  1,  1,  2,  0,  2,  0,
       0,  0,  0,  0,  0,  0,  0,
               1,  2,  0,
              -1,  1,  0,
    },
    {
              -1,  0, -1,
               1,  1,  1,
       0,  1,  0,  1,  0,  1, -1,
       0,  1,  1,  2,  1,  1,  1,
       0,  0,  0,  0,  0,  0,  0,
               1,  2,  1,
              -1,  0, -1,
    },
    {
              -1,  1,  0,
               1,  1,  1,
      -1,  1,  0,  1,  1,  0,  1,
       0,  1,  1,  0,  1,  1,  0,
      -1,  1,  0,  1,  0,  1,  1,
               1,  1,  1,
              -1,  0, -1,
    },
    // Found by marbello-poids.
    {
               1,  0,  1,
               1,  2,  1,
       1,  0,  1,  1,  0,  1, -1,
       2,  1,  2,  1,  1,  2,  2,
       2,  0,  2,  1,  1,  0,  1,
               1,  2,  2,
               1,  2, -1,
    },
    {
               1,  0,  1,
               0,  2,  0,
      -1,  2,  1,  1,  1,  0,  1,
       0,  2,  1,  1,  1,  2,  0,
      -1,  1,  0,  1,  0,  1,  1,
               1,  2,  1,
              -1,  0, -1,
    },
    {
               1,  0,  1,
               0,  1,  0,
       1,  0,  1,  1,  1,  0,  1,
       2,  1,  1,  0,  1,  1,  0,
      -1,  1,  0,  1,  0,  1,  1,
               1,  1,  1,
              -1,  2,  1,
    },
    {
               0,  1,  1,
               0,  1,  0,
      -1,  1,  0,  1,  1,  2, -1,
       0,  2,  0,  2,  1,  1,  0,
      -1,  1,  0,  1,  1,  2, -1,
               0,  1,  0,
               0,  1,  1,
    },
    {
               0,  1, -1,
               0,  2,  2,
       0,  0,  0,  0,  0,  0,  0,
       0,  2,  0,  2,  2,  0,  2,
       0,  1,  0,  1,  1,  0,  1,
               0,  1,  1,
               0,  0,  0,
    },
    {
               0,  1, -1,
               1,  0,  1,
       1,  1,  0,  1,  0,  1, -1,
       1,  0,  1,  0,  1,  0,  1,
       0,  1,  0,  1,  0,  1,  0,
               1,  1,  1,
              -1,  0, -1,
    },
    {
               0,  1, -1,
               1,  0,  1,
      -1,  1,  0,  1,  0,  1, -1,
       1,  0,  1,  0,  1,  0,  1,
       0,  1,  0,  1,  1,  1,  0,
               1,  1,  0,
              -1,  2,  1,
    },
    {
              -1,  0, -1,
               1,  1,  1,
      -1,  1,  0,  1,  0,  1, -1,
       1,  0,  1,  0,  1,  0,  1,
      -1,  1,  0,  1,  0,  1,  0,
               1,  1,  1,
              -1,  0, -1,
    },
    {
               0,  1,  0,
               0,  0,  0,
      -1,  1,  0,  1,  0,  1, -1,
       0,  0,  0,  0,  0,  0,  0,
      -1,  1,  0,  1,  0,  1, -1,
               0,  0,  0,
               0,  1,  0,
    },
    {
              -1,  0, -1,
               1,  2,  1,
       0,  0,  0,  0,  0,  0,  0,
       1,  2,  1,  2,  1,  1,  0,
      -1,  2,  1,  2,  1,  1,  0,
               2,  0,  2,
               1,  2, -1,
    },
    {
               0,  0,  0,
               0,  1,  1,
      -1,  1,  0,  1,  0,  1, -1,
       0,  2,  0,  2,  1,  1,  0,
      -1,  1,  0,  1,  0,  1, -1,
               0,  1,  1,
               0,  0,  0,
    },
    {
               1,  0,  1,
               0,  1,  1,
       1,  0,  1,  1,  0,  1,  1,
       0,  2,  0,  2,  1,  1,  0,
       1,  0,  1,  1,  1,  0,  1,
               1,  1,  0,
               0,  1,  1,
    },
    {
               1,  2,  0,
               0,  1,  1,
      -1,  2,  1,  1,  1,  0,  1,
       2,  2,  1,  1,  1,  2,  2,
       1,  1,  2,  2,  0,  2, -1,
               1,  0,  1,
               1,  2, -1,
    },
    {
               1,  0,  1,
               0,  0,  0,
       1,  0,  1,  0,  1,  1,  0,
       1,  0,  1,  0,  1,  1,  0,
       0,  0,  0,  0,  0,  0,  0,
               1,  0,  1,
              -1,  0, -1,
    },
};
// clang-format on

} // namespace marbello
