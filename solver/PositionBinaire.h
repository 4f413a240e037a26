#pragma once

#include "model/Grille.h"

#include <array>
#include <cstdint>

namespace marbello {

// A position as a set of bits: cell (x, y) of the playable square is bit 7 * (x - 2) + (y - 2).
// Increasing bit order is therefore the scan order of the search (column outer, row inner), and a
// step up, down, left or right is a shift of -1, +1, -7 or +7.
using Bits = uint64_t;

constexpr int BitCase(int x, int y) {
    return 7 * (x - 2) + (y - 2);
}
constexpr Cellule CaseDuBit(int bit) {
    return {2 + bit / 7, 2 + bit % 7};
}

inline constexpr int NbSymetries = 8; // symmetry 0 is the identity

// The 33 holes alone, one bit each in scan order: the form in which positions are keyed.
using Trous = uint64_t;

constexpr Trous Compacter(Bits b) {
    return ((b >> 2) & 0x7) | (((b >> 9) & 0x7) << 3) | (((b >> 14) & 0x1FFFFF) << 6) |
           (((b >> 37) & 0x7) << 27) | (((b >> 44) & 0x7) << 30);
}
inline constexpr int NbSauts = 76; // jumps of the 33-hole cross, counted with direction

// Image of a playable cell under symmetry s of the board (rotations and reflections about the
// centre).
constexpr Cellule ImageCase(int s, Cellule c) {
    const int u = c.x - 5;
    const int v = c.y - 5;
    switch (s) {
    case 1:
        return {5 - v, 5 + u};
    case 2:
        return {5 - u, 5 - v};
    case 3:
        return {5 + v, 5 - u};
    case 4:
        return {5 - u, 5 + v};
    case 5:
        return {5 + u, 5 - v};
    case 6:
        return {5 + v, 5 + u};
    case 7:
        return {5 - v, 5 - u};
    default:
        return c;
    }
}

struct Saut {
    int8_t depart = 0; // bit of the jumping marble
    int8_t saute = 0;  // bit of the jumped marble
    int8_t arrivee = 0;
    int8_t direction = 0;
    Bits masque = 0; // the three bits a jump toggles
};

struct TablesSauts {
    Bits trous = 0;
    // Bits whose marble can jump in each direction as far as the cross goes (0 up ... 3 right).
    std::array<Bits, 4> departsPossibles{};
    std::array<std::array<int8_t, 4>, 49> indice{}; // jump number by (bit, direction), -1 if none
    std::array<Saut, NbSauts> sauts{};
    // What a jump toggles in each symmetric image of the position, in the form Trous.
    std::array<std::array<Trous, NbSymetries>, NbSauts> imagesSaut{};
    std::array<std::array<int8_t, 49>, NbSymetries> imageBit{};

    constexpr TablesSauts() {
        constexpr int dx[4] = {0, 0, -1, 1};
        constexpr int dy[4] = {-1, 1, 0, 0};
        for (auto& ligne : indice) {
            ligne.fill(-1);
        }
        for (auto& ligne : imageBit) {
            ligne.fill(-1);
        }
        int n = 0;
        for (int x = 2; x <= 8; ++x) {
            for (int y = 2; y <= 8; ++y) {
                if (!EstTrou(x, y)) {
                    continue;
                }
                const int b = BitCase(x, y);
                trous |= Bits{1} << b;
                for (int s = 0; s < NbSymetries; ++s) {
                    const Cellule i = ImageCase(s, {x, y});
                    imageBit[static_cast<size_t>(s)][static_cast<size_t>(b)] =
                        static_cast<int8_t>(BitCase(i.x, i.y));
                }
                for (int d = 0; d < 4; ++d) {
                    const int x2 = x + 2 * dx[d];
                    const int y2 = y + 2 * dy[d];
                    if (!EstTrou(x2, y2)) {
                        continue;
                    }
                    Saut& saut = sauts[static_cast<size_t>(n)];
                    saut.depart = static_cast<int8_t>(b);
                    saut.saute = static_cast<int8_t>(BitCase(x + dx[d], y + dy[d]));
                    saut.arrivee = static_cast<int8_t>(BitCase(x2, y2));
                    saut.direction = static_cast<int8_t>(d);
                    saut.masque = (Bits{1} << saut.depart) | (Bits{1} << saut.saute) |
                                  (Bits{1} << saut.arrivee);
                    departsPossibles[static_cast<size_t>(d)] |= Bits{1} << b;
                    indice[static_cast<size_t>(b)][static_cast<size_t>(d)] = static_cast<int8_t>(n);
                    ++n;
                }
            }
        }
        for (size_t j = 0; j < sauts.size(); ++j) {
            for (size_t s = 0; s < NbSymetries; ++s) {
                Bits m = 0;
                for (const int8_t b : {sauts[j].depart, sauts[j].saute, sauts[j].arrivee}) {
                    m |= Bits{1} << imageBit[s][static_cast<size_t>(b)];
                }
                imagesSaut[j][s] = Compacter(m);
            }
        }
    }
};

inline constexpr TablesSauts Tables{};

// The marbles (code 1) on the holes of the cross; every other cell is ignored.
Bits BitsDepuisGrille(const Grille& plateau);
// The board holding those marbles, every other hole empty.
Grille GrilleDepuisBits(Bits position);
Bits ImageBits(Bits position, int symetrie);
// The smallest of the 8 symmetric images in the form Trous: a position and its images share one
// key.
Trous CleCanonique(Bits position);

// Marbles that can jump in direction d (0 up, 1 down, 2 left, 3 right).
constexpr Bits DepartsSaut(Bits billes, int d) {
    const Bits vides = Tables.trous & ~billes;
    switch (d) {
    case 0:
        return billes & (billes << 1) & (vides << 2) & Tables.departsPossibles[0];
    case 1:
        return billes & (billes >> 1) & (vides >> 2) & Tables.departsPossibles[1];
    case 2:
        return billes & (billes << 7) & (vides << 14);
    default:
        return billes & (billes >> 7) & (vides >> 14);
    }
}

} // namespace marbello
