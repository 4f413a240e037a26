// Reading time of saved games, from the file on disk to the marbles: a typical game, a 100 MB
// file of ordinary lines, a 100 MB single number and ten million commas. The files are written
// into a temporary folder (or the folder given as argument) and removed at the end. Each figure
// is the best of a few runs, so that a cold cache counts once at most.

#include "model/FichierPartie.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace marbello;

namespace {

struct Cas {
    const char* nom;
    std::string debut;
    std::string motif;
    long repetitions;
    std::string fin;
    int lecturesParMesure; // small files are read many times per measure
};

bool Ecrire(const fs::path& chemin, const Cas& cas) {
    std::ofstream fichier(chemin, std::ios::binary);
    fichier << cas.debut;
    for (long i = 0; i < cas.repetitions; ++i) {
        fichier.write(cas.motif.data(), static_cast<std::streamsize>(cas.motif.size()));
    }
    fichier << cas.fin;
    return static_cast<bool>(fichier);
}

} // namespace

int main(int argc, char** argv) {
    std::error_code erreur;
    const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path(erreur);
    const fs::path dossier = base / ("marbello-banc-lecture-" + std::to_string(::getpid()));
    if (!fs::create_directories(dossier, erreur)) {
        std::fprintf(stderr, "cannot create %s\n", dossier.c_str());
        return 1;
    }

    std::string lignes; // every hole but the centre: the start of a game, as saved
    for (int k = 0; k < NbTrous; ++k) {
        if (k != NumeroCentre) {
            lignes += std::to_string(k) + "\r\n";
        }
    }
    const long mega = 1L << 20;
    const Cas cas[] = {
        {"typical game (32 lines)", "", lignes, 1, "", 10000},
        {"100 MB of game lines", "", lignes, 100 * mega / static_cast<long>(lignes.size()), "", 1},
        {"100 MB single number", "16\r\n", std::string(mega, '9'), 100, "\r\n5\r\n", 1},
        {"10 million commas", "", std::string(1000000, ','), 10, "7", 1},
    };

    std::printf("%-26s %12s %10s %10s %7s\n", "file", "bytes", "ms", "MB/s", "marbles");
    int code = 0;
    for (const Cas& c : cas) {
        const fs::path chemin = dossier / "banc.Mbo";
        if (!Ecrire(chemin, c)) {
            std::fprintf(stderr, "cannot write %s\n", chemin.c_str());
            code = 1;
            break;
        }
        const auto octets = static_cast<double>(fs::file_size(chemin));
        double meilleur = 1e300;
        size_t billes = 0;
        for (int essai = 0; essai < 3; ++essai) {
            const auto debut = std::chrono::steady_clock::now();
            for (int i = 0; i < c.lecturesParMesure; ++i) {
                const LecturePartie lecture = LireFichierPartie(chemin);
                if (!lecture.ok) {
                    std::fprintf(stderr, "%s: %s\n", c.nom, lecture.raison.c_str());
                    code = 1;
                }
                billes = lecture.billes.count();
            }
            const std::chrono::duration<double, std::milli> duree =
                std::chrono::steady_clock::now() - debut;
            meilleur = std::min(meilleur, duree.count() / c.lecturesParMesure);
        }
        std::printf("%-26s %12.0f %10.3f %10.1f %7zu\n", c.nom, octets, meilleur,
                    octets / (1024.0 * 1024.0) / (meilleur / 1000.0), billes);
    }
    fs::remove_all(dossier, erreur);
    return code;
}
