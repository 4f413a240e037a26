#pragma once

#include "solver/PositionBinaire.h"
#include "solver/Recherche.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace marbello {

// What a search found out about one position. `position` tags it: whoever asked compares it with
// the board and drops an answer that no longer applies.
struct ReponseRecherche {
    Bits position = 0;
    std::optional<Sequence> solution; // the first solution, Coups[0] holding no move
    bool arretee = false;             // given up before its end: nothing is known
    uint64_t positions = 0;           // the search went through, for "Pourquoi est-ce perdu ?"
};

// The one thread on which every search of the game runs, for the life of the window. The window
// asks and goes on; the answer comes back on the window's thread through Reponse, which a queued
// connection delivers. A std::jthread rather than a QThread: the search needs no event loop of its
// own, and the thread's stop_token both ends a search at once and joins at destruction.
class TravailleurRecherche : public QObject {
    Q_OBJECT

public:
    explicit TravailleurRecherche(QObject* parent = nullptr);
    ~TravailleurRecherche() override; // stops the search under way and joins

    // Searches the position, unless it is already being searched. A search of any other position,
    // under way or waiting, is given up: only the latest question is worth an answer.
    void Chercher(const Grille& plateau);
    // Gives up the search under way or waiting; its answer, if any, says `arretee`.
    void Arreter();
    // Steps of the waiting indicator since the thread started: one per Recherche::PasAttente
    // trials, whatever the search.
    uint64_t PasAttente() const { return pasAttente_.load(std::memory_order_relaxed); }

    // For tests: while held, a search asked for waits before its first position (Arreter and the
    // destruction still end it); AttendreRetenu blocks until a search waits so; AttendreInactif
    // until no search is under way or waiting.
    void Retenir(bool retenu);
    void AttendreRetenu();
    void AttendreInactif();

signals:
    // Sent with the worker's lock held: connect it queued.
    void Reponse(const marbello::ReponseRecherche& reponse);

private:
    void Boucle(const std::stop_token& arret);
    ReponseRecherche Resoudre(Recherche& recherche, Bits position, const std::stop_token& arret);

    std::mutex verrou_;
    std::condition_variable_any changement_;
    std::optional<Bits> demande_;              // waiting to be searched
    std::optional<Bits> enCours_;              // being searched
    std::optional<ReponseRecherche> derniere_; // the last complete answer, given again at once
    bool retenu_ = false;
    std::atomic<bool> abandon_{false}; // the search under way is given up
    std::atomic<uint64_t> pasAttente_{0};
    std::jthread fil_; // last: started once every member above exists
};

} // namespace marbello
