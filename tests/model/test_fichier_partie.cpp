#include "model/FichierPartie.h"
#include "model/Partie.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace marbello {
namespace {

Billes Trous(std::initializer_list<int> numeros) {
    Billes b;
    for (const int k : numeros) {
        b.set(static_cast<size_t>(k));
    }
    return b;
}

TEST(TexteSauvegarde, listsMarbleHolesInIncreasingOrderWithCrLf) {
    Grille g = GrilleDepuisBilles(Trous({16, 4}));
    EXPECT_EQ(TexteSauvegarde(g), std::string("4\r\n16\r\n"));

    Partie p;
    p.CommencerPartie();
    ASSERT_TRUE(p.JouerCoup({5, 3}, {5, 5}).fait);
    const std::string texte = TexteSauvegarde(p.Plateau).value();
    EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), 31);
    EXPECT_EQ(texte.find("\r\n4\r\n"), std::string::npos); // (5, 3) emptied
    EXPECT_EQ(texte.find("\r\n9\r\n"), std::string::npos); // (5, 4) jumped
    EXPECT_EQ(BillesDepuisTexte(texte), Trous({}).flip().reset(4).reset(9));
}

TEST(TexteSauvegarde, aFullBoardIsNeverSavedButAnEmptyOneIs) {
    Grille g;
    InitialiserPlateau(g);
    EXPECT_FALSE(TexteSauvegarde(g).has_value());
    EXPECT_EQ(TexteSauvegarde(GrilleDepuisBilles({})), std::string());
}

struct CasLecture {
    const char* nom;
    std::string contenu;
    Billes attendu;
};

class Lecture : public testing::TestWithParam<CasLecture> {};

TEST_P(Lecture, placesMarblesByTheFieldRules) {
    EXPECT_EQ(BillesDepuisTexte(GetParam().contenu), GetParam().attendu) << GetParam().nom;
}

INSTANTIATE_TEST_SUITE_P(
    Champs, Lecture,
    testing::Values(
        CasLecture{"emptyLineSkipped", "16\r\n\r\n4\r\n", Trous({4, 16})},
        CasLecture{"lfOnly", "16\n4\n", Trous({4, 16})},
        CasLecture{"crOnly", "16\r4", Trous({4, 16})},
        CasLecture{"commasAndBlanks", " 7 , 8,,  9 \t", Trous({7, 8, 9})},
        CasLecture{"halfDownToEven", "2.5", Trous({2})},
        CasLecture{"halfUpToEven", "3.5", Trous({4})},
        CasLecture{"lettersGiveHoleZero", "abc", Trous({0})},
        CasLecture{"beyondTheBoardIgnored", "40\r\n-1\r\n33", Trous({})},
        CasLecture{"minusHalfRoundsToZero", "-0.5", Trous({0})},
        CasLecture{"numberThenText", "12abc", Trous({12})},
        CasLecture{"blanksInsideANumber", "1 6", Trous({16})},
        CasLecture{"exponent", "1.6E1\r\n3d0", Trous({16, 3})},
        CasLecture{"hexAndOctal", "&H10\r\n&O7", Trous({16, 7})},
        CasLecture{"hexAllOnesIsMinusOne", "&HFFFF", Trous({})},
        CasLecture{"beyondSixteenBits", "65536\r\n99999999999999999999999\r\n32767.5", Trous({})},
        CasLecture{"hugeExponent", "1e999999999\r\n1e-999999999", Trous({0})},
        CasLecture{"exponentBeyondSixtyFourBits",
                   "1e99999999999999999999999\r\n1e-99999999999999999999999", Trous({0})},
        CasLecture{"longExponentCancelsLongFraction",
                   "0." + std::string(2'000'000, '0') + "1e2000001", Trous({1})},
        CasLecture{"longExponentCancelsLongInteger",
                   "1" + std::string(2'000'000, '0') + "e-2000000", Trous({1})},
        CasLecture{"leadingZeros", "0016\r\n00000000000000000000000000000000000000000000000001",
                   Trous({16, 1})},
        CasLecture{"listedTwice", "5\r\n5", Trous({5})}, CasLecture{"emptyFile", "", Trous({})},
        CasLecture{"binaryBytes", std::string("\x00\xff\x01,\x80\x7f", 6), Trous({0})}),
    [](const testing::TestParamInfo<CasLecture>& info) { return info.param.nom; });

TEST(Lecture, aFieldSplitAcrossReadsGivesTheSameHole) {
    LecteurPartie lecteur;
    lecteur.Lire("1");
    lecteur.Lire("6\r");
    lecteur.Lire("\n2.");
    lecteur.Lire("5");
    EXPECT_EQ(lecteur.Terminer(), Trous({16, 2}));
}

TEST(Lecture, tenMillionCommasAndAHugeNumberReadToNothing) {
    EXPECT_EQ(BillesDepuisTexte(std::string(10'000'000, ',')), Trous({}));
    EXPECT_EQ(BillesDepuisTexte(std::string(5'000'000, '9')), Trous({}));
    std::string fraction = "0." + std::string(5'000'000, '0') + "1";
    EXPECT_EQ(BillesDepuisTexte(fraction), Trous({0}));
}

TEST(Arrondi16, roundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(Arrondi16(2.5), 2);
    EXPECT_EQ(Arrondi16(3.5), 4);
    EXPECT_EQ(Arrondi16(-2.5), -2);
    EXPECT_EQ(Arrondi16(32767.4), 32767);
    EXPECT_EQ(Arrondi16(-32768.5), -32768);
    EXPECT_FALSE(Arrondi16(32767.5).has_value());
    EXPECT_FALSE(Arrondi16(-32769.0).has_value());
    EXPECT_FALSE(Arrondi16(1e300).has_value());
}

class FichierTemporaire : public testing::Test {
protected:
    void SetUp() override {
        dossier_ = std::filesystem::temp_directory_path() /
                   ("marbello-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dossier_);
    }
    void TearDown() override { std::filesystem::remove_all(dossier_); }
    std::filesystem::path dossier_;
};

TEST_F(FichierTemporaire, savedBytesReadBackAsTheSameMarbles) {
    const Grille g = GrilleDepuisBilles(Trous({0, 1, 16, 31, 32}));
    const auto chemin = dossier_ / "a.Mbo";
    std::ofstream(chemin, std::ios::binary) << TexteSauvegarde(g).value();
    const LecturePartie l = LireFichierPartie(chemin);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(GrilleDepuisBilles(l.billes), g);
}

TEST_F(FichierTemporaire, unreadableFilesAreReportedNotThrown) {
    const LecturePartie absent = LireFichierPartie(dossier_ / "absent.Mbo");
    EXPECT_FALSE(absent.ok);
    EXPECT_FALSE(absent.raison.empty());

    const LecturePartie dossier = LireFichierPartie(dossier_);
    EXPECT_FALSE(dossier.ok);
    EXPECT_FALSE(dossier.raison.empty());
}

} // namespace
} // namespace marbello
