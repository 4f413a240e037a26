#include "model/FichierPartie.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace marbello {
namespace {

Billes Trous(std::initializer_list<int> numeros) {
    Billes b;
    for (const int k : numeros) {
        b.set(size_t(k));
    }
    return b;
}

TEST(Sauvegarde, listsTheMarbleHolesInIncreasingOrderWithCrLf) {
    const auto octets = [](const char* plateau) {
        return TexteSauvegarde(GrilleDepuisTexte(plateau).value());
    };
    EXPECT_EQ(octets("..o/.../...oo../......./......./.../o.."), "2\r\n9\r\n10\r\n30\r\n");
    EXPECT_EQ(octets(".../.../......./......./......./.../..."), "");
    EXPECT_EQ(octets("ooo/ooo/ooooooo/ooooooo/ooooooo/ooo/ooo"), std::nullopt); // never saved
}

// Fields end at a comma or a line end; each places a marble in the hole of its rounded value.
TEST(Lecture, placesMarblesByTheFieldRules) {
    const std::pair<std::string, Billes> cas[] = {
        {"16\r\n\r\n4\r\n", Trous({4, 16})},
        {"16\n4\n", Trous({4, 16})},
        {"16\r4", Trous({4, 16})},
        {" 7 , 8,,  9 \t", Trous({7, 8, 9})},
        {"1 6", Trous({16})},
        {"2.5\r\n3.5\r\n-0.5", Trous({0, 2, 4})},
        {".29e2", Trous({29})},
        {"1.6e1\r\n1900E-2\r\n3d1\r\n1D1", Trous({10, 16, 19, 30})},
        {"16000000000000000000e-18", Trous({16})},
        {"abc", Trous({0})},
        {"12abc", Trous({12})},
        {"1e1x1", Trous({10})},
        {"40\r\n-1\r\n33", Trous({})},
        {"&HA,&h1f,&H19", Trous({10, 25, 31})},
        {"&H1:", Trous({1})},
        {"&O17,&021,&7", Trous({7, 15, 17})},
        {"&x5", Trous({0})},
        {"&HFFFF,&HFFFFFFFF,&H100000010,65536,32767.5", Trous({})},
        {"1e999999999\r\n1e-999999999", Trous({0})},
        {"1e99999999999999999999999\r\n1e-99999999999999999999999", Trous({0})},
        {"0." + std::string(2'000'000, '0') + "1e2000001", Trous({1})},
        {"1" + std::string(2'000'000, '0') + "e-2000000", Trous({1})},
        {"0016\r\n" + std::string(50, '0') + "1", Trous({1, 16})},
        {std::string("\x00\xff\x01,\x80\x7f", 6), Trous({0})},
        {std::string(10'000'000, ',') + "7", Trous({7})},
        {std::string(5'000'000, '9'), Trous({})},
        {"0." + std::string(5'000'000, '0') + "1", Trous({0})},
    };
    for (const auto& [contenu, attendu] : cas) {
        EXPECT_EQ(BillesDepuisTexte(contenu), attendu) << contenu.substr(0, 40);
    }
    // A file is read in pieces: a field may straddle two of them.
    LecteurPartie lecteur;
    for (const char* morceau : {"1", "6\r", "\n2.", "5"}) {
        lecteur.Lire(morceau);
    }
    EXPECT_EQ(lecteur.Terminer(), Trous({16, 2}));
}

TEST(Lecture, aFileIsReadOrWhyNotSaid) {
    const std::filesystem::path dossier = testing::TempDir();
    const auto chemin = dossier / ("marbello-" + std::to_string(::getpid()) + ".Mbo");
    std::ofstream(chemin, std::ios::binary) << "0\r\n16\r\n32\r\n";
    const LecturePartie lue = LireFichierPartie(chemin);
    std::filesystem::remove(chemin);
    EXPECT_TRUE(lue.ok && lue.billes == Trous({0, 16, 32}));
    EXPECT_EQ(LireFichierPartie(chemin).raison, "Cette partie n'existe plus.");
    EXPECT_EQ(LireFichierPartie(dossier).raison, "Ce nom désigne un dossier, pas une partie.");
    EXPECT_EQ(LireFichierPartie("/proc/self/mem").raison, "Impossible de lire cette partie.");
}

} // namespace
} // namespace marbello
