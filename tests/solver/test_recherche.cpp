#include "Aides.h"
#include "bench/PositionsAleatoires.h"
#include "bench/RechercheLitterale.h"
#include "bench/Resolution.h"
#include "solver/Recherche.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;
using essais::Depuis;
using essais::Rejouer;

constexpr const char* kSansSolution = "ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo";
// With a solution found after dead positions of 25 marbles or more.
constexpr const char* kAvecMortes = "ooo/o.o/ooooooo/oo.oo.o/.oooooo/oo./ooo";
// Without solution, of 17 marbles: proven by a short search.
constexpr const char* kMorteCourte = ".oo/.oo/.o.o..o/o...o.o/o..ooo./..o/.oo";

// After any search: the grid as it was, CoupsEnCours back to its element 0, PlateauDepart the
// start position, and a found solution that the game's own rule plays down to one marble.
void VerifierFinDeRecherche(const Recherche& r, const Grille& avant, const Grille& apres) {
    EXPECT_EQ(apres, avant);
    EXPECT_EQ(r.CoupsEnCours, std::vector<Coup>(1));
    EXPECT_EQ(r.PlateauDepart, avant);
    ASSERT_EQ(r.Solution.size(), static_cast<size_t>(r.NbSolutions) + 1);
    EXPECT_TRUE(r.Solution[0].Coups.empty());
    if (r.NbSolutions == 1) {
        EXPECT_EQ(r.Solution[1].Coups.front(), Coup{});
        EXPECT_EQ(CompterBilles(Rejouer(avant, CoupsTrouves(r))), 1);
    }
}

// Each case: the position, and the moves found as TexteCoups writes them, "-" when there are none,
// nullptr when there is no solution.
TEST(Recherche, edgeCasesGiveTheExpectedAnswer) {
    const std::pair<const char*, const char*> cas[] = {
        {".../.../......./....o../......./.../...", "-"}, // solved with no move
        {".../.../......./......./......./.../...", nullptr},
        {".../.../......./.oo..../......./.../...", "3,5,3"}, // the first jump in scan order
        {".../.../......./.o.o.../......./.../...", nullptr}, // two that cannot jump
        {"ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo", nullptr},
    };
    for (const auto& [position, coups] : cas) {
        SCOPED_TRACE(position);
        const Grille avant = Depuis(position);
        Grille plateau = avant;
        Recherche r;
        Chercher(r, plateau);
        EXPECT_EQ(r.NbSolutions, coups != nullptr ? 1 : 0);
        EXPECT_EQ(TexteCoups(CoupsTrouves(r)), coups != nullptr ? coups : "-");
        VerifierFinDeRecherche(r, avant, plateau);
    }
}

// A dead position searched again is answered from memory, without a visit. Each search counts its
// own trials: the counter shown is the number of trials made.
TEST(Recherche, aDeadPositionSearchedAgainIsAnsweredFromMemory) {
    Recherche r;
    Grille plateau = Depuis(kMorteCourte);
    for (const bool deja : {false, true}) {
        Chercher(r, plateau);
        EXPECT_EQ(r.Mesure.Positions == 0, deja);
        EXPECT_EQ(r.NbEssais, static_cast<double>(r.Mesure.Essais));
        EXPECT_EQ(r.NbSolutions, 0);
    }
}

// The window asks to stop from inside Ceder: the search unwinds at once, with no further visit,
// leaves no solution and the grid as it was, and what it left unfinished does not count as dead
// in the next search.
TEST(Recherche, aStopThroughCederUnwindsAtOnceAndSpoilsNothing) {
    const Grille avant = Depuis(kAvecMortes);
    Recherche neuve;
    Grille plateau = avant;
    Chercher(neuve, plateau);
    for (const int moment : {1, 2, 300, 3000}) {
        Recherche r(TablePositionsMortes::Log2SeauxParDefaut, nullptr);
        int appels = 0;
        int apresArret = 0;
        r.Ceder = [&] {
            apresArret += r.FinRecherche ? 1 : 0;
            r.FinRecherche = r.FinRecherche || ++appels == moment;
        };
        Chercher(r, plateau);
        EXPECT_EQ(appels, moment);
        EXPECT_EQ(apresArret, 0);
        EXPECT_EQ(r.NbSolutions, 0);
        VerifierFinDeRecherche(r, avant, plateau);
        r.Ceder = nullptr;
        Chercher(r, plateau);
        EXPECT_EQ(CoupsTrouves(r), CoupsTrouves(neuve)) << moment;
    }
}

// Attente runs once per 50,000 trials made, at each multiple of 50,000 that the count reaches; past
// 50,000,000 the count starts again from 0, so it never goes beyond 50,050,000.
TEST(Recherche, attenteRunsOncePer50000TrialsMade) {
    for (const double depart : {0.0, 49'999'990.0}) {
        Grille plateau = Depuis(kSansSolution);
        Recherche r(TablePositionsMortes::Log2SeauxParDefaut, nullptr);
        std::vector<double> vus;
        r.Attente = [&] { vus.push_back(r.NbEssais); };
        r.Preparer();
        r.Demarrer(plateau);
        r.NbEssais = depart;
        r.ExplorerPosition(plateau);
        const auto faits = static_cast<uint64_t>(depart) + r.Mesure.Essais;
        EXPECT_EQ(vus.size(), faits / Recherche::PasAttente -
                                  static_cast<uint64_t>(depart) / Recherche::PasAttente);
        ASSERT_GT(vus.size(), 2U);
        for (const double vu : vus) {
            EXPECT_EQ(std::fmod(vu, Recherche::PasAttente), 0) << vu;
            EXPECT_LE(vu, Recherche::RemiseAZero + Recherche::PasAttente) << vu;
        }
    }
}

// Wherever the literal search ends within a bound of work, the game's search gives the same
// answer and the same solution: the openings, positions on the way of each opening's solution
// (all solvable) and small positions reached by random play. One search object
// answers them all: what its tables learnt before changes no answer. Every opening is solved by
// the rules.
TEST(RechercheLitterale, agreesWithTheGameSearch) {
    std::vector<Grille> positions;
    Recherche r;
    for (Grille ouverture : Ouvertures()) {
        positions.push_back(ouverture);
        Chercher(r, ouverture);
        EXPECT_EQ(CompterBilles(essais::Rejouer(ouverture, CoupsTrouves(r))), 1);
        for (int v = 16; v <= 28; v += 6) {
            ASSERT_TRUE(Avancer(r, v, positions.emplace_back()));
        }
    }
    for (const Grille& g : PositionsAleatoires(600, 3)) {
        if (CompterBilles(g) <= 16) {
            positions.push_back(g);
        }
    }
    int comparees = 0;
    int trouvees = 0;
    for (Grille plateau : positions) {
        RechercheLitterale litterale;
        uint64_t visites = 0;
        litterale.Ceder = [&] { litterale.FinRecherche = ++visites > 100'000; };
        Chercher(litterale, plateau);
        if (visites > 100'000) {
            continue;
        }
        ++comparees;
        Chercher(r, plateau);
        ASSERT_EQ(CoupsTrouves(r), CoupsTrouves(litterale)) << TexteDepuisGrille(plateau);
        ASSERT_EQ(r.NbSolutions, litterale.NbSolutions) << TexteDepuisGrille(plateau);
        trouvees += r.NbSolutions;
    }
    EXPECT_GT(comparees, 200);
    EXPECT_GT(trouvees, 60);
    EXPECT_LT(trouvees, comparees);
}

} // namespace
} // namespace marbello
