// marbello-bench [--cap SECONDS] [--random N] [--arbitrary N] [--seed S] [--detail]
//
// Three searches side by side over three sets of positions:
// - the literal search, stopped after the cap;
// - "before": the game's search without its table of positions with a solution;
// - "now": the game's search.
// The sets: the benchmark set (the 33 single-hole openings, four positions without solution and
// N positions reached by random legal play from random openings); N arbitrary positions of 18 to
// 31 marbles (the count drawn uniformly, then the holes); and every position without solution of
// 26 marbles or more that an opening reaches, one per class of symmetric images. Each search of
// the game runs in a process of its own, started afresh, as the first search after the game's
// start-up, with the game's yields (the clock read every 64 positions). The literal search runs in
// this process. Every answer of "now" is compared with "before", and with the literal search
// where it finished. Exit status 1 on any disagreement.

#include "bench/PositionsAleatoires.h"
#include "bench/RechercheSansTable.h"
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

struct Mesure {
    Resultat resultat;
    double cpuMs = 0; // processor time of the search
    long picKo = 0;   // peak resident memory of the process, in KiB
};

double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// In the measuring process: one search, its result on standard output.
int MesurerIci(bool avecTable, const char* texte) {
    const auto plateau = GrilleDepuisTexte(texte);
    if (!plateau) {
        return 2;
    }
    RechercheSansTable avant;
    Recherche maintenant;
    const double cpu = CpuMs();
    const Resultat r = ResoudreAvecRecherche(avecTable ? maintenant : avant, *plateau);
    std::printf("%d %.6f %llu %llu %.6f %zu", static_cast<int>(r.issue), CpuMs() - cpu,
                static_cast<unsigned long long>(r.essais),
                static_cast<unsigned long long>(r.positions), r.ms, r.coups.size());
    for (const Coup& c : r.coups) {
        std::printf(" %d %d %d", c.X, c.Y, c.Direction);
    }
    std::printf("\n");
    return 0;
}

// The same search in a fresh process of this program.
Mesure MesurerDansUnProcessus(const char* programme, bool avecTable, const Grille& plateau) {
    const std::string texte = TexteDepuisGrille(plateau);
    int tube[2];
    if (pipe(tube) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    std::fflush(stdout);
    const pid_t fils = fork();
    if (fils == 0) {
        close(tube[0]);
        dup2(tube[1], STDOUT_FILENO);
        close(tube[1]);
        execl(programme, programme, "--measure", avecTable ? "now" : "before", texte.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[1]);
    std::string sortie;
    char tampon[4096];
    ssize_t lu = 0;
    while ((lu = read(tube[0], tampon, sizeof tampon)) > 0) {
        sortie.append(tampon, static_cast<size_t>(lu));
    }
    close(tube[0]);
    int statut = 0;
    rusage usage{};
    wait4(fils, &statut, 0, &usage);
    Mesure m;
    int issue = 0;
    unsigned long long essais = 0;
    unsigned long long positions = 0;
    size_t nbCoups = 0;
    int lus = 0;
    if (!WIFEXITED(statut) || WEXITSTATUS(statut) != 0 ||
        std::sscanf(sortie.c_str(), "%d %lf %llu %llu %lf %zu%n", &issue, &m.cpuMs, &essais,
                    &positions, &m.resultat.ms, &nbCoups, &lus) != 6) {
        std::fprintf(stderr, "the measuring process failed on %s\n", texte.c_str());
        std::exit(2);
    }
    const char* p = sortie.c_str() + lus;
    for (size_t i = 0; i < nbCoups; ++i) {
        Coup c;
        int n = 0;
        std::sscanf(p, " %d %d %d%n", &c.X, &c.Y, &c.Direction, &n);
        p += n;
        m.resultat.coups.push_back(c);
    }
    m.resultat.issue = static_cast<Issue>(issue);
    m.resultat.essais = essais;
    m.resultat.positions = positions;
    m.picKo = usage.ru_maxrss;
    return m;
}

// One search over one set.
struct Colonne {
    std::vector<double> ms;
    std::vector<double> cpuMs;
    long picKo = 0;
    int trouvees = 0;
    int finies = 0;
    double pireMs = -1;
    std::string pire;

    void Ajouter(const Resultat& r, double cpu, long ko, const Grille& plateau) {
        ms.push_back(r.ms);
        cpuMs.push_back(cpu);
        picKo = std::max(picKo, ko);
        trouvees += r.issue == Issue::Trouvee ? 1 : 0;
        finies += r.issue != Issue::Arretee ? 1 : 0;
        if (r.ms > pireMs) {
            pireMs = r.ms;
            pire = TexteDepuisGrille(plateau);
        }
    }

    void Afficher(const char* nom) const {
        const std::string mem =
            picKo > 0 ? std::to_string(static_cast<double>(picKo) / 1024).substr(0, 5) : "-";
        std::printf("  %-8s %9.3f %9.3f %9.3f %8s %6d %6d   %s\n", nom, Quantile(ms, 0.5),
                    Quantile(ms, 0.99), pireMs, mem.c_str(), trouvees, finies, pire.c_str());
        if (picKo > 0) {
            std::printf("  %-8s %9.3f %9.3f %9.3f   (processor time)\n", "", Quantile(cpuMs, 0.5),
                        Quantile(cpuMs, 0.99), Quantile(cpuMs, 1));
        }
    }
};

bool Memes(const Resultat& a, const Resultat& b) {
    return a.issue == b.issue && a.coups == b.coups;
}

int Usage() {
    std::fputs("usage: marbello-bench [--cap SECONDS] [--random N] [--arbitrary N] [--seed S] "
               "[--detail]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--measure") == 0) {
        return MesurerIci(std::strcmp(argv[2], "now") == 0, argv[3]);
    }
    double plafond = 0.1;
    int nbAleatoires = 1000;
    int nbArbitraires = 1000;
    uint64_t graine = 20240601;
    bool detail = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--cap" && i + 1 < argc) {
            plafond = std::atof(argv[++i]);
        } else if (arg == "--random" && i + 1 < argc) {
            nbAleatoires = std::atoi(argv[++i]);
        } else if (arg == "--arbitrary" && i + 1 < argc) {
            nbArbitraires = std::atoi(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            graine = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--detail") {
            detail = true;
        } else {
            return Usage();
        }
    }

    const std::vector<Ensemble> ensembles = EnsemblesDuBanc(nbAleatoires, nbArbitraires, graine);
    if (ensembles.empty()) {
        std::fputs("the table of positions with a solution is missing\n", stderr);
        return 2;
    }

    std::printf("literal search capped at %.3f s; seed %llu; each game search in a fresh process\n",
                plafond, static_cast<unsigned long long>(graine));
    int desaccords = 0;
    for (const Ensemble& e : ensembles) {
        Colonne litterale;
        Colonne avant;
        Colonne maintenant;
        for (const Grille& g : e.positions) {
            const Resultat l = ResoudreLitteralement(g, plafond);
            const Mesure a = MesurerDansUnProcessus(argv[0], false, g);
            const Mesure m = MesurerDansUnProcessus(argv[0], true, g);
            litterale.Ajouter(l, l.ms, 0, g);
            avant.Ajouter(a.resultat, a.cpuMs, a.picKo, g);
            maintenant.Ajouter(m.resultat, m.cpuMs, m.picKo, g);
            const bool accord = Memes(m.resultat, a.resultat) &&
                                (l.issue == Issue::Arretee || Memes(m.resultat, l));
            desaccords += accord ? 0 : 1;
            if (detail || !accord) {
                std::printf("%s %2d | %-7s %9.3f | %-5s %9llu %9.3f | %-5s %9llu %9.3f | %s\n",
                            TexteDepuisGrille(g).c_str(), CompterBilles(g), NomIssue(l.issue), l.ms,
                            NomIssue(a.resultat.issue),
                            static_cast<unsigned long long>(a.resultat.positions), a.resultat.ms,
                            NomIssue(m.resultat.issue),
                            static_cast<unsigned long long>(m.resultat.positions), m.resultat.ms,
                            accord ? "same" : "DIFFERENT");
                std::fflush(stdout);
            }
        }
        std::printf("\n%s: %zu positions\n", e.nom.c_str(), e.positions.size());
        std::printf("  %-8s %9s %9s %9s %8s %6s %6s   %s\n", "search", "median", "p99", "worst",
                    "peak MB", "found", "ended", "worst position");
        litterale.Afficher("literal");
        avant.Afficher("before");
        maintenant.Afficher("now");
        std::fflush(stdout);
    }
    std::printf("\ntimes in ms; disagreements: %d\n", desaccords);
    return desaccords == 0 ? 0 : 1;
}
