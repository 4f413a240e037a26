// Feeds arbitrary bytes to the saved-game reader. The reader must never crash, hang or read out
// of bounds, and must give the same marbles whether a file arrives in one piece or several.
#include "model/FichierPartie.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view contenu(reinterpret_cast<const char*>(data), size);
    const marbello::Billes entier = marbello::BillesDepuisTexte(contenu);

    // Cut the same bytes at points drawn from the input itself.
    marbello::LecteurPartie lecteur;
    size_t debut = 0;
    size_t pas = size == 0 ? 1 : (data[0] % 7) + 1;
    while (debut < size) {
        const size_t longueur = std::min(pas, size - debut);
        lecteur.Lire(contenu.substr(debut, longueur));
        debut += longueur;
        pas = (pas * 5 + 3) % 11 + 1;
    }
    if (lecteur.Terminer() != entier) {
        std::abort();
    }
    // A saved position reads back as itself.
    const marbello::Grille grille = marbello::GrilleDepuisBilles(entier);
    if (const auto texte = marbello::TexteSauvegarde(grille)) {
        if (marbello::BillesDepuisTexte(*texte) != entier) {
            std::abort();
        }
    }
    return 0;
}
