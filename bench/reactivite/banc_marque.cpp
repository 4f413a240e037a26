// marbello-bench-marque [--random N] [--arbitrary N] [--seed S]
//
// The live mark's latency: from a change of the board (the position put in place as an opened
// game is) to the mark showing its state, for every position of marbello-bench's three sets in
// turn, in one window whose worker lives through them all as it does in play. Median, 99th
// percentile and worst per set, and how many answers came later than 0.1 s. Runs offscreen unless
// QT_QPA_PLATFORM names another platform.

#include "bench/PositionsAleatoires.h"
#include "bench/Resolution.h"
#include "bench/reactivite/ApplicationDeBanc.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/assemblage/Assemblage.h"
#include "ui/fenetres/FMarbello.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace marbello;

int main(int argc, char* argv[]) {
    const ApplicationDeBanc application(argc, argv);

    int nbAleatoires = 1000;
    int nbArbitraires = 1000;
    uint64_t graine = 20240601;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--random") {
            nbAleatoires = std::atoi(argv[i + 1]);
        } else if (arg == "--arbitrary") {
            nbArbitraires = std::atoi(argv[i + 1]);
        } else if (arg == "--seed") {
            graine = std::strtoull(argv[i + 1], nullptr, 10);
        } else {
            std::fputs("usage: marbello-bench-marque [--random N] [--arbitrary N] [--seed S]\n",
                       stderr);
            return 2;
        }
    }

    FMarbello fenetre;
    Assembler(fenetre);
    fenetre.show();
    auto* marque = fenetre.findChild<MarqueGagnable*>(QStringLiteral("MarqueGagnable"));
    marque->Activer(true);
    QEventLoop boucle;
    QObject::connect(marque, &MarqueGagnable::EtatMontre, &boucle,
                     [&boucle](std::optional<bool> etat) {
                         if (etat) {
                             boucle.quit();
                         }
                     });
    for (const Ensemble& e : EnsemblesDuBanc(nbAleatoires, nbArbitraires, graine)) {
        std::vector<double> ms;
        size_t tardives = 0;
        size_t gagnables = 0;
        for (const Grille& g : e.positions) {
            if (g == fenetre.Jeu().Plateau()) {
                continue; // no change, nothing to answer
            }
            QElapsedTimer chrono;
            chrono.start();
            fenetre.RepartirDe(g);
            boucle.exec();
            ms.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1e6);
            tardives += ms.back() > 100.0 ? 1 : 0;
            gagnables += marque->accessibleName() == MarqueGagnable::TexteEtat(true) ? 1 : 0;
        }
        std::printf("%s: %zu positions, %zu with a solution\n", e.nom.c_str(), ms.size(),
                    gagnables);
        std::printf("  mark latency (ms): median %.2f   p99 %.2f   worst %.2f   over 100 ms: %zu\n",
                    Quantile(ms, 0.5), Quantile(ms, 0.99), Quantile(ms, 1.0), tardives);
    }
    return 0;
}
