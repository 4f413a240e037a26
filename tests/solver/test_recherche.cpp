#include "Aides.h"
#include "bench/PositionsAleatoires.h"
#include "solver/Recherche.h"

#include <gtest/gtest.h>
#include <vector>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;
using essais::Depuis;
using essais::Image;
using essais::RejouerAvecPartie;

constexpr const char* kCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";
// The slowest position without a solution known.
constexpr const char* kSansSolution = "ooo/ooo/oo..ooo/oooo..o/oooo..o/oo./ooo";

// After any search: the grid as it was, CoupsEnCours back to its element 0, PlateauDepart the
// start position, and a found solution that the game's own rule plays down to one marble.
void VerifierFinDeRecherche(const Recherche& r, const Grille& avant, const Grille& apres) {
    EXPECT_EQ(apres, avant);
    ASSERT_EQ(r.CoupsEnCours.size(), 1u);
    EXPECT_EQ(r.CoupsEnCours[0], Coup{});
    EXPECT_EQ(r.PlateauDepart, avant);
    ASSERT_FALSE(r.Solution.empty());
    EXPECT_TRUE(r.Solution[0].Coups.empty());
    EXPECT_EQ(r.NbSolutions, static_cast<int16_t>(r.Solution.size() - 1));
    if (r.NbSolutions == 1) {
        ASSERT_FALSE(r.Solution[1].Coups.empty());
        EXPECT_EQ(r.Solution[1].Coups[0], Coup{});
        EXPECT_EQ(static_cast<int>(r.Solution[1].Coups.size()) - 1, CompterBilles(avant) - 1);
        EXPECT_EQ(RejouerAvecPartie(avant, CoupsTrouves(r)), 1);
    }
}

struct CasLimite {
    const char* nom;
    const char* position;
    int16_t solutions;
    std::vector<Coup> coups;
};

class CasLimites : public ::testing::TestWithParam<CasLimite> {};

TEST_P(CasLimites, giveTheExpectedAnswer) {
    const CasLimite& c = GetParam();
    const Grille avant = Depuis(c.position);
    Grille plateau = avant;
    Recherche r;
    Chercher(r, plateau);
    EXPECT_EQ(r.NbSolutions, c.solutions);
    EXPECT_EQ(CoupsTrouves(r), c.coups);
    VerifierFinDeRecherche(r, avant, plateau);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, CasLimites,
    ::testing::Values(
        CasLimite{"oneMarbleIsSolvedWithNoMove", ".../.../......./....o../......./.../...", 1, {}},
        CasLimite{"noMarbleHasNoSolution", ".../.../......./......./......./.../...", 0, {}},
        CasLimite{"twoMarblesThatCanJumpTakeOneMove",
                  ".../.../......./..oo.../......./.../...",
                  1,
                  {{4, 5, 3}}},
        CasLimite{"theFirstJumpInScanOrderIsKept",
                  ".../.../......./.oo..../......./.../...",
                  1,
                  {{3, 5, 3}}},
        CasLimite{
            "twoMarblesThatCannotJumpHaveNone", ".../.../......./.o.o.../......./.../...", 0, {}},
        CasLimite{
            "twoDiagonalNeighboursHaveNone", ".../.../..o..../...o.../......./.../...", 0, {}},
        CasLimite{"threeInARowHaveNone", ".../.../......./..ooo../......./.../...", 0, {}},
        CasLimite{"aPositionWithoutSolution", "ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo", 0, {}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Recherche, fromTheCentreFindsThe31MoveSolutionEndingOnTheRight) {
    Grille plateau = Depuis(kCentre);
    const Grille avant = plateau;
    Recherche r;
    Chercher(r, plateau);
    ASSERT_EQ(r.NbSolutions, 1);
    const std::vector<Coup> coups = CoupsTrouves(r);
    ASSERT_EQ(coups.size(), 31u);
    EXPECT_EQ(coups.front(), (Coup{3, 5, 3}));
    EXPECT_EQ(coups.back(), (Coup{6, 5, 3}));
    VerifierFinDeRecherche(r, avant, plateau);
}

TEST(Recherche, everyOpeningIsSolvedAndItsSolutionPlaysOutByTheRules) {
    Recherche r;
    for (Grille plateau : Ouvertures()) {
        const Grille avant = plateau;
        Chercher(r, plateau);
        EXPECT_EQ(r.NbSolutions, 1) << TexteDepuisGrille(avant);
        VerifierFinDeRecherche(r, avant, plateau);
    }
}

TEST(Recherche, randomPositionsEndSolvedByTheRulesOrWithoutSolution) {
    Recherche r;
    int trouvees = 0;
    for (Grille plateau : PositionsAleatoires(300, 5)) {
        const Grille avant = plateau;
        Chercher(r, plateau);
        trouvees += r.NbSolutions;
        VerifierFinDeRecherche(r, avant, plateau);
    }
    EXPECT_GT(trouvees, 0);
    EXPECT_LT(trouvees, 300);
}

// What the table learnt in earlier searches never changes a later answer.
TEST(Recherche, aLongLivedSearchAnswersLikeAFreshOne) {
    Recherche ancienne;
    for (Grille plateau : PositionsAleatoires(150, 9)) {
        Chercher(ancienne, plateau);
    }
    for (const Grille& position : PositionsAleatoires(150, 9)) {
        Grille a = position;
        Grille b = position;
        Recherche neuve;
        Chercher(ancienne, a);
        Chercher(neuve, b);
        ASSERT_EQ(ancienne.NbSolutions, neuve.NbSolutions) << TexteDepuisGrille(position);
        ASSERT_EQ(CoupsTrouves(ancienne), CoupsTrouves(neuve)) << TexteDepuisGrille(position);
    }
}

class Symetrie : public ::testing::TestWithParam<int> {};

// A dead position is remembered with its images: searching an image again costs no trial.
TEST_P(Symetrie, ofADeadPositionIsKnownDeadAtOnce) {
    Recherche r;
    Grille plateau = Depuis("ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo");
    Chercher(r, plateau);
    ASSERT_EQ(r.NbSolutions, 0);
    ASSERT_GT(r.NbEssais, 0);
    Grille image = Image(plateau, GetParam());
    Chercher(r, image);
    EXPECT_EQ(r.NbSolutions, 0);
    EXPECT_EQ(r.NbEssais, 0);
    EXPECT_EQ(r.Mesure.Positions, 0u);
}

INSTANTIATE_TEST_SUITE_P(LesHuit, Symetrie, ::testing::Range(0, NbSymetries));

struct CasArret {
    const char* position;
    int apres; // Ceder calls before the stop request
};

class Arret : public ::testing::TestWithParam<CasArret> {};

// The window asks to stop from inside Ceder: the search unwinds at once, with no further visit,
// and leaves no solution and the grid as it was.
TEST_P(Arret, throughCederUnwindsAtOnceAndLeavesTheGridAlone) {
    const Grille avant = Depuis(GetParam().position);
    Grille plateau = avant;
    Recherche r;
    int appels = 0;
    int apresArret = 0;
    r.Ceder = [&] {
        if (r.FinRecherche) {
            ++apresArret;
        } else if (++appels == GetParam().apres) {
            r.FinRecherche = true;
        }
    };
    Chercher(r, plateau);
    EXPECT_EQ(appels, GetParam().apres);
    EXPECT_EQ(apresArret, 0);
    EXPECT_EQ(r.NbSolutions, 0);
    EXPECT_EQ(r.Solution.size(), 1u);
    VerifierFinDeRecherche(r, avant, plateau);
}

INSTANTIATE_TEST_SUITE_P(Moments, Arret,
                         ::testing::Values(CasArret{kSansSolution, 1}, CasArret{kSansSolution, 2},
                                           CasArret{kSansSolution, 5000},
                                           CasArret{kSansSolution, 200000}, CasArret{kCentre, 1},
                                           CasArret{kCentre, 30}, CasArret{kCentre, 300}));

TEST(Recherche, stoppedByAttenteUnwindsWithTheGridUnchanged) {
    const Grille avant = Depuis(kSansSolution);
    Grille plateau = avant;
    Recherche r;
    r.Attente = [&] { r.FinRecherche = true; };
    Chercher(r, plateau);
    EXPECT_EQ(r.NbSolutions, 0);
    // Only the rest of the trials of the position being counted follow the stop.
    EXPECT_GE(r.NbEssais, Recherche::PasAttente);
    EXPECT_LT(r.NbEssais, Recherche::PasAttente + NbTrous);
    VerifierFinDeRecherche(r, avant, plateau);
}

// A search stopped half-way has proven nothing: positions it left unfinished must not be taken
// for dead by the next search.
TEST(Recherche, aStoppedSearchDoesNotSpoilTheNextOne) {
    Grille plateau = Depuis(kCentre);
    Recherche neuve;
    Chercher(neuve, plateau);
    for (const int apres : {1, 10, 100, 300}) {
        Recherche r;
        int appels = 0;
        r.Ceder = [&] {
            if (++appels == apres) {
                r.FinRecherche = true;
            }
        };
        Chercher(r, plateau);
        r.Ceder = nullptr;
        Chercher(r, plateau);
        EXPECT_EQ(r.NbSolutions, 1) << apres;
        EXPECT_EQ(CoupsTrouves(r), CoupsTrouves(neuve)) << apres;
    }
}

TEST(Recherche, hooksChangeNothingInTheAnswer) {
    Grille plateau = Depuis("ooo/ooo/ooooooo/ooooooo/oo.oooo/ooo/ooo");
    Recherche sans;
    Chercher(sans, plateau);
    Recherche avec;
    uint64_t cedes = 0;
    avec.Ceder = [&] { ++cedes; };
    avec.Attente = [] {};
    Chercher(avec, plateau);
    EXPECT_EQ(avec.NbSolutions, sans.NbSolutions);
    EXPECT_EQ(CoupsTrouves(avec), CoupsTrouves(sans));
    EXPECT_EQ(avec.NbEssais, sans.NbEssais);
    EXPECT_EQ(cedes, avec.Mesure.Positions);
}

// Attente runs each time the trial count reaches a multiple of 50,000, and sees that count.
TEST(Recherche, attenteRunsAtEveryMultipleOf50000Trials) {
    Grille plateau = Depuis("ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo");
    Recherche r;
    std::vector<double> vus;
    r.Attente = [&] { vus.push_back(r.NbEssais); };
    Chercher(r, plateau);
    ASSERT_GT(r.NbEssais, 2 * Recherche::PasAttente);
    ASSERT_EQ(vus.size(), static_cast<size_t>(r.NbEssais) / Recherche::PasAttente);
    for (size_t i = 0; i < vus.size(); ++i) {
        EXPECT_EQ(vus[i], static_cast<double>((i + 1) * Recherche::PasAttente));
    }
}

// Past 50,000,000 the count starts again from 0, at the first multiple beyond it.
TEST(Recherche, theTrialCountRestartsAfterPassing50000000) {
    Grille plateau = Depuis("ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo");
    Recherche r;
    std::vector<double> vus;
    r.Attente = [&] { vus.push_back(r.NbEssais); };
    r.Preparer();
    r.Demarrer(plateau);
    r.NbEssais = 49'999'990;
    r.ExplorerPosition(plateau);
    ASSERT_GE(vus.size(), 4u);
    EXPECT_EQ(vus[0], 50'000'000);
    EXPECT_EQ(vus[1], 0);
    EXPECT_EQ(vus[2], 50'000);
    EXPECT_EQ(vus[3], 100'000);
}

TEST(Recherche, preparerDiscardsTheLastResults) {
    Grille plateau = Depuis(kCentre);
    Recherche r;
    Chercher(r, plateau);
    ASSERT_EQ(r.Solution.size(), 2u);
    r.Preparer();
    ASSERT_EQ(r.Solution.size(), 1u);
    EXPECT_TRUE(r.Solution[0].Coups.empty());
    ASSERT_EQ(r.CoupsEnCours.size(), 1u);
    EXPECT_EQ(r.CoupsEnCours[0], Coup{});
    EXPECT_EQ(r.PlateauDepart, Grille{});
}

TEST(Recherche, demarrerCopiesOnlyThePlayableSquare) {
    Grille plateau = Depuis(kCentre);
    plateau(0, 0) = 7;
    plateau(9, 5) = 1;
    Recherche r;
    r.FinRecherche = true;
    r.NbEssais = 12;
    r.Demarrer(plateau);
    EXPECT_EQ(r.PlateauDepart, Depuis(kCentre));
    EXPECT_FALSE(r.FinRecherche);
    EXPECT_EQ(r.NbEssais, 0);
    EXPECT_EQ(r.NbSolutions, 0);
}

} // namespace
} // namespace marbello
