#pragma once

#include "model/Grille.h"
#include "model/Partie.h"
#include "solver/Recherche.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace marbello {

// The exhaustive search with no memory, step for step: the baseline the game's search must agree
// with and is measured against. It works on the live grid, making and undoing each jump.
class RechercheLitterale : public EtatRecherche {
public:
    using Horloge = std::chrono::steady_clock;

    RechercheLitterale() { Preparer(); }

    // Set before a search to stop it at that time (checked every few thousand positions).
    std::optional<Horloge::time_point> Echeance;
    bool EcheanceAtteinte = false;
    uint64_t Essais = 0; // trials, without the wrap of NbEssais

    void Demarrer(const Grille& plateau);
    void ExplorerPosition(Grille& plateau);

private:
    void EssayerCoups(Grille& plateau, int x, int y);

    uint32_t avantHorloge_ = 0;
};

} // namespace marbello
