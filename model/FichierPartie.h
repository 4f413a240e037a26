#pragma once

#include "model/Grille.h"

#include <bitset>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace marbello {

inline constexpr const char* ExtensionPartie = ".Mbo";

using Billes = std::bitset<NbTrous>; // bit k: hole number k holds a marble

// The bytes of a saved game: the number of every hole holding a marble, in increasing order, each
// followed by CR LF. nullopt for a full board, which is never saved.
std::optional<std::string> TexteSauvegarde(const Grille& plateau);

// Nearest 16-bit integer, halves to the even neighbour; nullopt beyond -32768..32767.
std::optional<int16_t> Arrondi16(double valeur);

// Reads a saved game piece by piece, so that a file of any size is read in linear time and
// constant memory. Fields end at a comma or a line end (CR, LF or both); a field of blanks is
// skipped; any other field places a marble in the hole of its rounded value, when that lies in
// 0..32.
class LecteurPartie {
public:
    void Lire(std::string_view morceau);
    Billes Terminer();

private:
    void Caractere(char c);
    void FinChamp();

    enum class Etat {
        Debut,    // only blanks so far
        Signe,    // after a leading sign
        Entier,   // integer digits
        Fraction, // after the decimal point
        Exposant, // after E or D
        ExpSigne, // after the exponent's sign
        ExpChiffres,
        Esperluette, // after '&'
        Hexa,
        Octal,
        Fini, // the number has ended; the rest of the field is ignored
    };

    Billes billes_;
    Etat etat_ = Etat::Debut;
    bool contenu_ = false; // the field holds something other than blanks
    bool negatif_ = false;
    std::string chiffres_; // significant digits, capped
    int64_t decalage_ = 0; // power of ten to apply to chiffres_
    bool expNegatif_ = false;
    uint64_t exposant_ = 0;   // saturated far beyond any decalage_ a field can produce
    uint64_t entierBase_ = 0; // value of a &H or &O number, saturated
    bool baseDeborde_ = false;
};

// Every hole empty, then a marble in each hole of billes.
Grille GrilleDepuisBilles(const Billes& billes);
Billes BillesDepuisTexte(std::string_view contenu);

struct LecturePartie {
    bool ok = false;
    std::string raison; // in French, when !ok
    Billes billes;
};

// Reads a saved-game file. Never throws; a file that cannot be read gives ok == false.
LecturePartie LireFichierPartie(const std::filesystem::path& chemin);

} // namespace marbello
