#include "solver/FilRecherche.h"

#include <utility>

namespace marbello {

FilRecherche::FilRecherche(Repondre repondre)
    : repondre_(std::move(repondre)), fil_([this](const std::stop_token& fin) { Boucle(fin); }) {}

FilRecherche::~FilRecherche() {
    {
        const std::scoped_lock garde(verrou_);
        arretEnCours_.request_stop();
    }
    fil_.request_stop();
    fil_.join();
}

Question FilRecherche::Chercher(Bits position) {
    std::unique_lock garde(verrou_);
    const Question question{position, ++dernierTicket_};
    if (derniere_ && derniere_->position == position && !enCours_ && !demande_) {
        ReponseRecherche connue = *derniere_;
        connue.ticket = question.ticket;
        garde.unlock();
        repondre_(connue);
        return question;
    }
    if (enCours_ && enCours_->position == position && !arretEnCours_.stop_requested()) {
        enCours_->ticket = question.ticket;
        const std::optional<Question> remplacee = std::exchange(demande_, std::nullopt);
        garde.unlock();
        RepondreArretee(remplacee);
        return question;
    }
    if (enCours_) {
        arretEnCours_.request_stop();
    }
    const std::optional<Question> remplacee = std::exchange(demande_, question);
    changement_.notify_all();
    garde.unlock();
    RepondreArretee(remplacee);
    return question;
}

void FilRecherche::Arreter() {
    std::unique_lock garde(verrou_);
    const std::optional<Question> retiree = std::exchange(demande_, std::nullopt);
    arretEnCours_.request_stop();
    garde.unlock();
    RepondreArretee(retiree);
}

// A question given up before its search began.
void FilRecherche::RepondreArretee(const std::optional<Question>& question) {
    if (question) {
        repondre_({question->ticket, question->position, std::nullopt, true, 0});
    }
}

bool FilRecherche::Inactif() const {
    const std::scoped_lock garde(verrou_);
    return !enCours_ && !demande_ && !livraison_;
}

void FilRecherche::Avant(AvantRecherche avant) {
    const std::scoped_lock garde(verrou_);
    avant_ = std::move(avant);
}

// The search object, with its table of dead positions, lives and dies on this thread.
void FilRecherche::Boucle(const std::stop_token& fin) {
    Recherche recherche;
    std::unique_lock garde(verrou_);
    while (changement_.wait(garde, fin, [this] { return demande_.has_value(); })) {
        enCours_ = demande_;
        demande_.reset();
        const Bits position = enCours_->position;
        arretEnCours_ = std::stop_source();
        // Ending the thread ends the search too.
        const std::stop_callback lien(
            fin, [source = arretEnCours_]() mutable { source.request_stop(); });
        const std::stop_token arret = arretEnCours_.get_token();
        const AvantRecherche avant = avant_;
        garde.unlock();
        if (avant) {
            avant(position, arret);
        }
        ReponseRecherche reponse = Resoudre(recherche, position, arret);
        if (fin.stop_requested()) {
            return;
        }
        garde.lock();
        // Read last: a question that joined the search meanwhile is answered too.
        reponse.ticket = enCours_->ticket;
        if (!reponse.arretee) {
            derniere_ = reponse;
        }
        enCours_.reset();
        livraison_ = true;
        garde.unlock();
        repondre_(reponse);
        garde.lock();
        livraison_ = false;
    }
}

ReponseRecherche FilRecherche::Resoudre(Recherche& recherche, Bits position,
                                        const std::stop_token& arret) {
    Grille plateau = GrilleDepuisBits(position);
    recherche.Preparer();
    recherche.Demarrer(plateau);
    // FinRecherche also ends a search that found its solution: the stop is kept apart.
    bool arretee = arret.stop_requested();
    recherche.FinRecherche = arretee;
    recherche.Ceder = [&] {
        if (arret.stop_requested()) {
            recherche.FinRecherche = arretee = true;
        }
    };
    recherche.Attente = [this] { pasAttente_.fetch_add(1, std::memory_order_relaxed); };
    recherche.ExplorerPosition(plateau);
    // A solution found as the stop came is still an answer.
    ReponseRecherche reponse{0, position, std::nullopt, arretee && recherche.NbSolutions == 0};
    if (recherche.NbSolutions != 0) {
        reponse.solution = recherche.Solution[1];
    }
    reponse.positions = recherche.Mesure.Positions;
    return reponse;
}

} // namespace marbello
