// marbello-bench-reactivite [--repetitions N] [--stop MS]... [POSITION...]
//
// How the window answers while the game's search runs on its worker thread, on one of the slowest
// positions of marbello-bench's sets unless positions are given (boards as text):
// - the longest wait of a pending event: an event that posts itself again as soon as it is
//   delivered stamps every turn of the event loop, from the click on BOUTON(0) to the answer
//   shown; the same from a change of the board to the live mark showing its state;
// - the delay of a stop: a click on BOUTON(0) is due at a given time after the start; the delay
//   runs from that time to the window idle again;
// - the time from the click to the answer shown against the same search without any hook.
// Each search runs in a fresh window, whose table of dead positions starts empty. Runs offscreen
// unless QT_QPA_PLATFORM names another platform (xcb under an X server includes the real cost of
// repainting the waiting dots).

#include "bench/reactivite/ApplicationDeBanc.h"
#include "model/Grille.h"
#include "solver/Recherche.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/assemblage/Assemblage.h"
#include "ui/fenetres/FMarbello.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <time.h>
#include <vector>

using namespace marbello;

namespace {

const char* const PireDuBanc = ".oo/oo./oo..ooo/.oooooo/ooooooo/o.o/ooo";

// Processor time of this thread: unlike the wall clock, not lengthened when other programs take
// the processor.
qint64 CpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<qint64>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

double Mediane(std::vector<double> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs.empty() ? 0.0 : valeurs[valeurs.size() / 2];
}

double Maximum(const std::vector<double>& valeurs) {
    return valeurs.empty() ? 0.0 : *std::max_element(valeurs.begin(), valeurs.end());
}

// The same search as the window's, without hooks: what yielding is measured against.
double SansCession(const Grille& position) {
    Recherche recherche;
    Grille plateau = position;
    recherche.Preparer();
    recherche.Demarrer(plateau);
    QElapsedTimer chrono;
    chrono.start();
    recherche.ExplorerPosition(plateau);
    return static_cast<double>(chrono.nsecsElapsed()) / 1e6;
}

struct Fenetre {
    FMarbello fenetre;
    QLabel* chercher = nullptr;

    explicit Fenetre(const Grille& position) {
        Assembler(fenetre);
        fenetre.RepartirDe(position);
        fenetre.show();
        (void)QTest::qWaitForWindowExposed(&fenetre);
        chercher = fenetre.findChild<QLabel*>(QStringLiteral("BOUTON0"));
    }
    void Cliquer() { QTest::mouseClick(chercher, Qt::LeftButton); }
};

struct Deroulement {
    double totalMs = 0;
    double pireAttenteMs = 0;
    double attente99Ms = 0;      // 99 % of the waits are shorter
    double pireAttenteCpuMs = 0; // the longest, in processor time
    size_t cessions = 0;
    QString message;
};

// Stamps the time each time the event loop gets its turn: it always has one event waiting, which
// it posts again as soon as it is delivered.
class Sonde : public QObject {
public:
    explicit Sonde(const QElapsedTimer& chrono) : chrono_(chrono) {
        passages.reserve(1 << 16);
        calcul.reserve(1 << 16);
    }
    void Armer() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
    std::vector<qint64> passages;
    std::vector<qint64> calcul; // the thread's processor time at the same moments

protected:
    void customEvent(QEvent* /*event*/) override {
        passages.push_back(chrono_.nsecsElapsed());
        calcul.push_back(CpuNs());
        Armer();
    }

private:
    const QElapsedTimer& chrono_;
};

// The whole search in the window, or the mark's computation, a probe stamping every turn of the
// event loop.
Deroulement DansLaFenetre(const Grille& position, bool parLaMarque) {
    Fenetre f(position);
    auto* marque = f.fenetre.findChild<MarqueGagnable*>(QStringLiteral("MarqueGagnable"));
    marque->Activer(parLaMarque);
    QElapsedTimer chrono;
    Sonde sonde(chrono);
    QCoreApplication::sendPostedEvents();
    sonde.Armer();
    chrono.start();
    const qint64 debutCpu = CpuNs();
    if (parLaMarque) {
        f.fenetre.AfficherPlateau();
    } else {
        f.Cliquer();
    }
    while (parLaMarque ? !marque->isVisibleTo(&f.fenetre) : f.fenetre.RechercheEnCours()) {
        QCoreApplication::processEvents();
    }
    const qint64 fin = chrono.nsecsElapsed();
    const qint64 finCpu = CpuNs();
    QCoreApplication::removePostedEvents(&sonde);
    marque->Activer(false);

    Deroulement d;
    d.totalMs = static_cast<double>(fin) / 1e6;
    d.cessions = sonde.passages.size();
    qint64 precedent = 0;
    std::vector<double> attentes;
    for (const qint64 t : sonde.passages) {
        attentes.push_back(static_cast<double>(t - precedent) / 1e6);
        precedent = t;
    }
    attentes.push_back(static_cast<double>(fin - precedent) / 1e6);
    std::sort(attentes.begin(), attentes.end());
    d.pireAttenteMs = attentes.back();
    d.attente99Ms = attentes[attentes.size() * 99 / 100];
    qint64 precedentCpu = debutCpu;
    qint64 pireCpu = 0;
    for (const qint64 t : sonde.calcul) {
        pireCpu = std::max(pireCpu, t - precedentCpu);
        precedentCpu = t;
    }
    d.pireAttenteCpuMs = static_cast<double>(std::max(pireCpu, finCpu - precedentCpu)) / 1e6;
    d.message = parLaMarque ? marque->accessibleName()
                            : f.fenetre.findChild<QLabel*>(QStringLiteral("Label3"))->text();
    return d;
}

// From the time a stop click is due to the return of the search; negative when the search
// ended before the click was due.
double DelaiDArret(const Grille& position, int arretMs) {
    Fenetre f(position);
    QElapsedTimer chrono;
    QTimer::singleShot(arretMs, &f.fenetre, [&f] { f.Cliquer(); });
    chrono.start();
    f.Cliquer();
    while (f.fenetre.RechercheEnCours()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return static_cast<double>(chrono.nsecsElapsed()) / 1e6 - arretMs;
}

int Usage() {
    std::fputs("usage: marbello-bench-reactivite [--repetitions N] [--stop MS]... [POSITION...]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const ApplicationDeBanc application(argc, argv);

    int repetitions = 5;
    std::vector<int> arrets;
    std::vector<std::string> positions;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--repetitions" && i + 1 < argc) {
            repetitions = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--stop" && i + 1 < argc) {
            arrets.push_back(std::max(0, std::atoi(argv[++i])));
        } else if (!argument.empty() && argument[0] == '-') {
            return Usage();
        } else {
            positions.push_back(argument);
        }
    }
    if (positions.empty()) {
        positions.emplace_back(PireDuBanc);
    }
    if (arrets.empty()) {
        arrets = {10, 20, 40, 60, 80};
    }

    std::printf("platform %s, %d repetitions\n", qPrintable(QGuiApplication::platformName()),
                repetitions);
    for (const std::string& texte : positions) {
        const auto position = GrilleDepuisTexte(texte);
        if (!position) {
            std::fprintf(stderr, "not a board: %s\n", texte.c_str());
            return 2;
        }
        std::vector<double> seule;
        std::vector<double> fenetre;
        std::vector<double> attentes;
        std::vector<double> attentes99;
        std::vector<double> attentesCpu;
        std::vector<double> marque;
        std::vector<double> attentesMarque;
        size_t cessions = 0;
        QString message;
        QString etat;
        for (int r = 0; r < repetitions; ++r) {
            seule.push_back(SansCession(*position));
            const Deroulement d = DansLaFenetre(*position, false);
            fenetre.push_back(d.totalMs);
            attentes.push_back(d.pireAttenteMs);
            attentes99.push_back(d.attente99Ms);
            attentesCpu.push_back(d.pireAttenteCpuMs);
            cessions = d.cessions;
            message = d.message;
            const Deroulement m = DansLaFenetre(*position, true);
            marque.push_back(m.totalMs);
            attentesMarque.push_back(m.pireAttenteMs);
            etat = m.message;
        }
        std::vector<double> delais;
        for (const int arret : arrets) {
            for (int r = 0; r < repetitions; ++r) {
                const double delai = DelaiDArret(*position, arret);
                if (delai >= 0) {
                    delais.push_back(delai);
                }
            }
        }
        std::printf("%s (%s)\n", texte.c_str(), qPrintable(message));
        std::printf("  search alone        median %9.1f ms\n", Mediane(seule));
        std::printf("  search in window    median %9.1f ms   ratio %.3f   %zu turns of the loop\n",
                    Mediane(fenetre), Mediane(fenetre) / Mediane(seule), cessions);
        std::printf(
            "  longest event wait  median %9.2f ms   max %.2f ms   (99th percentile %.2f ms)\n",
            Mediane(attentes), Maximum(attentes), Mediane(attentes99));
        std::printf("  longest, cpu time   median %9.2f ms   max %.2f ms\n", Mediane(attentesCpu),
                    Maximum(attentesCpu));
        std::printf("  mark (%s)  median %9.1f ms, longest event wait median %.2f ms max %.2f ms\n",
                    qPrintable(etat), Mediane(marque), Mediane(attentesMarque),
                    Maximum(attentesMarque));
        std::printf("  stop click to end   median %9.2f ms   max %.2f ms   (%zu stops)\n",
                    Mediane(delais), Maximum(delais), delais.size());
    }
    return 0;
}
