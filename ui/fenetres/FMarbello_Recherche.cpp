// The search front end: BOUTON(0) starts a search on the board's position and, while it runs,
// stops it; the found solution is replayed through the slider window. The search runs on the
// worker's thread: the click returns at once and the answer comes back as an event.

#include "ui/dessin/Apparence.h"
#include "ui/dessin/Forme.h"
#include "ui/dessin/Vignette.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace marbello {

namespace {

// The dots change far more often than a screen shows pictures: they are drawn once per picture.
constexpr int ImageMs = 16;

} // namespace

// Called once, from the constructor.
void FMarbello::CreerTravailleur() {
    travailleur_ = std::make_unique<TravailleurRecherche>();
    connect(travailleur_.get(), &TravailleurRecherche::Reponse, this, &FMarbello::RecevoirReponse);
    minuterieAttente_ = new QTimer(this);
    minuterieAttente_->setInterval(ImageMs);
    connect(minuterieAttente_, &QTimer::timeout, this, &FMarbello::TournerPoints);
}

void FMarbello::PlateauModifie() {
    emit PlateauChange();
}

void FMarbello::ChercherSolution() {
    Verticale->hide();
    solutionAffichee_ = false;
    if (rechercheEnCours_) {
        // A stop acts at once: the search given up answers nothing that is shown.
        travailleur_->Arreter();
        TerminerRecherche(true);
        return;
    }
    recherche_.Preparer();
    if (!partie_.PartieEnCours()) {
        EcrireMessage(QStringLiteral("Retirez déjà une bille"));
        return;
    }
    recherche_.Demarrer(partie_.Plateau());

    Frame5->show();
    EcrireMessage(QStringLiteral("Recherche en cours..."));
    BOUTON[0]->setText(TexteArreter);
    rechercheEnCours_ = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    pasAffiches_ = travailleur_->PasAttente();
    minuterieAttente_->start();
    question_ = travailleur_->Chercher(partie_.Plateau());
}

// The board cannot change while the search runs; any other answer belongs to an earlier question,
// a stopped one among them.
void FMarbello::RecevoirReponse(const ReponseRecherche& reponse) {
    if (!rechercheEnCours_ || !question_.Repond(reponse)) {
        return;
    }
    if (reponse.solution) {
        recherche_.Solution.push_back(*reponse.solution);
        recherche_.NbSolutions = static_cast<int16_t>(recherche_.Solution.size() - 1);
    }
    TerminerRecherche(reponse.arretee);
}

void FMarbello::TerminerRecherche(bool arretee) {
    minuterieAttente_->stop();
    TournerPoints();
    Frame5->hide();
    QGuiApplication::restoreOverrideCursor();
    rechercheEnCours_ = false;

    QString issue;
    if (recherche_.NbSolutions != 0) {
        Verticale->show();
        const auto nbCoups = static_cast<int16_t>(recherche_.Solution[1].Coups.size() - 1);
        {
            // The board already is the solution's start: a slider left elsewhere by an earlier
            // replay must not start the record afresh, nor replay the new solution.
            const QSignalBlocker silence(Verticale->VScroll1);
            Verticale->VScroll1->setMaximum(nbCoups);
            Verticale->VScroll1->setValue(0);
        }
        solutionAffichee_ = true;
        PlacerVerticale();
        issue = QStringLiteral("Solution trouvée...");
    } else if (arretee) {
        issue = QStringLiteral("Recherche Arrêtée.");
    } else {
        issue = QStringLiteral("Pas de solution");
    }
    EcrireMessage(issue);
    // A panel opened during the search saved the dots as shown; closing it must not show them.
    Frame5->setProperty("Tag", QStringLiteral("False"));
    BOUTON[0]->setText(TexteChercher);
}

// The steps the worker's search has made since the dots were last turned: one per 50,000 trials,
// as if each had been drawn.
void FMarbello::TournerPoints() {
    for (const uint64_t pas = travailleur_->PasAttente(); pasAffiches_ < pas; ++pasAffiches_) {
        Attente();
    }
}

void FMarbello::Attente() {
    const PointsAttente points = indicateur_.Avancer();
    SHwait[static_cast<size_t>(points.gris)]->DonnerCouleurFond(QColor(140, 140, 140));
    SHwait[static_cast<size_t>(points.clair)]->DonnerCouleurFond(QColor(200, 200, 200));
    SHwait[static_cast<size_t>(points.repos)]->DonnerCouleurFond(Marine);
}

// After a replay the game goes on from the shown position: its record starts there afresh, so
// that undo never brings back a position of the game played before.
void FMarbello::Avancer(int valeur) {
    if (rechercheEnCours_) {
        return; // the board stays the position being searched
    }
    Grille position = partie_.Plateau();
    if (!marbello::Avancer(recherche_, valeur, position)) {
        return; // no solution to replay: the slider is hidden then
    }
    partie_.RepartirDeLaPosition(position);
    AfficherPlateau();
}

// Under a panel the board is out of reach of the keys.
void FMarbello::ParcourirSolution(QAbstractSlider::SliderAction action) {
    if (solutionAffichee_ && Verticale->isVisible() && !PanneauOuvert()) {
        Verticale->VScroll1->triggerAction(action);
    }
}

// Beside the right edge of the window, between the two groups of button labels; computed in
// twips as the layout is. Drawn inside the window, it is placed from the window's own corner.
void FMarbello::PlacerVerticale() {
    const QPoint coin = Verticale->isWindow() ? pos() : QPoint(0, 0);
    const float gauche =
        static_cast<float>(coin.x()) * 15.0F + static_cast<float>(BOUTON[1]->x()) * 15.0F + 500.0F;
    const float haut =
        static_cast<float>(BOUTON[1]->y()) * 15.0F + 950.0F + static_cast<float>(coin.y()) * 15.0F;
    Verticale->move(Pixels(gauche), Pixels(haut));
}

} // namespace marbello
