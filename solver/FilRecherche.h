#pragma once

#include "solver/PositionBinaire.h"
#include "solver/Recherche.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace marbello {

// What a search found out about one position, and which question it answers: the latest ticket
// given for that position before the answer was sent.
struct ReponseRecherche {
    uint64_t ticket = 0;
    Bits position = 0;
    std::optional<Sequence> solution; // the first solution, Coups[0] holding no move
    bool arretee = false;             // given up before its end: nothing is known
    uint64_t positions = 0;           // the search went through
};

// A question put to the thread: its position and its ticket. A complete answer about the same
// position answers it, whoever asked; a stopped one only when it was sent for this ticket or a
// later one (a later question about the same position joins the same search).
struct Question {
    Bits position = 0;
    uint64_t ticket = 0;

    bool Repond(const ReponseRecherche& reponse) const {
        return reponse.position == position && (!reponse.arretee || reponse.ticket >= ticket);
    }
};

// The one thread on which every search of the game runs. Only the latest question is worth an
// answer: a question about another position gives up the search under way. A question about the
// position being searched joins that search. A stop gives up everything under way or waiting.
// Every question given up is answered, `arretee`. Answers are delivered by calling `repondre` on
// the thread, never under the lock; whoever receives them moves them to its own thread.
class FilRecherche {
public:
    using Repondre = std::function<void(const ReponseRecherche&)>;
    // Runs on the thread before each search, with the stop token of that search.
    using AvantRecherche = std::function<void(Bits position, const std::stop_token& arret)>;

    explicit FilRecherche(Repondre repondre);
    ~FilRecherche(); // gives up the search under way and joins
    FilRecherche(const FilRecherche&) = delete;
    FilRecherche& operator=(const FilRecherche&) = delete;

    // Asks about position; the answer carries the returned ticket or a later one. A position
    // already answered is answered again at once, on the caller's thread.
    Question Chercher(Bits position);
    void Arreter();
    // No search under way or waiting, and every answer delivered.
    bool Inactif() const;
    // Steps of the waiting indicator since the thread started: one per Recherche::PasAttente
    // trials, whatever the search.
    uint64_t PasAttente() const { return pasAttente_.load(std::memory_order_relaxed); }
    // A step run before each search, for whoever must hold one (tests).
    void Avant(AvantRecherche avant);

private:
    void Boucle(const std::stop_token& fin);
    void RepondreArretee(const std::optional<Question>& question);
    ReponseRecherche Resoudre(Recherche& recherche, Bits position, const std::stop_token& arret);

    Repondre repondre_;
    mutable std::mutex verrou_;
    std::condition_variable_any changement_;
    uint64_t dernierTicket_ = 0;
    std::optional<Question> demande_;          // waiting to be searched
    std::optional<Question> enCours_;          // being searched; its ticket follows joiners
    std::stop_source arretEnCours_;            // of the search under way
    std::optional<ReponseRecherche> derniere_; // the last complete answer
    bool livraison_ = false;                   // an answer is being delivered
    AvantRecherche avant_;
    std::atomic<uint64_t> pasAttente_{0};
    std::jthread fil_; // last: started once every member above exists
};

} // namespace marbello
