#pragma once

#include "model/Grille.h"
#include "model/Partie.h"
#include "solver/Recherche.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace marbello {

enum class Issue { Trouvee, Aucune, Arretee };

// One search as the tools report it.
struct Resultat {
    Issue issue = Issue::Aucune;
    std::vector<Coup> coups; // the moves of the solution, without the empty element 0
    uint64_t essais = 0;
    uint64_t positions = 0; // visited, by the game's search
    double ms = 0;
};

// With the game's search, reusing its table of dead positions. Ceder reads the clock every 64
// positions, as the game's does, and stops the search after the cap (seconds) when one is given.
Resultat ResoudreAvecRecherche(Recherche& recherche, const Grille& plateau,
                               std::optional<double> plafond = std::nullopt);
// With the literal search, stopped after the cap.
Resultat ResoudreLitteralement(const Grille& plateau, std::optional<double> plafond = std::nullopt);

// "found", "none" or "stopped".
const char* NomIssue(Issue issue);
// "X,Y,D X,Y,D ...", or "-" for no move.
std::string TexteCoups(const std::vector<Coup>& coups);

// The value below which a share q (0 to 1) of the measures lie; 0 for none.
double Quantile(std::vector<double> mesures, double q);

} // namespace marbello
