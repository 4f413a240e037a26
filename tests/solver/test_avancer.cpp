#include "Aides.h"
#include "solver/Recherche.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;
using essais::Depuis;

constexpr const char* kCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";

// A search from the centre opening, whose solution the replay shows.
class Rejeu : public ::testing::Test {
protected:
    void SetUp() override {
        Grille plateau = Depuis(kCentre);
        Chercher(recherche, plateau);
        ASSERT_EQ(recherche.NbSolutions, 1);
    }

    // The position after the first n moves, played through the game's own rule.
    Grille ApresCoups(int n) const {
        Partie partie;
        partie.Plateau = recherche.PlateauDepart;
        const std::vector<Coup> coups = CoupsTrouves(recherche);
        for (int j = 0; j < n; ++j) {
            const Coup& m = coups[static_cast<size_t>(j)];
            const Cellule pas = *PasDirection(m.Direction);
            EXPECT_TRUE(partie.JouerCoup({m.X, m.Y}, {m.X + 2 * pas.x, m.Y + 2 * pas.y}).fait);
        }
        return partie.Plateau;
    }

    Recherche recherche;
};

TEST_F(Rejeu, atZeroShowsTheStartOfTheSearch) {
    Grille plateau;
    InitialiserPlateau(plateau);
    ASSERT_TRUE(Avancer(recherche, 0, plateau));
    EXPECT_EQ(plateau, Depuis(kCentre));
}

TEST_F(Rejeu, atTheEndShowsOneMarble) {
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, 31, plateau));
    EXPECT_EQ(CompterBilles(plateau), 1);
    EXPECT_EQ(plateau(8, 5), CaseBille);
    EXPECT_EQ(plateau, ApresCoups(31));
}

TEST_F(Rejeu, goingBackRebuildsFromTheStart) {
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, 10, plateau));
    EXPECT_EQ(plateau, ApresCoups(10));
    ASSERT_TRUE(Avancer(recherche, 4, plateau));
    EXPECT_EQ(plateau, ApresCoups(4));
    EXPECT_EQ(CompterBilles(plateau), 28);
}

TEST_F(Rejeu, belowZeroShowsTheStart) {
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, -3, plateau));
    EXPECT_EQ(plateau, Depuis(kCentre));
}

TEST_F(Rejeu, beyondTheSolutionChangesNothing) {
    Grille plateau = Depuis("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo");
    const Grille avant = plateau;
    EXPECT_FALSE(Avancer(recherche, 32, plateau));
    EXPECT_EQ(plateau, avant);
}

TEST(Avancer, withoutASolutionChangesNothing) {
    Recherche recherche;
    Grille plateau = Depuis(".../.../......./..ooo../......./.../...");
    Chercher(recherche, plateau);
    ASSERT_EQ(recherche.NbSolutions, 0);
    const Grille avant = plateau;
    EXPECT_FALSE(Avancer(recherche, 0, plateau));
    EXPECT_FALSE(Avancer(recherche, 1, plateau));
    EXPECT_EQ(plateau, avant);
}

class CodeInconnu : public ::testing::TestWithParam<int32_t> {};

// A record with an unknown direction code is skipped; the records around it still apply.
TEST_P(CodeInconnu, isSkipped) {
    Recherche recherche;
    recherche.PlateauDepart = Depuis(".../.../......./.oo.o../......./.../...");
    recherche.Solution.push_back(
        Sequence{{Coup{}, Coup{3, 5, 3}, Coup{5, 5, GetParam()}, Coup{5, 5, 3}}});
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, 2, plateau));
    EXPECT_EQ(plateau, Depuis(".../.../......./...oo../......./.../..."));
    ASSERT_TRUE(Avancer(recherche, 3, plateau));
    EXPECT_EQ(plateau, Depuis(".../.../......./.....o./......./.../..."));
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeInconnu, ::testing::Values(4, -1, 1000));

TEST(Avancer, skipsARecordWhoseCellsLeaveTheGrid) {
    Recherche recherche;
    recherche.PlateauDepart = Depuis(".../.../......./..oo.../......./.../...");
    recherche.Solution.push_back(Sequence{{Coup{}, Coup{9, 5, 3}, Coup{4, 5, 3}}});
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, 2, plateau));
    EXPECT_EQ(plateau, Depuis(".../.../......./....o../......./.../..."));
}

} // namespace
} // namespace marbello
