#pragma once

// The game's operations written as words, apart by blanks, for the model's tests:
//   go                  CommencerPartie: the start button, or the start after a first hole
//   saute:53>55         the jump of the marble of cell (5, 3) to cell (5, 5)
//   retire:53  pose:53  a marble taken out, put in by hand
//   recule  avance      one step back, forward through the record
//   repart              the game goes on from the board as it stands
//   depuis:ooo/o.o/...  the game goes on from that board
// New words go in Operer. An unknown word or a cell that is no hole throws, naming the word.

#include "model/Partie.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace marbello::essais {

// The cell written from mot[debut] on, two digits.
inline Cellule CaseEcrite(const std::string& mot, size_t debut) {
    const Cellule c = mot.size() >= debut + 2 && (mot.size() == debut + 2 || mot[debut + 2] == '>')
                          ? Cellule{mot[debut] - '0', mot[debut + 1] - '0'}
                          : Cellule{};
    if (!EstTrou(c.x, c.y)) {
        throw std::invalid_argument("pas un trou dans « " + mot + " »");
    }
    return c;
}

// One word played; what it said ("refus" when the step was refused), or "" when it says nothing.
inline std::string Operer(Partie& p, const std::string& mot) {
    if (mot == "go") {
        const Annonce a = p.CommencerPartie();
        return a.legendeDepart + "|" + a.message;
    }
    if (mot == "recule" || mot == "avance") {
        return p.ParcourirHistorique(mot == "recule" ? Sens::Arriere : Sens::Avant)
            .value_or("refus");
    }
    if (mot == "repart") {
        return p.RepartirDeLaPosition();
    }
    if (mot.starts_with("depuis:")) {
        const auto plateau = GrilleDepuisTexte(mot.substr(7));
        if (!plateau) {
            throw std::invalid_argument("plateau illisible « " + mot + " »");
        }
        return p.RepartirDeLaPosition(*plateau);
    }
    if (mot.starts_with("retire:") || mot.starts_with("pose:")) {
        const Cellule c = CaseEcrite(mot, mot.find(':') + 1);
        mot[0] == 'r' ? p.RetirerBille(c) : p.AjouterBille(c);
        return "";
    }
    if (mot.starts_with("saute:") && mot.size() == 11 && mot[8] == '>') {
        const ResultatCoup r = p.JouerCoup(CaseEcrite(mot, 6), CaseEcrite(mot, 9));
        return r.fait ? r.message : "refus";
    }
    throw std::invalid_argument("mot inconnu « " + mot + " »");
}

// Plays the words on p; returns what the last one said, then the board and "current/max" of the
// record.
inline std::string Jouer(Partie& p, const std::string& mots) {
    std::istringstream flux(mots);
    std::string dit;
    for (std::string mot; flux >> mot;) {
        dit = Operer(p, mot);
    }
    return dit + " " + TexteDepuisGrille(p.Plateau()) + " " + std::to_string(p.CoupCourant()) +
           "/" + std::to_string(p.CoupMax());
}

} // namespace marbello::essais
