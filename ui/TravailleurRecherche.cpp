#include "ui/TravailleurRecherche.h"

namespace marbello {

TravailleurRecherche::TravailleurRecherche(QObject* parent)
    : QObject(parent), fil_([this](const std::stop_token& arret) { Boucle(arret); }) {}

TravailleurRecherche::~TravailleurRecherche() {
    fil_.request_stop();
    fil_.join();
}

void TravailleurRecherche::Chercher(const Grille& plateau) {
    const Bits position = BitsDepuisGrille(plateau);
    const std::scoped_lock garde(verrou_);
    if (derniere_ && derniere_->position == position && !enCours_ && !demande_) {
        emit Reponse(*derniere_); // known already: queued, it comes as a search's answer would
        return;
    }
    if (enCours_ == position && !abandon_) {
        demande_.reset();
        return;
    }
    abandon_ = enCours_.has_value();
    demande_ = position;
    changement_.notify_all();
}

void TravailleurRecherche::Arreter() {
    const std::scoped_lock garde(verrou_);
    demande_.reset();
    abandon_ = enCours_.has_value();
    changement_.notify_all();
}

void TravailleurRecherche::Retenir(bool retenu) {
    const std::scoped_lock garde(verrou_);
    retenu_ = retenu;
    changement_.notify_all();
}

void TravailleurRecherche::AttendreRetenu() {
    std::unique_lock garde(verrou_);
    changement_.wait(garde, [this] { return retenu_ && enCours_ && !abandon_; });
}

void TravailleurRecherche::AttendreInactif() {
    std::unique_lock garde(verrou_);
    changement_.wait(garde, [this] { return !enCours_ && !demande_; });
}

namespace {

Grille GrilleDepuisBits(Bits position) {
    Grille plateau;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        plateau[c] = (position >> BitCase(c.x, c.y) & 1U) != 0 ? CaseBille : CaseVide;
    }
    return plateau;
}

} // namespace

// The search object, with its table of dead positions, lives and dies on this thread.
void TravailleurRecherche::Boucle(const std::stop_token& arret) {
    Recherche recherche;
    std::unique_lock garde(verrou_);
    while (changement_.wait(garde, arret, [this] { return demande_.has_value(); })) {
        const Bits position = *demande_;
        demande_.reset();
        enCours_ = position;
        abandon_ = false;
        changement_.notify_all(); // for AttendreRetenu
        changement_.wait(garde, arret, [this] { return !retenu_ || abandon_; });
        garde.unlock();
        const ReponseRecherche reponse = Resoudre(recherche, position, arret);
        if (arret.stop_requested()) {
            return;
        }
        garde.lock();
        if (!reponse.arretee) {
            derniere_ = reponse;
        }
        enCours_.reset();
        // Under the lock: a question asked after the answer was sent finds the worker idle, and
        // whoever waits for it idle finds the answer sent.
        emit Reponse(reponse);
        changement_.notify_all();
    }
}

ReponseRecherche TravailleurRecherche::Resoudre(Recherche& recherche, Bits position,
                                                const std::stop_token& arret) {
    Grille plateau = GrilleDepuisBits(position);
    recherche.Preparer();
    recherche.Demarrer(plateau);
    recherche.FinRecherche = abandon_ || arret.stop_requested();
    recherche.Ceder = [&] {
        if (abandon_.load(std::memory_order_relaxed) || arret.stop_requested()) {
            recherche.FinRecherche = true;
        }
    };
    recherche.Attente = [this] { pasAttente_.fetch_add(1, std::memory_order_relaxed); };
    recherche.ExplorerPosition(plateau);
    ReponseRecherche reponse{position, std::nullopt,
                             recherche.NbSolutions == 0 && recherche.FinRecherche};
    if (recherche.NbSolutions != 0) {
        reponse.solution = recherche.Solution[1];
    }
    reponse.positions = recherche.Mesure.Positions;
    return reponse;
}

} // namespace marbello
