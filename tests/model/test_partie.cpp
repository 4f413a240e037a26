// The game's operations written as words, apart by blanks:
//   go                  CommencerPartie: the start button, or the start after a first hole
//   saute:53>55         the jump of the marble of cell (5, 3) to cell (5, 5)
//   retire:53  pose:53  a marble taken out, put in by hand
//   recule  avance      one step back, forward through the record
//   repart              the game goes on from the board as it stands
//   depuis:ooo/o.o/...  the game goes on from that board
// New words go in Operer. An unknown word, or one naming no hole or no board, throws, naming it
// and the words it was played among.

#include "model/Partie.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace marbello {
namespace {

// One word of mots played; what it said ("refus" when the step was refused), or "" when it says
// nothing.
std::string Operer(Partie& p, const std::string& mot, const std::string& mots) {
    const std::string a = mot.substr(mot.find(':') + 1);
    const auto trou = [&](size_t i, size_t fin) {
        const Cellule c = a.size() == fin ? Cellule{a[i] - '0', a[i + 1] - '0'} : Cellule{};
        if (!EstTrou(c.x, c.y)) {
            throw std::invalid_argument("« " + mot + " » : pas un trou, dans " + mots);
        }
        return c;
    };
    if (mot == "go") {
        const Annonce annonce = p.CommencerPartie();
        return annonce.legendeDepart + "|" + annonce.message;
    }
    if (mot == "recule" || mot == "avance") {
        return p.ParcourirHistorique(mot == "recule" ? Sens::Arriere : Sens::Avant)
            .value_or("refus");
    }
    if (mot == "repart") {
        p.RepartirDeLaPosition();
        return "";
    }
    if (mot.starts_with("depuis:") && GrilleDepuisTexte(a)) {
        p.RepartirDeLaPosition(*GrilleDepuisTexte(a));
        return "";
    }
    if (mot.starts_with("retire:") || mot.starts_with("pose:")) {
        mot[0] == 'r' ? p.RetirerBille(trou(0, 2)) : p.AjouterBille(trou(0, 2));
        return "";
    }
    if (mot.starts_with("saute:") && a.size() == 5 && a[2] == '>') {
        const ResultatCoup r = p.JouerCoup(trou(0, 5), trou(3, 5));
        return r.fait ? r.message : "refus";
    }
    throw std::invalid_argument("« " + mot + " » : mot inconnu, dans " + mots);
}

// Plays the words on p; returns what the last one said, then the board and "current/max" of the
// record.
std::string Jouer(Partie& p, const std::string& mots) {
    std::istringstream flux(mots);
    std::string dit;
    for (std::string mot; flux >> mot;) {
        dit = Operer(p, mot, mots);
    }
    return dit + " " + TexteDepuisGrille(p.Plateau()) + " " + std::to_string(p.CoupCourant()) +
           "/" + std::to_string(p.CoupMax());
}

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
        // Onto a marble, three away, diagonal, over a hole: each refused, none changes anything.
        {"go saute:53>55 saute:57>55 saute:24>54 saute:35>53 saute:52>54",
         "refus ooo/o.o/ooo.ooo/ooooooo/ooooooo/ooo/ooo 1/1"},
        // From a hole emptied behind the player's back.
        {"depuis:.../.../...o.../......./......./.../... saute:55>53",
         "refus .../.../...o.../......./......./.../... 0/0"},
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
         " .../.../......./......./......./.../... 0/0"},
        // A full board is no game under way: its first hole is still to choose.
        {"depuis:ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo retire:55 go",
         "Nouvelle partie| ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo 0/0"},
        {"go saute:53>55 pose:53 pose:54 repart retire:57 go",
         "Nouvelle partie| ooo/ooo/ooooooo/ooooooo/ooooooo/o.o/ooo 0/0"},
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
}

} // namespace
} // namespace marbello
