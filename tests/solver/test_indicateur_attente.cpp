#include "solver/IndicateurAttente.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

// From its first position the grey pair turns one dot per step towards the lower numbers, and the
// dot behind it goes back to rest.
TEST(IndicateurAttente, turnsThePairOneDotPerStepAndWrapsAround) {
    IndicateurAttente indicateur;
    const PointsAttente attendus[] = {{11, 0, 1}, {10, 11, 0}, {9, 10, 11}, {8, 9, 10}};
    for (const PointsAttente& p : attendus) {
        EXPECT_EQ(indicateur.Avancer(), p);
    }
    for (int i = 0; i < 7; ++i) {
        indicateur.Avancer();
    }
    EXPECT_EQ(indicateur.Avancer(), (PointsAttente{0, 1, 2}));
    EXPECT_EQ(indicateur.Avancer(), (PointsAttente{11, 0, 1}));
}

} // namespace
} // namespace marbello
