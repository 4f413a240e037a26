#include "solver/Pagodes.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace marbello {

namespace {

int Modulo3(int n) {
    return ((n % 3) + 3) % 3;
}

// The class a single marble on that diagonal leaves, or -1 when the parities match none: either
// exactly one count is odd (that class) or exactly two are (the other one).
int ClasseUnique(const std::array<int, 3>& comptes) {
    int impairs = 0;
    int dernierImpair = -1;
    int dernierPair = -1;
    for (int c = 0; c < 3; ++c) {
        if (comptes[static_cast<size_t>(c)] % 2 != 0) {
            ++impairs;
            dernierImpair = c;
        } else {
            dernierPair = c;
        }
    }
    if (impairs == 1) {
        return dernierImpair;
    }
    if (impairs == 2) {
        return dernierPair;
    }
    return -1;
}

} // namespace

Bits CasesFinalesPossibles(Bits billes) {
    std::array<int, 3> somme{};
    std::array<int, 3> difference{};
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        if ((billes >> BitCase(c.x, c.y)) & 1) {
            ++somme[static_cast<size_t>(Modulo3(c.x + c.y))];
            ++difference[static_cast<size_t>(Modulo3(c.x - c.y))];
        }
    }
    const int a = ClasseUnique(somme);
    const int b = ClasseUnique(difference);
    Bits cases = 0;
    if (a < 0 || b < 0) {
        return cases;
    }
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        if (Modulo3(c.x + c.y) == a && Modulo3(c.x - c.y) == b) {
            cases |= Bits{1} << BitCase(c.x, c.y);
        }
    }
    return cases;
}

Marges MargesPagodes(Bits billes, Bits finales) {
    Marges marges{};
    for (size_t f = 0; f < NbMarges; ++f) {
        int seuil = INT_MAX;
        for (Bits b = finales; b != 0; b &= b - 1) {
            seuil =
                std::min<int>(seuil, Pagodes.poids[static_cast<size_t>(std::countr_zero(b))][f]);
        }
        int somme = 0;
        for (Bits b = billes; b != 0; b &= b - 1) {
            somme += Pagodes.poids[static_cast<size_t>(std::countr_zero(b))][f];
        }
        marges[f] = static_cast<int16_t>(somme - seuil);
    }
    return marges;
}

bool ExclueParPagodes(Bits billes) {
    const Bits finales = CasesFinalesPossibles(billes);
    if (finales == 0) {
        return true;
    }
    const Marges marges = MargesPagodes(billes, finales);
    return std::any_of(marges.begin(), marges.end(), [](int16_t m) { return m < 0; });
}

} // namespace marbello
