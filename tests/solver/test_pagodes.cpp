#include "Aides.h"
#include "solver/Pagodes.h"

#include <bit>
#include <gtest/gtest.h>
#include <random>

namespace marbello {
namespace {

using essais::Depuis;

class UnePagode : public ::testing::TestWithParam<int> {};

// w(from) + w(over) >= w(to) for every jump of the cross, found here from the cross itself.
TEST_P(UnePagode, noJumpRaisesTheWeightOfTheMarbles) {
    const auto& poids = PoidsPagodes[static_cast<size_t>(GetParam())];
    const int dx[4] = {0, 0, -1, 1};
    const int dy[4] = {-1, 1, 0, 0};
    int sauts = 0;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule a = CelluleBille(k);
        for (int d = 0; d < 4; ++d) {
            const int b = NumeroBille(a.x + dx[d], a.y + dy[d]);
            const int c = NumeroBille(a.x + 2 * dx[d], a.y + 2 * dy[d]);
            if (b < 0 || c < 0) {
                continue;
            }
            ++sauts;
            EXPECT_GE(poids[static_cast<size_t>(k)] + poids[static_cast<size_t>(b)],
                      poids[static_cast<size_t>(c)])
                << "jump from hole " << k << " over " << b << " to " << c;
        }
    }
    EXPECT_EQ(sauts, NbSauts);
}

INSTANTIATE_TEST_SUITE_P(LesHuit, UnePagode, ::testing::Range(0, NbPagodes));

Bits BitsDe(const char* texte) {
    return BitsDepuisGrille(Depuis(texte));
}

Bits BitsCases(std::initializer_list<Cellule> cases) {
    Bits b = 0;
    for (const Cellule c : cases) {
        b |= Bits{1} << BitCase(c.x, c.y);
    }
    return b;
}

struct CasFinales {
    const char* position;
    Bits finales;
};

class FinalesPossibles : public ::testing::TestWithParam<CasFinales> {};

TEST_P(FinalesPossibles, areTheHolesOfTheClassASingleMarbleCanEndIn) {
    EXPECT_EQ(CasesFinalesPossibles(BitsDe(GetParam().position)), GetParam().finales)
        << GetParam().position;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FinalesPossibles,
    ::testing::Values(
        // The centre opening can end in the centre or three holes away from it.
        CasFinales{"ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo",
                   BitsCases({{5, 2}, {2, 5}, {5, 5}, {8, 5}, {5, 8}})},
        // A single marble already stands in its class.
        CasFinales{"o../.../......./......./......./.../...",
                   BitsCases({{4, 2}, {7, 5}, {4, 5}, {4, 8}})},
        CasFinales{".../.../......./......./......./.../...", 0},
        // Three marbles in a row, nothing else: every diagonal count is odd.
        CasFinales{".../.../..ooo../......./......./.../...", 0},
        // The jump of the left marble over the right one ends on (6, 4).
        CasFinales{".../.../..oo.../......./......./.../...",
                   BitsCases({{6, 4}, {3, 4}, {6, 7}})}));

// The class of a position never changes along a game.
TEST(FinalesPossibles, stayTheSameAfterAnyJump) {
    std::mt19937_64 hasard(7);
    for (int essai = 0; essai < 2000; ++essai) {
        const Bits billes = hasard() & Tables.trous;
        const Bits finales = CasesFinalesPossibles(billes);
        for (int d = 0; d < 4; ++d) {
            for (Bits b = DepartsSaut(billes, d); b != 0; b &= b - 1) {
                const int saut =
                    Tables.indice[static_cast<size_t>(std::countr_zero(b))][static_cast<size_t>(d)];
                ASSERT_EQ(
                    CasesFinalesPossibles(billes ^ Tables.sauts[static_cast<size_t>(saut)].masque),
                    finales);
            }
        }
    }
}

} // namespace
} // namespace marbello
