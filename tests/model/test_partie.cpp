#include "OutilsPartie.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

using essais::Jouer;

// After every step the board is the record's current snapshot.
TEST(Partie, boardRecordAndMessageFollowTheSteps) {
    const std::pair<const char*, const char*> cas[] = {
        {"go", "Nouvelle partie| ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/0"},
        {"retire:58 go", "Nouvelle partie| ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/o.o 0/0"},
        {"retire:84 go", "Nouvelle partie| ooo/ooo/oooooo./ooooooo/ooooooo/ooo/ooo 0/0"},
        {"go saute:53>55 go",
         "GO !|Choisissez une bille à retirer ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"go saute:53>55 go recule", "refus ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"go saute:53>55 recule go avance", "refus ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"go saute:53>55", "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"},
        {"go saute:75>55", "Il reste 31 billes. ooo/ooo/ooooooo/oooo..o/ooooooo/ooo/ooo 1/1"},
        {"go saute:53>55 saute:57>55",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // onto a marble
        {"go saute:53>55 saute:24>54",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // three away
        {"go saute:53>55 saute:35>53",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // diagonal
        {"go saute:53>55 saute:52>54",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // over a hole
        {"depuis:.../.../...oo../......./......./.../... saute:64>44",
         "C'est terminé, Bravo !!! .../.../..o..../......./......./.../... 1/1"},
        {"depuis:o../.../.oo..../......./......./.../... saute:34>54",
         "Il reste 2 billes. o../.../...o.../......./......./.../... 1/1"},
        {"go saute:53>55 saute:34>54 saute:55>53 recule recule",
         "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/3"},
        {"go saute:53>55 recule recule", "refus ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/1"},
        {"go saute:53>55 saute:34>54 saute:55>53 recule recule avance avance",
         "Il reste 29 billes. ooo/ooo/o...ooo/ooo.ooo/ooooooo/ooo/ooo 3/3"},
        {"go saute:53>55 recule avance avance",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"},
        {"go saute:53>55 saute:34>54 recule recule saute:57>55 avance",
         "refus ooo/ooo/ooooooo/ooooooo/ooo.ooo/o.o/ooo 1/1"},
        {"depuis:.../.../...oo../......./......./.../... saute:64>44 recule avance",
         "C'est terminé. .../.../..o..../......./......./.../... 1/1"},
        {"depuis:o../.../.oo..../......./......./.../... go", // an opened game is under way
         "GO !|Choisissez une bille à retirer ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"depuis:.../.../......./......./......./.../... repart",
         "Il reste 0 billes. .../.../......./......./......./.../... 0/0"},
        {"go saute:53>55 saute:34>54 repart saute:55>53 recule recule",
         "refus ooo/o.o/o..oooo/ooooooo/ooooooo/ooo/ooo 0/1"},
    };
    for (const auto& [pas, attendu] : cas) {
        SCOPED_TRACE(pas);
        Partie p;
        EXPECT_EQ(Jouer(p, pas), attendu);
        EXPECT_TRUE(!p.PartieEnCours() || p.Historique()[size_t(p.CoupCourant())] == p.Plateau());
    }
}

TEST(PartieDeathTest, aJumpNeedsBothCellsOnTheBoard) {
    Partie p;
    p.CommencerPartie();
    EXPECT_DEBUG_DEATH(p.JouerCoup({2, 2}, {4, 2}), "EstTrou");
}

// Marbles put back by hand make a line of play longer than the 51 snapshots.
TEST(Partie, theRecordGrowsPastFiftyMoves) {
    Partie p;
    std::string pas = "go";
    std::string arriere;
    std::string avant;
    for (int i = 0; i < 60; ++i) {
        pas += " pose:53 pose:54 retire:55 saute:53>55";
        arriere += " recule";
        avant += " avance";
    }
    EXPECT_EQ(Jouer(p, pas + arriere),
              "Il reste 32 billes. ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/60");
    EXPECT_EQ(Jouer(p, avant), "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 60/60");
    EXPECT_GT(p.Historique().size(), 60U);
}

} // namespace
} // namespace marbello
