#pragma once

#include "model/Grille.h"

#include <cstdint>
#include <vector>

namespace marbello {

// n positions, each reached from a random single-hole opening by a random number (0 to
// coupsMax) of random legal jumps, stopping early when none is left. The same seed gives the
// same positions.
std::vector<Grille> PositionsAleatoires(int n, uint64_t graine, int coupsMax = 31);

// The 33 openings, hole 0 to hole 32 removed from the full board.
std::vector<Grille> Ouvertures();

} // namespace marbello
