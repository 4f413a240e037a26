#pragma once

#include "model/Grille.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marbello {

// A jump: the marble at (X, Y) jumps in Direction 0 up, 1 down, 2 left or 3 right.
struct Coup {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Direction = 0;
    friend bool operator==(const Coup&, const Coup&) = default;
};

// Step (dx, dy) of a direction code; nullopt for a code outside 0..3.
std::optional<Cellule> PasDirection(int32_t direction);

inline constexpr const char* TexteGo = "GO";
inline constexpr const char* TexteGoRelance = "GO !";
inline constexpr const char* TexteNouvellePartie = "Nouvelle partie";
inline constexpr const char* TexteChoisir = "Choisissez une bille à retirer";
inline constexpr const char* TexteBravo = "C'est terminé, Bravo !!!";
inline constexpr const char* TexteTermine = "C'est terminé.";

// "Il reste N billes.", or the success text when one marble is left.
std::string MessageApresCoup(int billes);
// "Il reste N billes.", or "C'est terminé." when one marble is left (redisplay, undo, redo).
std::string MessageCompte(int billes);

struct ResultatCoup {
    bool fait = false;
    Cellule sautee;      // the cell that was jumped, when the move was made
    std::string message; // for the message line, when the move was made
};

// What the window shows after CommencerPartie: the start button's caption and the message line.
struct Annonce {
    std::string legendeDepart;
    std::string message;
};

// A step through the record: one move back or one forward.
enum class Sens { Arriere = -1, Avant = 1 };

// The board and the record of one game. Invariant, kept by the class alone:
// 0 <= CoupCourant <= CoupMax < Historique.size(), and after every move, undo, redo and restart
// the board equals snapshot CoupCourant. Marbles added or removed by hand are recorded by the next
// move or restart. The record grows past 50 moves when marbles added by hand make a longer line of
// play.
class Partie {
public:
    static constexpr int TailleHistoriqueInitiale = 51;

    Partie();

    const Grille& Plateau() const { return plateau_; }
    // A first hole has been opened and moves may be made.
    bool PartieEnCours() const { return partieEnCours_; }
    int32_t CoupCourant() const { return coupCourant_; }
    int32_t CoupMax() const { return coupMax_; }
    const std::vector<Grille>& Historique() const { return historique_; }

    // Starts the game (opening the centre when no hole is empty), or prepares a new one when a
    // game is under way. The caller has already refused it during a search.
    Annonce CommencerPartie();

    // The jump from source to cible, judged by the rule of a move made with the mouse: a marble
    // at source, a marble between, an empty hole at cible. A refused move changes nothing.
    // Precondition: both cells are holes (checked in debug builds).
    ResultatCoup JouerCoup(Cellule source, Cellule cible);

    // A marble put in or taken out by hand. Precondition: c is a hole.
    void AjouterBille(Cellule c);
    void RetirerBille(Cellule c);

    // One step through the record. Returns the message to show, or nullopt when the step is
    // refused (nothing changed).
    std::optional<std::string> ParcourirHistorique(Sens sens);

    // The game goes on from the board as it stands (a built position) or from position (an
    // opened or pasted game, a replayed solution): snapshot 0 is the board and both counters are
    // 0. It is under way unless every hole holds a marble: then the first hole is still to choose.
    void RepartirDeLaPosition();
    void RepartirDeLaPosition(const Grille& position);

private:
    // Copies the playable square into snapshot n and returns its marble count.
    int EnregistrerPosition(int n);

    Grille plateau_;
    bool partieEnCours_ = false;
    int32_t coupCourant_ = 0;
    int32_t coupMax_ = 0;
    std::vector<Grille> historique_;
};

} // namespace marbello
