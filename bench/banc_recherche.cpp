// marbello-bench [--cap SECONDS] [--random N] [--seed S] [--detail]
//
// The game's search against the literal one over a fixed set: the 33 single-hole openings, four
// positions without any solution, and N positions reached by random legal play from random
// openings (fixed seed). Each search of ours runs in a child process of its own, so that its time,
// trials and peak memory are those of a fresh start; the literal search is stopped after the cap.
// A last pass runs the whole set through one search object, whose table of dead positions then
// lives for the whole run.

#include "bench/PositionsAleatoires.h"
#include "bench/Resolution.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace marbello;

namespace {

struct Cas {
    std::string nom;
    Grille plateau;
    bool aleatoire = false;
};

struct Mesure {
    Resultat resultat;
    double cpuMs = 0;
    long picKo = 0; // peak resident memory of the process, in KiB
    uint64_t entrees = 0;
};

std::string Texte(const Grille& g) {
    return TexteDepuisGrille(g);
}

std::vector<Cas> Ensemble(int nbAleatoires, uint64_t graine) {
    std::vector<Cas> cas;
    int k = 0;
    for (const Grille& g : Ouvertures()) {
        cas.push_back({"ouverture " + CleCase(CelluleBille(k++)), g});
    }
    for (const char* morte :
         {"ooo/ooo/oo..ooo/oooo..o/oooo..o/oo./ooo", "ooo/ooo/ooooooo/o.o.ooo/o....oo/oo./ooo",
          "ooo/ooo/oooo.oo/o.oo.oo/oooo..o/o../ooo", "ooo/o.o/ooo.ooo/o.ooooo/oo..ooo/..o/ooo"}) {
        cas.push_back({std::string("sans solution ") + morte, *GrilleDepuisTexte(morte)});
    }
    int i = 0;
    for (const Grille& g : PositionsAleatoires(nbAleatoires, graine)) {
        char nom[32];
        std::snprintf(nom, sizeof nom, "hasard %04d", ++i);
        cas.push_back({nom, g, true});
    }
    return cas;
}

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool ToutEcrire(int fd, const void* donnees, size_t n) {
    const auto* p = static_cast<const char*>(donnees);
    while (n > 0) {
        const ssize_t e = write(fd, p, n);
        if (e <= 0) {
            return false;
        }
        p += e;
        n -= static_cast<size_t>(e);
    }
    return true;
}

bool ToutLire(int fd, void* donnees, size_t n) {
    auto* p = static_cast<char*>(donnees);
    while (n > 0) {
        const ssize_t l = read(fd, p, n);
        if (l <= 0) {
            return false;
        }
        p += l;
        n -= static_cast<size_t>(l);
    }
    return true;
}

// Our search from a fresh process: the figures are those of a program that has just started.
Mesure MesurerDansUnFils(const Grille& plateau) {
    struct Entete {
        int issue;
        int nbCoups;
        uint64_t essais;
        double ms;
        double cpuMs;
        uint64_t entrees;
    };
    int tube[2];
    if (pipe(tube) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    std::fflush(stdout);
    const pid_t fils = fork();
    if (fils == 0) {
        close(tube[0]);
        Recherche recherche;
        const double cpu0 = CpuMs();
        const Resultat r = ResoudreAvecRecherche(recherche, plateau);
        const Entete e{static_cast<int>(r.issue),
                       static_cast<int>(r.coups.size()),
                       r.essais,
                       r.ms,
                       CpuMs() - cpu0,
                       recherche.PositionsMortes().Entrees()};
        const bool ok = ToutEcrire(tube[1], &e, sizeof e) &&
                        ToutEcrire(tube[1], r.coups.data(), r.coups.size() * sizeof(Coup));
        _exit(ok ? 0 : 1);
    }
    close(tube[1]);
    Mesure m;
    Entete e{};
    const bool lu = ToutLire(tube[0], &e, sizeof e);
    if (lu) {
        m.resultat.coups.resize(static_cast<size_t>(e.nbCoups));
        ToutLire(tube[0], m.resultat.coups.data(), m.resultat.coups.size() * sizeof(Coup));
    }
    close(tube[0]);
    int statut = 0;
    rusage usage{};
    wait4(fils, &statut, 0, &usage);
    if (!lu || !WIFEXITED(statut) || WEXITSTATUS(statut) != 0) {
        std::fprintf(stderr, "the measuring process failed\n");
        std::exit(2);
    }
    m.resultat.issue = static_cast<Issue>(e.issue);
    m.resultat.essais = e.essais;
    m.resultat.ms = e.ms;
    m.cpuMs = e.cpuMs;
    m.entrees = e.entrees;
    m.picKo = usage.ru_maxrss;
    return m;
}

double Quantile(std::vector<double> v, double q) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const auto i = static_cast<size_t>(std::lround(q * static_cast<double>(v.size() - 1)));
    return v[std::min(i, v.size() - 1)];
}

void Distribution(const char* titre, const std::vector<double>& v, const char* unite) {
    std::printf("  %-34s n=%-5zu min %9.3f  median %9.3f  p90 %9.3f  p99 %9.3f  max %9.3f %s\n",
                titre, v.size(), Quantile(v, 0), Quantile(v, 0.5), Quantile(v, 0.9),
                Quantile(v, 0.99), Quantile(v, 1), unite);
}

int Usage() {
    std::fputs("usage: marbello-bench [--cap SECONDS] [--random N] [--seed S] [--detail]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    double plafond = 1.0;
    int nbAleatoires = 1000;
    uint64_t graine = 20240601;
    bool detail = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cap" && i + 1 < argc) {
            plafond = std::atof(argv[++i]);
        } else if (arg == "--random" && i + 1 < argc) {
            nbAleatoires = std::atoi(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            graine = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--detail") {
            detail = true;
        } else {
            return Usage();
        }
    }

    const std::vector<Cas> cas = Ensemble(nbAleatoires, graine);
    std::printf("%zu positions; literal search capped at %.3f s; seed %llu\n\n", cas.size(),
                plafond, static_cast<unsigned long long>(graine));
    std::printf("%-52s %2s | %-7s %13s %10s | %-5s %11s %9s %9s %8s %8s | %s\n", "position", "n",
                "literal", "trials", "ms", "ours", "trials", "ms", "cpu ms", "peak MB", "entries",
                "same");

    std::vector<double> msNotre;
    std::vector<double> cpuNotre;
    std::vector<double> msAleatoire;
    std::vector<double> cpuAleatoire;
    std::vector<double> msLitteralAleatoire;
    std::vector<double> gains;
    long picKo = 0;
    int desaccords = 0;
    int litteralFini = 0;
    int litteralFiniAleatoire = 0;
    int trouvees = 0;
    int trouveesAleatoire = 0;
    const Cas* pire = nullptr;
    double pireMs = -1;
    for (const Cas& c : cas) {
        const Mesure notre = MesurerDansUnFils(c.plateau);
        const Resultat litteral = ResoudreLitteralement(c.plateau, plafond);
        const bool fini = litteral.issue != Issue::Arretee;
        const bool meme =
            litteral.issue == notre.resultat.issue && litteral.coups == notre.resultat.coups;
        if (fini) {
            ++litteralFini;
            litteralFiniAleatoire += c.aleatoire ? 1 : 0;
            desaccords += meme ? 0 : 1;
            gains.push_back(litteral.ms / std::max(notre.resultat.ms, 1e-3));
        }
        msNotre.push_back(notre.resultat.ms);
        cpuNotre.push_back(notre.cpuMs);
        picKo = std::max(picKo, notre.picKo);
        trouvees += notre.resultat.issue == Issue::Trouvee ? 1 : 0;
        if (c.aleatoire) {
            msAleatoire.push_back(notre.resultat.ms);
            cpuAleatoire.push_back(notre.cpuMs);
            msLitteralAleatoire.push_back(litteral.ms);
            trouveesAleatoire += notre.resultat.issue == Issue::Trouvee ? 1 : 0;
        }
        if (notre.resultat.ms > pireMs) {
            pireMs = notre.resultat.ms;
            pire = &c;
        }
        if (!c.aleatoire || detail) {
            const std::string nom = c.aleatoire ? c.nom + " " + Texte(c.plateau) : c.nom;
            std::printf(
                "%-52s %2d | %-7s %13llu %10.1f | %-5s %11llu %9.3f %9.3f %8.1f %8llu | %s\n",
                nom.c_str(), CompterBilles(c.plateau), NomIssue(litteral.issue),
                static_cast<unsigned long long>(litteral.essais), litteral.ms,
                NomIssue(notre.resultat.issue),
                static_cast<unsigned long long>(notre.resultat.essais), notre.resultat.ms,
                notre.cpuMs, static_cast<double>(notre.picKo) / 1024.0,
                static_cast<unsigned long long>(notre.entrees), fini ? (meme ? "yes" : "NO") : "-");
            std::fflush(stdout);
        }
    }

    std::printf("\nOurs, each position in a fresh process:\n");
    Distribution("all positions, wall ms", msNotre, "ms");
    Distribution("all positions, cpu ms", cpuNotre, "ms");
    Distribution("random set, wall ms", msAleatoire, "ms");
    Distribution("random set, cpu ms", cpuAleatoire, "ms");
    std::printf("  worst: %s (%.3f ms)\n", pire ? pire->nom.c_str() : "-", pireMs);
    std::printf("  peak resident memory of a process: %.1f MB\n",
                static_cast<double>(picKo) / 1024);
    std::printf("  solutions found: %d of %zu (random set: %d of %d)\n", trouvees, cas.size(),
                trouveesAleatoire, nbAleatoires);
    std::printf("\nLiteral search, capped at %.3f s:\n", plafond);
    std::printf("  finished: %d of %zu (random set: %d of %d)\n", litteralFini, cas.size(),
                litteralFiniAleatoire, nbAleatoires);
    Distribution("random set, wall ms (capped)", msLitteralAleatoire, "ms");
    Distribution("speed-up where it finished", gains, "x");
    std::printf("  disagreements where it finished: %d\n", desaccords);

    // One search object for the whole set: dead positions stay known from one search to the next.
    Recherche recherche;
    std::vector<double> msPersistant;
    std::vector<double> cpuPersistant;
    const Cas* pirePersistant = nullptr;
    double pireMsPersistant = 0;
    double totalMs = 0;
    double totalCpu = 0;
    for (const Cas& c : cas) {
        const double cpu0 = CpuMs();
        msPersistant.push_back(ResoudreAvecRecherche(recherche, c.plateau).ms);
        cpuPersistant.push_back(CpuMs() - cpu0);
        totalMs += msPersistant.back();
        totalCpu += cpuPersistant.back();
        if (pirePersistant == nullptr || msPersistant.back() > pireMsPersistant) {
            pirePersistant = &c;
            pireMsPersistant = msPersistant.back();
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("\nOurs, one search object for the whole set (table kept across searches):\n");
    Distribution("all positions, wall ms", msPersistant, "ms");
    Distribution("all positions, cpu ms", cpuPersistant, "ms");
    std::printf("  worst: %s\n", pirePersistant ? pirePersistant->nom.c_str() : "-");
    std::printf("  total %.1f ms wall, %.1f ms cpu; table %zu keys (%zu refused), %.1f MB; process "
                "peak %.1f MB\n",
                totalMs, totalCpu, recherche.PositionsMortes().Entrees(),
                recherche.PositionsMortes().Refusees(),
                static_cast<double>(recherche.PositionsMortes().Octets()) / (1 << 20),
                static_cast<double>(usage.ru_maxrss) / 1024);
    return desaccords == 0 ? 0 : 1;
}
