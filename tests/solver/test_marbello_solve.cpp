// The command-line tool, run as a user would: its lines and its exit status.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Sortie {
    std::string texte;
    int statut = -1;
};

Sortie Lancer(const std::string& arguments) {
    Sortie s;
    const std::string commande = std::string(MARBELLO_SOLVE) + " " + arguments + " 2>/dev/null";
    FILE* tube = popen(commande.c_str(), "r");
    if (tube == nullptr) {
        return s;
    }
    std::array<char, 4096> tampon{};
    size_t lu = 0;
    while ((lu = std::fread(tampon.data(), 1, tampon.size(), tube)) > 0) {
        s.texte.append(tampon.data(), lu);
    }
    const int etat = pclose(tube);
    s.statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : -1;
    return s;
}

class MarbelloSolve : public ::testing::Test {
protected:
    void SetUp() override {
        dossier = fs::temp_directory_path() / ("marbello-solve-" + std::to_string(getpid()));
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }

    // A saved game holding these hole numbers.
    std::string Partie(const std::string& nom, std::initializer_list<int> trous) {
        const fs::path chemin = dossier / nom;
        std::ofstream f(chemin, std::ios::binary);
        for (const int k : trous) {
            f << k << "\r\n";
        }
        return chemin.string();
    }

    std::string Centre() {
        std::ofstream f(dossier / "centre.Mbo", std::ios::binary);
        for (int k = 0; k < 33; ++k) {
            if (k != 16) {
                f << k << "\r\n";
            }
        }
        return (dossier / "centre.Mbo").string();
    }

    fs::path dossier;
};

TEST_F(MarbelloSolve, printsTheSolutionOfEachFileOnOneTabSeparatedLine) {
    const std::string centre = Centre();
    const std::string deux = Partie("deux.Mbo", {15, 16}); // (4, 5) and (5, 5)
    const std::string une = Partie("une.Mbo", {16});
    const Sortie s = Lancer(centre + " " + deux + " " + une);
    EXPECT_EQ(s.statut, 0);
    std::istringstream lignes(s.texte);
    std::string ligne;
    ASSERT_TRUE(std::getline(lignes, ligne));
    EXPECT_EQ(ligne.rfind(centre + "\tfound\t31\t3,5,3 4,3,1 ", 0), 0u) << ligne;
    EXPECT_NE(ligne.find(" 6,5,3\ttrials="), std::string::npos) << ligne;
    EXPECT_NE(ligne.find("\tms="), std::string::npos) << ligne;
    ASSERT_TRUE(std::getline(lignes, ligne));
    EXPECT_EQ(ligne.rfind(deux + "\tfound\t1\t4,5,3\ttrials=", 0), 0u) << ligne;
    ASSERT_TRUE(std::getline(lignes, ligne));
    EXPECT_EQ(ligne.rfind(une + "\tfound\t0\t-\ttrials=1\tms=", 0), 0u) << ligne;
    EXPECT_FALSE(std::getline(lignes, ligne));
}

TEST_F(MarbelloSolve, literalSearchCountsItsTrials) {
    const Sortie s = Lancer("--literal " + Centre());
    EXPECT_EQ(s.statut, 0);
    EXPECT_NE(s.texte.find("\tfound\t31\t3,5,3 "), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find("\ttrials=98375\tms="), std::string::npos) << s.texte;
}

TEST_F(MarbelloSolve, reportsNoneAndStoppedSearches) {
    const std::string aucune = Partie("aucune.Mbo", {14, 15, 16});
    // ooo/ooo/oo..ooo/oooo..o/oooo..o/oo./ooo: the literal search runs for ages.
    const std::string longue =
        Partie("longue.Mbo", {0,  1,  2,  3,  4,  5,  6,  7,  10, 11, 12, 13, 14,
                              15, 16, 19, 20, 21, 22, 23, 26, 27, 28, 30, 31, 32});
    const Sortie s = Lancer("--literal --cap 0.05 " + aucune + " " + longue);
    EXPECT_EQ(s.statut, 0);
    EXPECT_NE(s.texte.find(aucune + "\tnone\t0\t-\ttrials="), std::string::npos) << s.texte;
    EXPECT_NE(s.texte.find(longue + "\tstopped\t0\t-\ttrials="), std::string::npos) << s.texte;
}

TEST_F(MarbelloSolve, aFileThatCannotBeReadIsAnErrorAndTheOthersStillRun) {
    const std::string absente = (dossier / "absente.Mbo").string();
    const std::string une = Partie("une.Mbo", {16});
    const Sortie s = Lancer(absente + " " + une);
    EXPECT_EQ(s.statut, 1);
    EXPECT_NE(s.texte.find(absente + "\terror\tCette partie n'existe plus.\n"), std::string::npos)
        << s.texte;
    EXPECT_NE(s.texte.find(une + "\tfound\t0\t-"), std::string::npos) << s.texte;
}

TEST_F(MarbelloSolve, aWrongCommandLineIsRefused) {
    EXPECT_EQ(Lancer("").statut, 2);
    EXPECT_EQ(Lancer("--cap").statut, 2);
    EXPECT_EQ(Lancer("--cap abc " + Centre()).statut, 2);
    EXPECT_EQ(Lancer("--verbose " + Centre()).statut, 2);
}

} // namespace
