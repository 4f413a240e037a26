#include "model/Partie.h"

#include <gtest/gtest.h>
#include <sstream>

namespace marbello {
namespace {

// Plays the steps on a fresh game, apart by blanks: a board as text is put in place as a game under
// way, "53" empties cell (5, 3) and "o53" fills it, "*" starts a game, "53>55" jumps from (5, 3)
// to (5, 5), "-" and "+" step back and forward, "=" starts the record afresh. Returns what the
// last step gave ("refus" when it was refused), then the board and "current/max" of the record.
std::string Jouer(Partie& p, const std::string& pas) {
    std::istringstream flux(pas);
    std::string dit;
    for (std::string mot; flux >> mot;) {
        const Cellule c{mot[0] - '0', mot[1] - '0'};
        if (mot.find('/') != std::string::npos) {
            p.RepartirDeLaPosition(GrilleDepuisTexte(mot).value());
        } else if (mot == "*") {
            const Annonce a = p.CommencerPartie();
            dit = a.legendeDepart + "|" + a.message;
        } else if (mot == "-" || mot == "+") {
            dit = p.ParcourirHistorique(mot == "-" ? Sens::Arriere : Sens::Avant).value_or("refus");
        } else if (mot == "=") {
            dit = p.RepartirDeLaPosition();
        } else if (mot.size() == 2) {
            p.RetirerBille(c);
        } else if (mot[0] == 'o') {
            p.AjouterBille({mot[1] - '0', mot[2] - '0'});
        } else {
            const ResultatCoup r = p.JouerCoup(c, {mot[3] - '0', mot[4] - '0'});
            dit = r.fait ? r.message : "refus";
        }
    }
    return dit + " " + TexteDepuisGrille(p.Plateau()) + " " + std::to_string(p.CoupCourant()) +
           "/" + std::to_string(p.CoupMax());
}

// After every step the board is the record's current snapshot.
TEST(Partie, boardRecordAndMessageFollowTheSteps) {
    const std::pair<const char*, const char*> cas[] = {
        {"*", "Nouvelle partie| ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/0"},
        {"58 *", "Nouvelle partie| ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/o.o 0/0"},
        {"84 *", "Nouvelle partie| ooo/ooo/oooooo./ooooooo/ooooooo/ooo/ooo 0/0"},
        {"* 53>55 *",
         "GO !|Choisissez une bille à retirer ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"* 53>55 * -", "refus ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"* 53>55 - * +", "refus ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo 0/0"},
        {"* 53>55", "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"},
        {"* 75>55", "Il reste 31 billes. ooo/ooo/ooooooo/oooo..o/ooooooo/ooo/ooo 1/1"},
        {"* 53>55 57>55", "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // onto a marble
        {"* 53>55 24>54", "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // three away
        {"* 53>55 35>53", "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // diagonal
        {"* 53>55 52>54", "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"}, // over a hole
        {".../.../...oo../......./......./.../... 64>44",
         "C'est terminé, Bravo !!! .../.../..o..../......./......./.../... 1/1"},
        {"o../.../.oo..../......./......./.../... 34>54",
         "Il reste 2 billes. o../.../...o.../......./......./.../... 1/1"},
        {"* 53>55 34>54 55>53 - -",
         "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/3"},
        {"* 53>55 - -", "refus ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/1"},
        {"* 53>55 34>54 55>53 - - + +",
         "Il reste 29 billes. ooo/ooo/o...ooo/ooo.ooo/ooooooo/ooo/ooo 3/3"},
        {"* 53>55 - + +", "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"},
        {"* 53>55 34>54 - - 57>55 +", "refus ooo/ooo/ooooooo/ooooooo/ooo.ooo/o.o/ooo 1/1"},
        {".../.../...oo../......./......./.../... 64>44 - +",
         "C'est terminé. .../.../..o..../......./......./.../... 1/1"},
        {".../.../......./......./......./.../... =",
         "Il reste 0 billes. .../.../......./......./......./.../... 0/0"},
        {"* 53>55 34>54 = 55>53 - -", "refus ooo/o.o/o..oooo/ooooooo/ooooooo/ooo/ooo 0/1"},
    };
    for (const auto& [pas, attendu] : cas) {
        Partie p;
        EXPECT_EQ(Jouer(p, pas), attendu) << pas;
        EXPECT_TRUE(!p.PartieEnCours() || p.Historique()[size_t(p.CoupCourant())] == p.Plateau())
            << pas;
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
    std::string pas = "*";
    std::string arriere;
    std::string avant;
    for (int i = 0; i < 60; ++i) {
        pas += " o53 o54 55 53>55";
        arriere += " -";
        avant += " +";
    }
    EXPECT_EQ(Jouer(p, pas + arriere),
              "Il reste 32 billes. ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/60");
    EXPECT_EQ(Jouer(p, avant), "Il reste 31 billes. ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 60/60");
    EXPECT_GT(p.Historique().size(), 60U);
}

} // namespace
} // namespace marbello
