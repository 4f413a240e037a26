#pragma once

#include "solver/Recherche.h"

namespace marbello {

// The game's search as it was before the table of positions with a solution: every level is
// searched, with the same pruning and the same table of dead positions. The baseline that the
// new search is measured against and must agree with.
class RechercheSansTable : public Recherche {
public:
    RechercheSansTable() : Recherche(TablePositionsMortes::Log2SeauxParDefaut, nullptr) {}
};

} // namespace marbello
