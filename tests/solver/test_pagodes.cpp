#include "Aides.h"
#include "solver/Pagodes.h"

#include <bit>
#include <gtest/gtest.h>

namespace marbello {
namespace {

using essais::Depuis;

class UnePagode : public ::testing::TestWithParam<int> {};

// w(from) + w(over) >= w(to) for each of the 76 jumps of the cross.
TEST_P(UnePagode, noJumpRaisesTheWeightOfTheMarbles) {
    const auto& poids = PoidsPagodes[static_cast<size_t>(GetParam())];
    const auto w = [&](int bit) {
        const Cellule c = CaseDuBit(bit);
        return poids[static_cast<size_t>(NumeroBille(c.x, c.y))];
    };
    for (const Saut& s : Tables.sauts) {
        EXPECT_GE(w(s.depart) + w(s.saute), w(s.arrivee)) << int{s.depart} << " " << int{s.saute};
    }
}

INSTANTIATE_TEST_SUITE_P(LesHuit, UnePagode, ::testing::Range(0, NbPagodes));

class FinalesPossibles : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

// The second board marks the holes where the last marble of the first can stand.
TEST_P(FinalesPossibles, areTheHolesOfTheClassASingleMarbleCanEndIn) {
    EXPECT_EQ(CasesFinalesPossibles(BitsDepuisGrille(Depuis(GetParam().first))),
              BitsDepuisGrille(Depuis(GetParam().second)))
        << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FinalesPossibles,
    ::testing::Values(
        // The centre opening can end in the centre or three holes away from it.
        std::pair{"ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo",
                  ".o./.../......./o..o..o/......./.../.o."},
        // A single marble already stands in its class.
        std::pair{"o../.../......./......./......./.../...",
                  "o../.../......./..o..o./......./.../o.."},
        std::pair{".../.../......./......./......./.../...",
                  ".../.../......./......./......./.../..."},
        // Three marbles in a row, nothing else: every diagonal count is odd.
        std::pair{".../.../..ooo../......./......./.../...",
                  ".../.../......./......./......./.../..."},
        // The jump of the left marble over the right one ends on (6, 4).
        std::pair{".../.../..oo.../......./......./.../...",
                  ".../.../.o..o../......./......./..o/..."}));

} // namespace
} // namespace marbello
