// The game's search against the literal one it must agree with, move for move.

#include "Aides.h"
#include "bench/PositionsAleatoires.h"
#include "bench/RechercheLitterale.h"
#include "solver/Recherche.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;
using essais::Depuis;
using essais::RejouerAvecPartie;

TEST(RechercheLitterale, fromTheCentreMakes98375TrialsAndStepsAttenteOnce) {
    const Grille avant = Depuis("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo");
    Grille plateau = avant;
    RechercheLitterale r;
    int attentes = 0;
    r.Attente = [&] { ++attentes; };
    Chercher(r, plateau);
    EXPECT_EQ(r.NbEssais, 98'375);
    EXPECT_EQ(attentes, 1);
    EXPECT_EQ(plateau, avant);
    ASSERT_EQ(r.NbSolutions, 1);
    const std::vector<Coup> coups = CoupsTrouves(r);
    ASSERT_EQ(coups.size(), 31u);
    EXPECT_EQ(coups.front(), (Coup{3, 5, 3}));
    EXPECT_EQ(coups.back(), (Coup{6, 5, 3}));
    EXPECT_EQ(RejouerAvecPartie(avant, coups), 1);
}

// Openings that the literal search solves within a second, named by the emptied hole.
class OuvertureRapide : public ::testing::TestWithParam<Cellule> {};

TEST_P(OuvertureRapide, isSolvedMoveForMoveAsTheLiteralSearchDoes) {
    Grille plateau;
    InitialiserPlateau(plateau);
    RetirerBille(plateau, GetParam());
    Grille copie = plateau;
    RechercheLitterale litterale;
    Chercher(litterale, copie);
    ASSERT_EQ(litterale.NbSolutions, 1);
    Recherche r;
    Chercher(r, plateau);
    ASSERT_EQ(r.NbSolutions, 1);
    EXPECT_EQ(CoupsTrouves(r), CoupsTrouves(litterale));
}

INSTANTIATE_TEST_SUITE_P(Trous, OuvertureRapide,
                         ::testing::Values(Cellule{4, 2}, Cellule{4, 3}, Cellule{5, 3},
                                           Cellule{5, 4}, Cellule{6, 4}, Cellule{2, 5},
                                           Cellule{5, 5}, Cellule{2, 6}, Cellule{4, 6},
                                           Cellule{5, 6}, Cellule{4, 8}),
                         [](const auto& info) { return "trou" + CleCase(info.param); });

// The literal search from plateau, given up (false) beyond a bound of work.
bool ChercherLitteralement(RechercheLitterale& litterale, Grille plateau) {
    uint64_t visites = 0;
    litterale.Ceder = [&] {
        if (++visites > 200'000) {
            litterale.FinRecherche = true;
        }
    };
    Chercher(litterale, plateau);
    return visites <= 200'000;
}

// On every position where the literal search ends within the bound, both give the same answer,
// and the same solution.
void ComparerAvecLitterale(const std::vector<Grille>& positions, int& comparees, int& trouvees) {
    Recherche r;
    for (Grille plateau : positions) {
        RechercheLitterale litterale;
        if (!ChercherLitteralement(litterale, plateau)) {
            continue;
        }
        ++comparees;
        Chercher(r, plateau);
        ASSERT_EQ(r.NbSolutions, litterale.NbSolutions) << TexteDepuisGrille(plateau);
        ASSERT_EQ(CoupsTrouves(r), CoupsTrouves(litterale)) << TexteDepuisGrille(plateau);
        trouvees += r.NbSolutions;
    }
}

TEST(RechercheLitterale, agreesWithTheGameSearchOnRandomPositions) {
    std::vector<Grille> petites;
    for (const Grille& g : PositionsAleatoires(1500, 3)) {
        if (CompterBilles(g) <= 16) {
            petites.push_back(g);
        }
    }
    int comparees = 0;
    int trouvees = 0;
    ComparerAvecLitterale(petites, comparees, trouvees);
    EXPECT_GT(comparees, 300);
    EXPECT_GT(trouvees, 0);
}

// Positions on the way of each opening's solution all have one: the searches must find the same.
TEST(RechercheLitterale, agreesWithTheGameSearchOnSolvablePositions) {
    std::vector<Grille> enChemin;
    Recherche r;
    for (Grille ouverture : Ouvertures()) {
        Chercher(r, ouverture);
        for (int v = 13; v <= 31; v += 3) {
            Grille g;
            ASSERT_TRUE(Avancer(r, v, g));
            enChemin.push_back(g);
        }
    }
    int comparees = 0;
    int trouvees = 0;
    ComparerAvecLitterale(enChemin, comparees, trouvees);
    EXPECT_GT(comparees, 150);
    EXPECT_EQ(trouvees, comparees);
}

} // namespace
} // namespace marbello
