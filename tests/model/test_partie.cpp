#include "model/Partie.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

constexpr const char* kOuvertureCentre = "ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo";

Grille Depuis(const char* texte) {
    const auto g = GrilleDepuisTexte(texte);
    EXPECT_TRUE(g.has_value()) << texte;
    return g.value_or(Grille{});
}

// A game under way from the centre opening.
Partie PartieCommencee() {
    Partie p;
    p.CommencerPartie();
    return p;
}

TEST(CommencerPartie, fromTheFullBoardOpensTheCentre) {
    Partie p;
    const Annonce a = p.CommencerPartie();
    EXPECT_EQ(a.legendeDepart, "Nouvelle partie");
    EXPECT_EQ(a.message, "");
    EXPECT_TRUE(p.PartieEnCours);
    EXPECT_EQ(TexteDepuisGrille(p.Plateau), kOuvertureCentre);
    EXPECT_EQ(p.Historique()[0](5, 5), CaseVide);
    EXPECT_EQ(CompterBilles(p.Plateau), 32);
}

TEST(CommencerPartie, keepsTheHoleThePlayerChose) {
    Partie p;
    RetirerBille(p.Plateau, {5, 2});
    p.CommencerPartie();
    EXPECT_EQ(p.Plateau(5, 5), CaseBille);
    EXPECT_EQ(p.Historique()[0](5, 2), CaseVide);
    EXPECT_EQ(p.Historique()[0](5, 5), CaseBille);
}

TEST(CommencerPartie, duringAGamePreparesAFreshBoard) {
    Partie p = PartieCommencee();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    const Annonce a = p.CommencerPartie();
    EXPECT_EQ(a.legendeDepart, "GO !");
    EXPECT_EQ(a.message, "Choisissez une bille à retirer");
    EXPECT_FALSE(p.PartieEnCours);
    EXPECT_EQ(CompterBilles(p.Plateau), 33);
    EXPECT_EQ(p.CoupCourant(), 0);
    EXPECT_EQ(p.CoupMax(), 0);
    EXPECT_FALSE(p.ParcourirHistorique(-1).has_value());
    EXPECT_FALSE(p.ParcourirHistorique(1).has_value());
}

TEST(JouerCoup, aLegalJumpMovesTheMarbleAndRecordsThePosition) {
    Partie p = PartieCommencee();
    const ResultatCoup r = p.JouerCoup({5, 3}, {5, 5});
    ASSERT_TRUE(r.fait);
    EXPECT_EQ(r.sautee, (Cellule{5, 4}));
    EXPECT_EQ(r.message, "Il reste 31 billes.");
    EXPECT_EQ(p.Plateau(5, 3), CaseVide);
    EXPECT_EQ(p.Plateau(5, 4), CaseVide);
    EXPECT_EQ(p.Plateau(5, 5), CaseBille);
    EXPECT_EQ(p.CoupCourant(), 1);
    EXPECT_EQ(p.CoupMax(), 1);
    EXPECT_EQ(p.Historique()[1], p.Plateau);
}

struct CoupRefuse {
    const char* nom;
    Cellule source;
    Cellule cible;
};

class CoupsRefuses : public testing::TestWithParam<CoupRefuse> {};

TEST_P(CoupsRefuses, changeNothing) {
    // Position: centre opening, then (5,3) -> (5,5): holes at (5,3) and (5,4).
    Partie p = PartieCommencee();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    const Partie avant = p;
    const ResultatCoup r = p.JouerCoup(GetParam().source, GetParam().cible);
    EXPECT_FALSE(r.fait);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(p.Plateau, avant.Plateau);
    EXPECT_EQ(p.CoupCourant(), avant.CoupCourant());
    EXPECT_EQ(p.CoupMax(), avant.CoupMax());
    EXPECT_EQ(p.Historique(), avant.Historique());
}

INSTANTIATE_TEST_SUITE_P(Regle, CoupsRefuses,
                         testing::Values(CoupRefuse{"ontoAMarble", {5, 7}, {5, 5}},
                                         CoupRefuse{"sameCell", {5, 3}, {5, 3}},
                                         CoupRefuse{"threeColumnsAway", {2, 3 + 1}, {5, 4}},
                                         CoupRefuse{"diagonal", {3, 5}, {5, 3}},
                                         CoupRefuse{"overAnEmptyHole", {5, 2}, {5, 4}},
                                         CoupRefuse{"oneCellAway", {4, 3}, {5, 3}}),
                         [](const testing::TestParamInfo<CoupRefuse>& info) {
                             return info.param.nom;
                         });

TEST(JouerCoup, lastMarbleGivesTheSuccessTextAndTwoStuckMarblesTheCount) {
    Partie p;
    p.Plateau = Depuis(".../.../...oo../......./......./.../...");
    p.PartieEnCours = true;
    const ResultatCoup r = p.JouerCoup({5, 4}, {3, 4});
    ASSERT_FALSE(r.fait); // (4,4) is empty: nothing to jump
    const ResultatCoup gagne = p.JouerCoup({6, 4}, {4, 4});
    ASSERT_TRUE(gagne.fait);
    EXPECT_EQ(gagne.message, "C'est terminé, Bravo !!!");

    Partie q;
    q.Plateau = Depuis("o../.../.oo..../......./......./.../...");
    q.PartieEnCours = true;
    EXPECT_EQ(q.JouerCoup({3, 4}, {5, 4}).message, "Il reste 2 billes.");
}

TEST(JouerCoupDeathTest, bothCellsMustBeHoles) {
    Partie p = PartieCommencee();
    EXPECT_DEBUG_DEATH(p.JouerCoup({2, 2}, {4, 2}), "EstTrou");
}

TEST(JouerCoup, aMoveAfterUndoCutsOffRedo) {
    Partie p = PartieCommencee();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    ASSERT_TRUE(p.JouerCoup({3, 4}, {5, 4}).fait);
    ASSERT_TRUE(p.JouerCoup({5, 5}, {5, 3}).fait);
    ASSERT_TRUE(p.ParcourirHistorique(-1));
    ASSERT_TRUE(p.ParcourirHistorique(-1));
    EXPECT_EQ(p.CoupCourant(), 1);
    EXPECT_EQ(p.CoupMax(), 3);
    ASSERT_TRUE(p.JouerCoup({5, 6}, {5, 4}).fait);
    EXPECT_EQ(p.CoupCourant(), 2);
    EXPECT_EQ(p.CoupMax(), 2);
    EXPECT_FALSE(p.ParcourirHistorique(1).has_value());
}

TEST(JouerCoup, theRecordGrowsPastFiftyMoves) {
    // Marbles put back by hand make a line of play longer than the 51 snapshots.
    Partie p = PartieCommencee();
    for (int i = 0; i < 60; ++i) {
        AjouterBille(p.Plateau, {5, 3});
        AjouterBille(p.Plateau, {5, 4});
        RetirerBille(p.Plateau, {5, 5});
        ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait) << i;
    }
    EXPECT_EQ(p.CoupCourant(), 60);
    EXPECT_GE(p.Historique().size(), 61U);
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(p.ParcourirHistorique(-1).has_value());
    }
    EXPECT_EQ(TexteDepuisGrille(p.Plateau), kOuvertureCentre);
    for (int i = 0; i < 60; ++i) {
        ASSERT_TRUE(p.ParcourirHistorique(1).has_value());
    }
    EXPECT_EQ(p.Plateau, p.Historique()[60]);
}

TEST(ParcourirHistorique, stepsBackAndForthThroughTheRecord) {
    Partie p = PartieCommencee();
    EXPECT_FALSE(p.ParcourirHistorique(-1).has_value());
    EXPECT_FALSE(p.ParcourirHistorique(1).has_value());
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    const Grille apres1 = p.Plateau;
    ASSERT_TRUE(p.JouerCoup({3, 4}, {5, 4}).fait);
    ASSERT_TRUE(p.JouerCoup({5, 5}, {5, 3}).fait);
    const Grille apres3 = p.Plateau;

    EXPECT_EQ(p.ParcourirHistorique(-1), "Il reste 30 billes.");
    EXPECT_EQ(p.ParcourirHistorique(-1), "Il reste 31 billes.");
    EXPECT_EQ(p.Plateau, apres1);
    EXPECT_EQ(p.ParcourirHistorique(1), "Il reste 30 billes.");
    EXPECT_EQ(p.ParcourirHistorique(1), "Il reste 29 billes.");
    EXPECT_EQ(p.Plateau, apres3);
    EXPECT_FALSE(p.ParcourirHistorique(1).has_value());
    EXPECT_EQ(p.CoupMax(), 3);
}

TEST(ParcourirHistorique, onlyMinusOneAndPlusOneAreSteps) {
    Partie p = PartieCommencee();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    ASSERT_TRUE(p.ParcourirHistorique(-1));
    const Grille avant = p.Plateau;
    for (const float sens : {0.0F, 2.0F, -2.0F, 0.5F, -0.5F}) {
        EXPECT_FALSE(p.ParcourirHistorique(sens).has_value()) << sens;
        EXPECT_EQ(p.CoupCourant(), 0);
        EXPECT_EQ(p.Plateau, avant);
    }
}

TEST(ParcourirHistorique, oneMarbleReadsTerminatedAndNoMarbleReadsZero) {
    Partie p;
    p.PartieEnCours = true;
    p.Plateau = Depuis(".../.../...oo../......./......./.../...");
    p.RepartirDeLaPosition();
    ASSERT_TRUE(p.JouerCoup({6, 4}, {4, 4}).fait);
    ASSERT_TRUE(p.ParcourirHistorique(-1));
    EXPECT_EQ(p.ParcourirHistorique(1), "C'est terminé.");

    Partie vide;
    vide.Plateau = Depuis(".../.../......./......./......./.../...");
    EXPECT_EQ(vide.RepartirDeLaPosition(), "Il reste 0 billes.");
}

TEST(RepartirDeLaPosition, makesTheShownPositionTheOnlyRecordedOne) {
    Partie p = PartieCommencee();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    ASSERT_TRUE(p.JouerCoup({3, 4}, {5, 4}).fait);
    p.Plateau = Depuis("ooo/o.o/ooooooo/ooooooo/ooooooo/ooo/ooo");
    EXPECT_EQ(p.RepartirDeLaPosition(), "Il reste 32 billes.");
    EXPECT_EQ(p.CoupCourant(), 0);
    EXPECT_EQ(p.CoupMax(), 0);
    EXPECT_EQ(p.Historique()[0], p.Plateau);
    EXPECT_FALSE(p.ParcourirHistorique(-1).has_value());
    EXPECT_FALSE(p.ParcourirHistorique(1).has_value());
    ASSERT_TRUE(p.JouerCoup({5, 5}, {5, 3}).fait);
    ASSERT_TRUE(p.ParcourirHistorique(-1));
    EXPECT_EQ(TexteDepuisGrille(p.Plateau), "ooo/o.o/ooooooo/ooooooo/ooooooo/ooo/ooo");
}

TEST(PasDirection, followsTheDirectionTable) {
    EXPECT_EQ(PasDirection(0), (Cellule{0, -1}));
    EXPECT_EQ(PasDirection(1), (Cellule{0, 1}));
    EXPECT_EQ(PasDirection(2), (Cellule{-1, 0}));
    EXPECT_EQ(PasDirection(3), (Cellule{1, 0}));
    EXPECT_FALSE(PasDirection(4).has_value());
    EXPECT_FALSE(PasDirection(-1).has_value());
}

} // namespace
} // namespace marbello
