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

// The moves played from depart through the game's own jump rule; an empty grid when the rule
// refuses one.
inline Grille Rejouer(const Grille& depart, const std::vector<Coup>& coups) {
    Partie partie;
    partie.RepartirDeLaPosition(depart);
    for (const Coup& m : coups) {
        const auto pas = PasDirection(m.Direction);
        const Cellule cible{m.X + 2 * pas.value_or(Cellule{}).x,
                            m.Y + 2 * pas.value_or(Cellule{}).y};
        if (!pas || !EstTrou(cible.x, cible.y) || partie.Plateau()(m.X, m.Y) != CaseBille ||
            !partie.JouerCoup({m.X, m.Y}, cible).fait) {
            return {};
        }
    }
    return partie.Plateau();
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
