#include "model/Grille.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

TEST(Grille, resetGivesThirtyThreeMarblesAndAZeroMargin) {
    Grille g;
    g(0, 0) = CaseVide; // stale content must go
    InitialiserPlateau(g);
    EXPECT_EQ(CompterBilles(g), 33);
    for (int y = 0; y < TailleGrille; ++y) {
        for (int x = 0; x < TailleGrille; ++x) {
            EXPECT_EQ(g(x, y), EstTrou(x, y) ? CaseBille : CaseHors) << x << "," << y;
        }
    }
    // Two steps above the top hole still lies inside the grid and reads "no hole".
    EXPECT_EQ(g(5, 0), CaseHors);
    EXPECT_EQ(g(2, 2), CaseHors);
    EXPECT_EQ(g(8, 8), CaseHors);
}

struct TrouAttendu {
    int numero;
    Cellule cellule;
    const char* cle;
    Couleur couleur;
};

class NumerotationTrous : public testing::TestWithParam<TrouAttendu> {};

TEST_P(NumerotationTrous, numberCellKeyAndColourAgree) {
    const TrouAttendu t = GetParam();
    EXPECT_EQ(NumeroBille(t.cellule.x, t.cellule.y), t.numero);
    EXPECT_EQ(CelluleBille(t.numero), t.cellule);
    EXPECT_EQ(CleCase(t.cellule), t.cle);
    EXPECT_EQ(CaseDeCle(t.cle), t.cellule);
    EXPECT_EQ(CouleurCase(t.numero), t.couleur);
    EXPECT_EQ(CouleurCase(t.cellule), t.couleur);
}

INSTANTIATE_TEST_SUITE_P(Trous, NumerotationTrous,
                         testing::Values(TrouAttendu{0, {4, 2}, "42", Couleur::Noire},
                                         TrouAttendu{1, {5, 2}, "52", Couleur::Blanche},
                                         TrouAttendu{12, {8, 4}, "84", Couleur::Noire},
                                         TrouAttendu{13, {2, 5}, "25", Couleur::Blanche},
                                         TrouAttendu{16, {5, 5}, "55", Couleur::Noire},
                                         TrouAttendu{32, {6, 8}, "68", Couleur::Noire}));

TEST(Grille, numberingCoversTheCrossInReadingOrder) {
    int attendu = 0;
    int noires = 0;
    for (int y = 0; y < TailleGrille; ++y) {
        for (int x = 0; x < TailleGrille; ++x) {
            if (EstTrou(x, y)) {
                EXPECT_EQ(NumeroBille(x, y), attendu++);
                noires += CouleurCase(Cellule{x, y}) == Couleur::Noire ? 1 : 0;
            } else {
                EXPECT_EQ(NumeroBille(x, y), -1);
            }
        }
    }
    EXPECT_EQ(attendu, 33);
    EXPECT_EQ(noires, 17);
    EXPECT_EQ(NumeroBille(-1, 5), -1);
    EXPECT_EQ(NumeroBille(11, 5), -1);
}

TEST(Grille, keysThatNameNoHoleAreRefused) {
    for (const char* cle : {"", "22", "88", "x5", "5x", "00", "19"}) {
        EXPECT_FALSE(CaseDeCle(cle).has_value()) << cle;
    }
}

TEST(Grille, emptyingAnyHoleOfTheFullBoardLeavesThirtyTwo) {
    for (int k = 0; k < NbTrous; ++k) {
        Grille g;
        InitialiserPlateau(g);
        RetirerBille(g, CelluleBille(k));
        EXPECT_EQ(CompterBilles(g), 32);
        AjouterBille(g, CelluleBille(k));
        EXPECT_EQ(CompterBilles(g), 33);
    }
}

TEST(Grille, textFormRoundTripsAndRejectsMalformedBoards) {
    const char* texte = "ooo/ooo/oo..ooo/oooo..o/oooo..o/oo./ooo";
    const auto g = GrilleDepuisTexte(texte);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(TexteDepuisGrille(*g), texte);
    EXPECT_EQ(CompterBilles(*g), 26);
    EXPECT_FALSE(GrilleDepuisTexte("ooo/ooo").has_value());
    EXPECT_FALSE(GrilleDepuisTexte("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/oooo").has_value());
    EXPECT_FALSE(GrilleDepuisTexte("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooX").has_value());
}

} // namespace
} // namespace marbello
