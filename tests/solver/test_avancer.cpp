#include "Aides.h"
#include "solver/Recherche.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;
using essais::Depuis;
using essais::Rejouer;

constexpr const char* kCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";

// Each value shows the position after that many moves of the solution, rebuilt from the start
// whatever was shown before; below 0 the start, beyond the solution nothing changes.
TEST(Avancer, showsThePositionAfterThatManyMoves) {
    Recherche recherche;
    Grille plateau = Depuis(kCentre);
    Chercher(recherche, plateau);
    for (const int valeur : {31, 10, 4, 0, -3}) {
        ASSERT_TRUE(Avancer(recherche, valeur, plateau));
        const std::vector<Coup> coups = CoupsTrouves(recherche);
        EXPECT_EQ(plateau,
                  Rejouer(Depuis(kCentre), {coups.begin(), coups.begin() + std::max(valeur, 0)}))
            << valeur;
    }
    InitialiserPlateau(plateau);
    EXPECT_FALSE(Avancer(recherche, 32, plateau));
    recherche.Preparer();
    EXPECT_FALSE(Avancer(recherche, 0, plateau));
    EXPECT_EQ(CompterBilles(plateau), NbTrous);
}

class RecordHorsCroix : public ::testing::TestWithParam<Coup> {};

// A record with an unknown direction code, or one whose cells leave the cross, is skipped; the
// records around it still apply, and the margin keeps reading "not a hole".
TEST_P(RecordHorsCroix, isSkipped) {
    Recherche recherche;
    recherche.PlateauDepart = Depuis("o../o../......./.oo.o../......./.../...");
    recherche.Solution.push_back(Sequence{{Coup{}, Coup{3, 5, 3}, GetParam(), Coup{5, 5, 3}}});
    Grille plateau;
    ASSERT_TRUE(Avancer(recherche, 2, plateau));
    EXPECT_EQ(plateau, Depuis("o../o../......./...oo../......./.../..."));
    ASSERT_TRUE(Avancer(recherche, 3, plateau));
    EXPECT_EQ(plateau, Depuis("o../o../......./.....o./......./.../..."));
}

INSTANTIATE_TEST_SUITE_P(Records, RecordHorsCroix,
                         ::testing::Values(Coup{5, 5, 4}, Coup{5, 5, -1}, Coup{5, 5, 1000},
                                           Coup{3, 3, 3}, Coup{4, 3, 0}, Coup{9, 5, 3}));

} // namespace
} // namespace marbello
