#pragma once

#include "model/Grille.h"
#include "solver/PositionBinaire.h"

#include <cstdint>
#include <string>
#include <vector>

namespace marbello {

// n positions, each reached from a random single-hole opening by a random number (0 to
// coupsMax) of random legal jumps, stopping early when none is left. The same seed gives the
// same positions.
std::vector<Grille> PositionsAleatoires(int n, uint64_t graine, int coupsMax = 31);

// n positions whose marble count is drawn uniformly from billesMin..billesMax, then the holes
// that hold them, every set of that size being equally likely. The same seed gives the same
// positions.
std::vector<Grille> PositionsArbitraires(int n, uint64_t graine, int billesMin = 18,
                                         int billesMax = 31);

// The positions of at least billesMin marbles that some single-hole opening reaches, one for
// each class of symmetric images, ordered by their smallest image (CleCanonique).
std::vector<Grille> PositionsAtteignables(int billesMin);

// The 33 openings, hole 0 to hole 32 removed from the full board.
std::vector<Grille> Ouvertures();

struct Ensemble {
    std::string nom;
    std::vector<Grille> positions;
};

// marbello-bench's three sets: the benchmark set (the 33 openings, four positions without
// solution and nbAleatoires positions of PositionsAleatoires), nbArbitraires positions of
// PositionsArbitraires, and the reachable positions without solution of 26 marbles or more, one
// per class of symmetric images. Empty when the table of positions with a solution is missing.
std::vector<Ensemble> EnsemblesDuBanc(int nbAleatoires, int nbArbitraires, uint64_t graine);

} // namespace marbello
