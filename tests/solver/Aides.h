#pragma once

#include "model/Grille.h"
#include "model/Partie.h"
#include "solver/PositionBinaire.h"
#include "solver/Recherche.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace marbello {

// Failures show boards as their text.
inline void PrintTo(const Grille& g, std::ostream* os) {
    *os << TexteDepuisGrille(g);
}
inline void PrintTo(const Coup& c, std::ostream* os) {
    *os << '(' << c.X << ", " << c.Y << ", " << c.Direction << ')';
}

} // namespace marbello

namespace marbello::essais {

inline Grille Depuis(const char* texte) {
    const auto g = GrilleDepuisTexte(texte);
    EXPECT_TRUE(g.has_value()) << texte;
    return g.value_or(Grille{});
}

// The board seen through symmetry s.
inline Grille Image(const Grille& g, int s) {
    Grille image;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        image[ImageCase(s, c)] = g[c];
    }
    return image;
}

// Plays the moves from depart through the game's own jump rule; returns the marbles left, or -1
// when the rule refuses a move.
inline int RejouerAvecPartie(const Grille& depart, const std::vector<Coup>& coups) {
    Partie partie;
    partie.Plateau = depart;
    partie.PartieEnCours = true;
    partie.EnregistrerPosition(0);
    for (const Coup& m : coups) {
        const auto pas = PasDirection(m.Direction);
        if (!pas) {
            return -1;
        }
        const Cellule source{m.X, m.Y};
        const Cellule cible{m.X + 2 * pas->x, m.Y + 2 * pas->y};
        if (!EstTrou(cible.x, cible.y) || partie.Plateau[source] != CaseBille ||
            !partie.JouerCoup(source, cible).fait) {
            return -1;
        }
    }
    return CompterBilles(partie.Plateau);
}

// The moves of Solution[1], without the empty element 0.
template <typename R> std::vector<Coup> CoupsTrouves(const R& recherche) {
    if (recherche.Solution.size() < 2 || recherche.Solution[1].Coups.empty()) {
        return {};
    }
    return {recherche.Solution[1].Coups.begin() + 1, recherche.Solution[1].Coups.end()};
}

// A whole search as the window runs it: discard, start, explore.
template <typename R> void Chercher(R& recherche, Grille& plateau) {
    recherche.Preparer();
    recherche.Demarrer(plateau);
    recherche.ExplorerPosition(plateau);
}

} // namespace marbello::essais
