#include "solver/TablePositionsMortes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace marbello {
namespace {

constexpr Trous MasqueTrous = (Trous{1} << 33) - 1;

TEST(TablePositionsMortes, findsEveryKeyItKeptAndNoOther) {
    TablePositionsMortes table;
    std::mt19937_64 hasard(11);
    std::vector<Trous> gardees;
    for (int i = 0; i < 200'000; ++i) {
        gardees.push_back(hasard() & MasqueTrous);
        table.Ajouter(gardees.back());
    }
    for (const Trous cle : gardees) {
        ASSERT_TRUE(table.Contient(cle)) << cle;
    }
    // Keys one bit away from kept ones share most of their bits, the likeliest to be confused.
    std::sort(gardees.begin(), gardees.end());
    int fausses = 0;
    for (const Trous cle : gardees) {
        for (const int bit : {0, 13, 32}) {
            const Trous voisine = cle ^ (Trous{1} << bit);
            if (!std::binary_search(gardees.begin(), gardees.end(), voisine)) {
                fausses += table.Contient(voisine) ? 1 : 0;
            }
        }
    }
    EXPECT_EQ(fausses, 0);
}

TEST(TablePositionsMortes, whenFullRefusesKeysWithoutEverClaimingOne) {
    TablePositionsMortes table; // room for 2^19 buckets of 16 keys
    const Trous nb = table.Capacite() + table.Capacite() / 8;
    for (Trous cle = 0; cle < nb; ++cle) {
        table.Ajouter(cle);
    }
    EXPECT_EQ(table.Entrees() + table.Refusees(), nb);
    EXPECT_GT(table.Refusees(), 0u);
    EXPECT_LE(table.Entrees(), table.Capacite());
    size_t trouvees = 0;
    for (Trous cle = 0; cle < nb; ++cle) {
        trouvees += table.Contient(cle) ? 1 : 0;
    }
    EXPECT_EQ(trouvees, table.Entrees());
    size_t etrangeres = 0;
    for (Trous cle = nb; cle < 2 * nb; ++cle) {
        etrangeres += table.Contient(cle) ? 1 : 0;
    }
    EXPECT_EQ(etrangeres, 0u);
}

TEST(TablePositionsMortes, forgetsEverythingAndFillsAgain) {
    TablePositionsMortes table;
    for (Trous cle = 1; cle <= 1000; ++cle) {
        table.Ajouter(cle * 7919);
    }
    table.Oublier();
    EXPECT_EQ(table.Entrees(), 0u);
    for (Trous cle = 1; cle <= 1000; ++cle) {
        ASSERT_FALSE(table.Contient(cle * 7919));
    }
    table.Ajouter(42);
    EXPECT_TRUE(table.Contient(42));
    EXPECT_EQ(table.Entrees(), 1u);
}

TEST(TablePositionsMortes, takesNoMemoryBeforeItsFirstKey) {
    const TablePositionsMortes table;
    EXPECT_FALSE(table.Contient(5));
    EXPECT_EQ(table.PremierSeau(table.Adresser(5)), nullptr);
}

} // namespace
} // namespace marbello
