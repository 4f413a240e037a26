#include "Aides.h"
#include "bench/PositionsAleatoires.h"
#include "solver/Pagodes.h"
#include "solver/Recherche.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace marbello {
namespace {

using essais::Chercher;
using essais::CoupsTrouves;

// Entries of the built-in table, one for each number of marbles from 28 down to 22, a position
// solved after dead ones of 25 marbles or more, and positions of 22 to 27 marbles that the pagodas
// let through, proven by the search without the table: the table's answer is the search's, and
// with the table the search finds the same first solution, with no more work.
TEST(TableResolubles, answersAsTheSearchWithoutIt) {
    const TableResolubles* table = TableIntegree();
    ASSERT_NE(table, nullptr);
    std::vector<Grille> positions{essais::Depuis("ooo/o.o/ooooooo/oo.oo.o/.oooooo/oo./ooo")};
    for (const char* morte :
         {"o.o/ooo/o.ooo.o/ooooooo/ooo.o.o/ooo/ooo", "ooo/ooo/o.o.o.o/ooo.ooo/ooooo.o/ooo/o.o",
          "o.o/ooo/o.o..oo/ooooooo/o..oooo/ooo/o.o", "oo./o.o/o.o.ooo/ooooo.o/ooooo.o/.oo/o.o",
          "ooo/oo./oo..oo./.o.oo.o/ooooooo/.o./ooo", "o.o/oo./o.o.ooo/oo....o/o..oooo/ooo/ooo",
          "ooo/oo./oo.oooo/o....o./.ooo.oo/.oo/.oo"}) {
        positions.push_back(essais::Depuis(morte));
    }
    for (const Grille& g : PositionsArbitraires(60, 22, 22, 27)) {
        if (!ExclueParPagodes(BitsDepuisGrille(g))) {
            positions.push_back(g);
        }
    }
    int trouvees = 0;
    for (const Grille& position : positions) {
        Recherche avec;
        Recherche sans(TablePositionsMortes::Log2SeauxParDefaut, nullptr);
        Grille a = position;
        Grille b = position;
        Chercher(avec, a);
        Chercher(sans, b);
        ASSERT_EQ(table->Resoluble(BitsDepuisGrille(position)), sans.NbSolutions == 1)
            << TexteDepuisGrille(position);
        ASSERT_EQ(CoupsTrouves(avec), CoupsTrouves(sans)) << TexteDepuisGrille(position);
        EXPECT_LE(avec.Mesure.Positions, sans.Mesure.Positions) << TexteDepuisGrille(position);
        EXPECT_LE(avec.Mesure.Essais, sans.Mesure.Essais) << TexteDepuisGrille(position);
        trouvees += sans.NbSolutions;
    }
    EXPECT_EQ(trouvees, static_cast<int>(positions.size()) - 7);
}

// Words without the layout that their lengths give, or a file whose header is not this table's or
// whose length is not the one it gives, are not a table: the search then goes without.
TEST(TableResolubles, refusesWordsOrAFileOfAnotherLayout) {
    std::vector<uint64_t> mots = TableResolubles::Ecrire({});
    const std::vector<unsigned char> fichier = TableResolubles::EcrireFichier(mots);
    EXPECT_EQ(TableResolubles::LireFichier(fichier), mots);
    const auto refuse = [&](const char* quoi, auto&& changer) {
        std::vector<unsigned char> octets = fichier;
        changer(octets);
        EXPECT_EQ(TableResolubles::LireFichier(octets), std::nullopt) << quoi;
    };
    refuse("magic", [](auto& o) { o[1] = 'A'; });
    refuse("version", [](auto& o) { ++o[8]; });
    refuse("length", [](auto& o) { ++o[16]; });
    refuse("short", [](auto& o) { o.pop_back(); });
    refuse("long", [](auto& o) { o.insert(o.end(), 8, 0); });
    refuse("header cut", [](auto& o) { o.resize(20); });
    refuse("byte-swapped", [](auto& o) {
        for (auto mot = o.begin() + 8; mot != o.end(); mot += 8) {
            std::reverse(mot, mot + 8);
        }
    });
    EXPECT_TRUE(TableResolubles::Lire(mots).has_value());
    mots[NbTrous] = 1; // the full board, whose list then lacks its words
    EXPECT_FALSE(TableResolubles::Lire(mots).has_value());
    mots[NbTrous] = 2; // more positions than there are
    EXPECT_FALSE(TableResolubles::Lire(mots).has_value());
    mots[NbTrous] = 0;
    mots.push_back(0);
    EXPECT_FALSE(TableResolubles::Lire(mots).has_value());
    mots.resize(NbTrous);
    EXPECT_FALSE(TableResolubles::Lire(mots).has_value());
}

// Universe, and chance in a thousand of each value to be listed.
using Densite = std::pair<uint64_t, uint64_t>;

class ListesCompactes : public ::testing::TestWithParam<Densite> {};

// Every value is found exactly when it was listed, at any density: without low bits when more
// than half the values are listed, with long runs of empty high parts when few are.
TEST_P(ListesCompactes, holdExactlyTheirValues) {
    const auto [univers, pourMille] = GetParam();
    std::mt19937_64 hasard(univers + pourMille);
    std::vector<uint64_t> valeurs;
    for (uint64_t v = 0; v < univers; ++v) {
        if (hasard() % 1000 < pourMille) {
            valeurs.push_back(v);
        }
    }
    const std::vector<uint64_t> mots = ListeCompacte::Encoder(valeurs, univers);
    ASSERT_EQ(mots.size(), ListeCompacte::Disposer(univers, valeurs.size()).Mots());
    const ListeCompacte liste(univers, valeurs.size(), mots);
    size_t suivante = 0;
    for (uint64_t v = 0; v < univers + 2; ++v) {
        const bool listee = suivante < valeurs.size() && valeurs[suivante] == v;
        suivante += listee ? 1 : 0;
        ASSERT_EQ(liste.Contient(v), listee) << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Densites, ListesCompactes,
                         ::testing::Values(Densite{0, 0}, Densite{1, 1000}, Densite{3000, 0},
                                           Densite{3000, 1000}, Densite{3000, 400},
                                           Densite{5000, 700}, Densite{70000, 150},
                                           Densite{400000, 1}));

} // namespace
} // namespace marbello
