// marbello-solve [--literal] [--cap SECONDS] FILE...
// Searches from each saved game, with the game's search or with --literal the literal one, either
// stopped after the cap when one is given, and prints one tab-separated line per file:
//   FILE found N X,Y,D ... trials=T ms=M  (N moves; "-" for none, a single marble being solved)
//   FILE none 0 - trials=T ms=M | FILE stopped 0 - trials=T ms=M | FILE error REASON
// Exit status 0 when every file could be read, 1 otherwise, 2 for a wrong command line.

#include "bench/Resolution.h"
#include "model/FichierPartie.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using namespace marbello;

namespace {

int Usage() {
    std::fputs("usage: marbello-solve [--literal] [--cap SECONDS] FILE...\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool litterale = false;
    std::optional<double> plafond;
    std::vector<std::string> fichiers;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--literal") {
            litterale = true;
        } else if (arg == "--cap") {
            if (++i >= argc) {
                return Usage();
            }
            char* fin = nullptr;
            const double s = std::strtod(argv[i], &fin);
            if (fin == argv[i] || *fin != '\0' || !(s >= 0)) {
                return Usage();
            }
            plafond = s;
        } else if (arg == "--") {
            fichiers.insert(fichiers.end(), argv + i + 1, argv + argc);
            break;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Usage();
        } else {
            fichiers.push_back(arg);
        }
    }
    if (fichiers.empty()) {
        return Usage();
    }

    Recherche recherche;
    int statut = 0;
    for (const std::string& fichier : fichiers) {
        const LecturePartie lecture = LireFichierPartie(fichier);
        if (!lecture.ok) {
            std::printf("%s\terror\t%s\n", fichier.c_str(), lecture.raison.c_str());
            std::fflush(stdout);
            statut = 1;
            continue;
        }
        const Grille plateau = GrilleDepuisBilles(lecture.billes);
        const Resultat r = litterale ? ResoudreLitteralement(plateau, plafond)
                                     : ResoudreAvecRecherche(recherche, plateau, plafond);
        std::printf("%s\t%s\t%zu\t%s\ttrials=%llu\tms=%.3f\n", fichier.c_str(), NomIssue(r.issue),
                    r.coups.size(), TexteCoups(r.coups).c_str(),
                    static_cast<unsigned long long>(r.essais), r.ms);
        std::fflush(stdout);
    }
    return statut;
}
