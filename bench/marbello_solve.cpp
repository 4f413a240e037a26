// marbello-solve [--literal] [--cap SECONDS] FILE...
// Searches from each saved game, with the game's search or with --literal the literal one, either
// stopped after the cap when one is given, and prints one tab-separated line per file:
//   FILE found N X,Y,D ... trials=T ms=M  (N moves; "-" for none, a single marble being solved)
//   FILE none 0 - trials=T ms=M | FILE stopped 0 - trials=T ms=M | FILE error REASON
// Exit status 0 when every file could be read, 1 otherwise, 2 for a wrong command line.
//
// marbello-solve --pourquoi [BOARD...]
// Why each board (a text such as ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo, from the arguments or
// else one per line of standard input) is lost, as one JSON line: "position", "gagnable", for a
// lost one "preuve" ("bloquee", "classes", "poids" or "recherche"), for "poids" "trous" (hole
// numbers 0 to 32 in reading order), "poids" (the 33 weights), "total" and "seuil", for
// "recherche" "positions", and always "texte". Exit status 1 when a text is not a board.

#include "bench/Resolution.h"
#include "model/FichierPartie.h"
#include "solver/Pourquoi.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

using namespace marbello;

namespace {

int Usage() {
    std::fputs("usage: marbello-solve [--literal] [--cap SECONDS] FILE...\n"
               "       marbello-solve --pourquoi [BOARD...]\n",
               stderr);
    return 2;
}

std::string Json(const std::string& texte) {
    std::string j = "\"";
    for (const char c : texte) {
        if (c == '"' || c == '\\') {
            j += '\\';
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            continue;
        }
        j += c;
    }
    return j + "\"";
}

template <typename T> std::string Liste(const T& nombres) {
    std::string l = "[";
    for (const int n : nombres) {
        l += (l.size() > 1 ? "," : "") + std::to_string(n);
    }
    return l + "]";
}

const char* NomPreuve(GenrePreuve genre) {
    switch (genre) {
    case GenrePreuve::Bloquee:
        return "bloquee";
    case GenrePreuve::Classes:
        return "classes";
    case GenrePreuve::Poids:
        return "poids";
    default:
        return "recherche";
    }
}

bool Expliquer(const std::string& texte, Recherche& recherche) {
    const auto plateau = GrilleDepuisTexte(texte);
    if (!plateau) {
        std::fprintf(stderr, "marbello-solve: not a board: %s\n", texte.c_str());
        return false;
    }
    const Certificat c = ExpliquerPosition(BitsDepuisGrille(*plateau), recherche);
    std::string ligne = "{\"position\":" + Json(texte) +
                        ",\"gagnable\":" + (c.genre == GenrePreuve::Gagnable ? "true" : "false");
    if (c.genre != GenrePreuve::Gagnable) {
        ligne += ",\"preuve\":\"" + std::string(NomPreuve(c.genre)) + "\"";
    }
    if (c.genre == GenrePreuve::Poids) {
        ligne += ",\"trous\":" + Liste(c.trous) + ",\"poids\":" + Liste(c.poids) +
                 ",\"total\":" + std::to_string(c.total) + ",\"seuil\":" + std::to_string(c.seuil);
    }
    if (c.genre == GenrePreuve::Recherche) {
        ligne += ",\"positions\":" + std::to_string(c.positions);
    }
    ligne += ",\"texte\":" + Json(TextePreuve(c)) + "}";
    std::puts(ligne.c_str());
    std::fflush(stdout);
    return true;
}

int Pourquoi(int argc, char** argv) {
    Recherche recherche;
    bool tous = true;
    if (argc > 2) {
        for (int i = 2; i < argc; ++i) {
            tous = Expliquer(argv[i], recherche) && tous;
        }
    } else {
        std::string ligne;
        while (std::getline(std::cin, ligne)) {
            if (!ligne.empty()) {
                tous = Expliquer(ligne, recherche) && tous;
            }
        }
    }
    return tous ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--pourquoi") {
        return Pourquoi(argc, argv);
    }
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
