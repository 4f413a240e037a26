#include "model/Grille.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace marbello {
namespace {

TEST(Grille, resetFillsTheCrossAndZeroesEverythingElse) {
    Grille g;
    g(0, 0) = CaseVide; // stale content must go
    InitialiserPlateau(g);
    EXPECT_EQ(TexteDepuisGrille(g), "ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo");
    EXPECT_EQ(CompterBilles(g), 33);
    EXPECT_EQ(std::count(g.cases.begin(), g.cases.end(), CaseHors), 121 - 33);
    // A board as text holds 33 holes, each 'o' or '.'.
    for (const char* texte : {"ooo/ooo/oooxooo/ooooooo/ooooooo/ooo/ooo", "ooo/ooo/ooooooo/ooo",
                              "ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/oooo"}) {
        EXPECT_FALSE(GrilleDepuisTexte(texte).has_value()) << texte;
    }
}

// Saved games name holes by these numbers: rows from the top, each from the left.
TEST(Grille, holesAreNumberedInReadingOrder) {
    for (int k = 1; k < NbTrous; ++k) {
        const Cellule a = CelluleBille(k - 1);
        const Cellule c = CelluleBille(k);
        EXPECT_TRUE(EstTrou(c.x, c.y) && (c.y > a.y || (c.y == a.y && c.x > a.x))) << k;
    }
    EXPECT_EQ(CelluleBille(0), (Cellule{4, 2}));
}

// The marble images keep their cell as a key: the digit of x, then the digit of y.
TEST(Grille, aKeyNamesItsCell) {
    for (int k = 0; k < NbTrous; ++k) {
        EXPECT_EQ(CaseDeCle(CleCase(CelluleBille(k))), CelluleBille(k)) << k;
    }
    EXPECT_EQ(CleCase({2, 5}), "25");
    for (const char* cle : {"", "22", "88", "x5", "5x", "00", "19", "5:"}) {
        EXPECT_FALSE(CaseDeCle(cle).has_value()) << cle;
    }
}

} // namespace
} // namespace marbello
