#include "solver/TablePositionsMortes.h"

#include <gtest/gtest.h>

namespace marbello {
namespace {

// Keys are stored exactly: every kept key is found, and no other, even when the table is full
// and refuses keys; forgotten keys are gone and the table fills again.
TEST(TablePositionsMortes, findsEveryKeyItKeptAndNoOther) {
    TablePositionsMortes table; // room for 2^19 buckets of 16 keys
    EXPECT_FALSE(table.Contient(5));
    EXPECT_EQ(table.PremierSeau(table.Adresser(5)), nullptr); // no memory before the first key
    const Trous nb = table.Capacite() + table.Capacite() / 8;
    for (Trous cle = 0; cle < nb; ++cle) {
        table.Ajouter(cle * 3);
    }
    EXPECT_LE(table.Entrees(), table.Capacite());
    EXPECT_EQ(table.Entrees() + table.Refusees(), nb);
    size_t trouvees = 0;
    size_t etrangeres = 0;
    for (Trous cle = 0; cle < nb; ++cle) {
        trouvees += table.Contient(cle * 3) ? 1 : 0;
        etrangeres += table.Contient(cle * 3 + 1) ? 1 : 0;
    }
    EXPECT_EQ(trouvees, table.Entrees());
    EXPECT_EQ(etrangeres, 0u);
    table.Oublier();
    EXPECT_EQ(table.Entrees() + table.Refusees(), 0u);
    EXPECT_FALSE(table.Contient(3));
    table.Ajouter(42);
    EXPECT_TRUE(table.Contient(42));
    EXPECT_EQ(table.Entrees(), 1u);
}

} // namespace
} // namespace marbello
