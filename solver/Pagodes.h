#pragma once

#include "model/Grille.h"
#include "solver/PositionBinaire.h"

#include <array>
#include <cstdint>

namespace marbello {

// Weightings of the 33 holes, in hole-number order, for which no jump raises the sum over the
// marbles: w(depart) + w(saute) >= w(arrivee). A position whose sum is below the smallest weight of
// the holes where its last marble could stand cannot be reduced to one marble.
inline constexpr int NbPagodes = 8;
inline constexpr std::array<std::array<int, NbTrous>, NbPagodes> PoidsPagodes{{
    {-7, 0, -7, 8, 1, 7, 1, 0, 1, 1, 0, 1, 1, 0,  7, 7, 0,
     7,  0, 7,  1, 1, 0, 1, 0, 1, 1, 7, 1, 7, -7, 0, -7},
    {0, 0, 0, 0,  8, 1, -8, 8, 0, 8,  1, 7, -6, 0, 0, 0, 0,
     0, 0, 0, -8, 8, 0, 8,  1, 7, -6, 0, 8, 1,  0, 0, 0},
    {-8, 0, -8, 8, 1, 8, -1, 1, 0, 1, 0, 1, -1, 8,  0, 8, 0,
     8,  8, 2,  1, 1, 0, 1,  0, 1, 1, 8, 0, 8,  -8, 1, -8},
    {-7, 5, -7, 7,  0, 7, -5, 5, 0, 5,  0, 5, -5, 4,  4, 7, 4,
     7,  2, 8,  -2, 2, 0, 2,  1, 3, -2, 7, 2, 8,  -7, 0, -7},
    {-14, 0,  -14, 15, 1, 16, -1, 2, 1, 1, 2,  3, 0,  1,   15, 16, 2,
     14,  14, 0,   0,  0, 0,  0,  0, 0, 0, 16, 2, 14, -16, 2,  -14},
    {1, 8, -1, 1,  0, 1, -8, 8, 0, 8,  0, 8, -8, 0, 1, 1, 0,
     1, 1, 0,  -8, 8, 0, 8,  0, 8, -8, 1, 0, 1,  1, 8, -1},
    {-13, 3, -16, 15, 1, 16, 1, 1, 2, 3,  0,  3, -3, 8,   6, 13, 4,
     16,  4, 12,  -7, 7, 0,  7, 0, 7, -7, 13, 4, 16, -13, 3, -16},
    {0, 8, -8, 0, 8, 8, 1, 1, 0, 1, 0, 1, 1, 1, 8, 0, 8,
     8, 1, 8,  0, 0, 0, 0, 0, 0, 0, 0, 8, 8, 0, 8, -8},
}};

// Every weighting read under every symmetry of the board, itself a pagoda weighting since a
// symmetry maps jumps to jumps: lane f = 8 * weighting + symmetry.
inline constexpr int NbMarges = NbPagodes * NbSymetries;
using Marges = std::array<int16_t, NbMarges>;

struct TablesPagodes {
    std::array<Marges, 49> poids{}; // by bit, then lane
    // What each jump adds to each sum (never more than 0).
    alignas(16) std::array<Marges, NbSauts> ecarts{};

    constexpr TablesPagodes() {
        for (int b = 0; b < 49; ++b) {
            const Cellule c = CaseDuBit(b);
            if (!EstTrou(c.x, c.y)) {
                continue;
            }
            for (size_t p = 0; p < NbPagodes; ++p) {
                for (size_t s = 0; s < NbSymetries; ++s) {
                    const Cellule image = ImageCase(static_cast<int>(s), c);
                    const auto trou = static_cast<size_t>(NumeroBille(image.x, image.y));
                    poids[static_cast<size_t>(b)][8 * p + s] =
                        static_cast<int16_t>(PoidsPagodes[p][trou]);
                }
            }
        }
        for (size_t j = 0; j < NbSauts; ++j) {
            const Saut& s = Tables.sauts[j];
            for (size_t f = 0; f < NbMarges; ++f) {
                ecarts[j][f] = static_cast<int16_t>(poids[static_cast<size_t>(s.arrivee)][f] -
                                                    poids[static_cast<size_t>(s.depart)][f] -
                                                    poids[static_cast<size_t>(s.saute)][f]);
            }
        }
    }
};

inline constexpr TablesPagodes Pagodes{};

// Holes where the last marble of a position can stand, as bits. Each jump changes by one the
// number of marbles on each of the three diagonal classes (x + y) mod 3, and likewise for
// (x - y) mod 3, so the parities of those counts, up to flipping all three, never change; a
// single marble fixes them. 0 when no single-marble position shares them: the position is dead.
Bits CasesFinalesPossibles(Bits billes);

// Lane by lane, the weight of the marbles minus the smallest weight of the holes `finales` where
// the last marble could stand: a negative lane proves the position dead. A jump adds its ecarts.
Marges MargesPagodes(Bits billes, Bits finales);

// True when the classes or a pagoda weighting prove that no single marble can be left: the tests
// the search makes before it looks further.
bool ExclueParPagodes(Bits billes);

} // namespace marbello
