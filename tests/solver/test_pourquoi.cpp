#include "Aides.h"
#include "bench/PositionsAleatoires.h"
#include "solver/Pourquoi.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace marbello {
namespace {

using essais::Depuis;

// The checker reads the board as cells and lines of cells, apart from the finder's bits and
// tables: what a player would check by hand.
struct Verificateur {
    const Grille& g;

    bool Bille(int x, int y) const { return g(x, y) == CaseBille; }
    int Poids(const Certificat& c, int x, int y) const {
        return c.poids[static_cast<size_t>(NumeroBille(x, y))];
    }
    // Calls f(a, b, c) on each line of three holes, both ways.
    template <typename F> void Lignes(F f) const {
        for (int x = 2; x <= 8; ++x) {
            for (int y = 2; y <= 8; ++y) {
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    if (EstTrou(x, y) && EstTrou(x + dx, y + dy) &&
                        EstTrou(x + 2 * dx, y + 2 * dy)) {
                        f(Cellule{x, y}, Cellule{x + dx, y + dy}, Cellule{x + 2 * dx, y + 2 * dy});
                    }
                }
            }
        }
    }
    // A lone marble on h shares the parities of the position's counts in both colourings, all
    // three counts of a colouring flipped or not.
    bool FinPossible(Cellule h) const {
        for (const int signe : {1, -1}) {
            std::array<int, 3> comptes{};
            for (int x = 2; x <= 8; ++x) {
                for (int y = 2; y <= 8; ++y) {
                    comptes[static_cast<size_t>(((x + signe * y) % 3 + 3) % 3)] += Bille(x, y);
                }
            }
            const int couleur = ((h.x + signe * h.y) % 3 + 3) % 3;
            int accords = 0;
            for (int k = 0; k < 3; ++k) {
                accords += comptes[static_cast<size_t>(k)] % 2 == (k == couleur ? 1 : 0);
            }
            if (accords != 0 && accords != 3) {
                return false;
            }
        }
        return true;
    }
    std::vector<int> Finales() const {
        std::vector<int> trous;
        for (int k = 0; k < NbTrous; ++k) {
            if (FinPossible(CelluleBille(k))) {
                trous.push_back(k);
            }
        }
        return trous;
    }

    void Verifier(const Certificat& c) const {
        int billes = 0;
        int sauts = 0;
        for (int k = 0; k < NbTrous; ++k) {
            billes += Bille(CelluleBille(k).x, CelluleBille(k).y);
        }
        Lignes([&](Cellule a, Cellule b, Cellule h) {
            sauts += Bille(a.x, a.y) && Bille(b.x, b.y) && !Bille(h.x, h.y);
        });
        switch (c.genre) {
        case GenrePreuve::Bloquee:
            EXPECT_GE(billes, 2);
            EXPECT_EQ(sauts, 0);
            return;
        case GenrePreuve::Classes:
            EXPECT_TRUE(Finales().empty());
            return;
        case GenrePreuve::Poids: {
            EXPECT_EQ(c.trous, Finales());
            int total = 0;
            int seuil = 1000;
            for (int k = 0; k < NbTrous; ++k) {
                const Cellule h = CelluleBille(k);
                EXPECT_GE(Poids(c, h.x, h.y), -1);
                EXPECT_LE(Poids(c, h.x, h.y), 2);
                total += Bille(h.x, h.y) ? Poids(c, h.x, h.y) : 0;
            }
            Lignes([&](Cellule a, Cellule b, Cellule h) {
                EXPECT_GE(Poids(c, a.x, a.y) + Poids(c, b.x, b.y), Poids(c, h.x, h.y));
                if (FinPossible(h)) {
                    seuil = std::min(seuil, Poids(c, a.x, a.y) + Poids(c, b.x, b.y));
                }
            });
            EXPECT_EQ(c.total, total);
            EXPECT_EQ(c.seuil, seuil);
            EXPECT_LT(total, seuil);
            return;
        }
        default:
            ADD_FAILURE() << "not a short proof";
        }
    }
};

// Each weighting of the library, read as a player reads it, lets no jump raise the weight.
TEST(Pourquoi, everyWeightingOfTheLibraryIsAPagoda) {
    const Grille vide = Depuis(".../.../......./......./......./.../...");
    const Verificateur v{vide};
    for (const auto& poids : PoidsCourts) {
        Certificat c;
        std::copy(poids.begin(), poids.end(), c.poids.begin());
        v.Lignes([&](Cellule a, Cellule b, Cellule h) {
            EXPECT_GE(v.Poids(c, a.x, a.y) + v.Poids(c, b.x, b.y), v.Poids(c, h.x, h.y));
        });
    }
}

// Every short proof over random play and arbitrary positions checks by hand, and none is claimed
// where the search finds one marble.
TEST(Pourquoi, everyShortProofChecksAndNoneIsClaimedOnAWinnablePosition) {
    std::vector<Grille> echantillon = PositionsAleatoires(300, 7);
    const std::vector<Grille> arbitraires = PositionsArbitraires(150, 7);
    echantillon.insert(echantillon.end(), arbitraires.begin(), arbitraires.end());
    Recherche recherche;
    std::map<GenrePreuve, int> vus;
    for (Grille g : echantillon) {
        const auto preuve = PreuveCourte(BitsDepuisGrille(g));
        essais::Chercher(recherche, g);
        const bool gagnable = !essais::CoupsTrouves(recherche).empty() || CompterBilles(g) == 1;
        ++vus[gagnable ? GenrePreuve::Gagnable : preuve ? preuve->genre : GenrePreuve::Recherche];
        if (preuve) {
            SCOPED_TRACE(TexteDepuisGrille(g));
            EXPECT_FALSE(gagnable);
            Verificateur{g}.Verifier(*preuve);
        }
    }
    for (const auto genre : {GenrePreuve::Gagnable, GenrePreuve::Bloquee, GenrePreuve::Classes,
                             GenrePreuve::Poids, GenrePreuve::Recherche}) {
        EXPECT_GT(vus[genre], 5) << static_cast<int>(genre);
    }
}

struct Texte {
    const char* position;
    GenrePreuve genre;
    const char* texte;
};

class TexteDuJoueur : public ::testing::TestWithParam<Texte> {};

TEST_P(TexteDuJoueur, namesTheProofAndItsFigures) {
    Recherche recherche;
    const Certificat c =
        ExpliquerPosition(BitsDepuisGrille(Depuis(GetParam().position)), recherche);
    EXPECT_EQ(c.genre, GetParam().genre);
    EXPECT_EQ(TextePreuve(c), GetParam().texte);
}

INSTANTIATE_TEST_SUITE_P(
    UnParGenre, TexteDuJoueur,
    ::testing::Values(
        Texte{".../.../......./......./......o/.o./...", GenrePreuve::Bloquee,
              "Partie perdue : il reste plusieurs billes et aucun saut n'est possible."},
        Texte{".o./..o/.o...../oo.oooo/.ooo.oo/ooo/..o", GenrePreuve::Classes,
              "Partie perdue, par la règle de trois. Colorez les trous en trois couleurs selon "
              "les diagonales, dans un sens puis dans l'autre : chaque saut retire une bille de "
              "deux couleurs et en ajoute une à la troisième, donc les parités des trois comptes "
              "changent ensemble. Ici, aucun trou n'a les couleurs que devrait avoir une "
              "dernière bille seule."},
        Texte{".../.../......./......o/....ooo/.../...", GenrePreuve::Poids,
              "Partie perdue, par les poids. Chaque trou porte un poids tel qu'aucun saut "
              "n'augmente le total des billes. La dernière bille ne peut finir que sur un trou "
              "cerclé, et le dernier saut y arrive depuis deux billes qui pèsent au moins 2. Vos "
              "billes pèsent 0 en tout : c'est trop peu."},
        Texte{".../.../......./....o../...o.../.o./..o", GenrePreuve::Recherche,
              "Partie perdue, sans preuve courte : la recherche a essayé toutes les suites de "
              "coups depuis cette position (3 positions) et aucune ne laisse une seule bille."},
        Texte{"ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo", GenrePreuve::Gagnable,
              "Cette position peut encore mener à une seule bille."}));

} // namespace
} // namespace marbello
