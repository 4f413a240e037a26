// The search front end: BOUTON(0) starts a search on the board's position and, while it runs,
// stops it; the found solution is replayed through the slider window. The search runs inside the
// click and lets the event loop run often enough that the window stays usable.

#include "ui/Apparence.h"
#include "ui/FMarbello.h"
#include "ui/Forme.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>

namespace marbello {

namespace {

const QString TexteArreter = QStringLiteral("Arrêter la recherche");

// Pending events wait at most this long while the search works.
constexpr qint64 CessionMs = 5;
// The clock is read once per this many visited positions (a power of two), a few microseconds.
constexpr uint32_t VisitesParLecture = 64;
// The dots change far more often than a screen shows pictures: drawing each change would cost
// the search more than it shows.
constexpr qint64 ImageMs = 16;

} // namespace

void FMarbello::CreerVerticale() {
    if (Verticale == nullptr) {
        Verticale = std::make_unique<marbello::Verticale>(*this);
    }
}

void FMarbello::ChercherSolution() {
    CreerVerticale();
    Verticale->hide();
    SolutionAffichee = false;
    if (RechercheEnCours) {
        // A stop request, come through one of the search's yields: the running call reports.
        recherche_.FinRecherche = true;
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
    recherche_.FinRecherche = false;
    RechercheEnCours = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    recherche_.Ceder = [this] {
        if ((++visites_ & (VisitesParLecture - 1)) == 0 && depuisCession_.hasExpired(CessionMs)) {
            Ceder();
        }
    };
    recherche_.Attente = [this] { Attente(); };
    depuisCession_.start();
    depuisImage_.invalidate();
    Grille position = partie_.Plateau();
    recherche_.ExplorerPosition(position);
    recherche_.Ceder = nullptr;
    recherche_.Attente = nullptr;

    Frame5->setUpdatesEnabled(true);
    Frame5->hide();
    QGuiApplication::restoreOverrideCursor();
    RechercheEnCours = false;

    QString issue;
    if (recherche_.NbSolutions != 0) {
        Verticale->show();
        const auto nbCoups = static_cast<int16_t>(recherche_.Solution[1].Coups.size() - 1);
        Verticale->VScroll1->setMaximum(nbCoups);
        SolutionAffichee = true;
        PlacerVerticale();
        Verticale->VScroll1->setValue(0);
        issue = QStringLiteral("Solution trouvée...");
    } else if (recherche_.FinRecherche) {
        issue = QStringLiteral("Recherche Arrêtée.");
    } else {
        issue = QStringLiteral("Pas de solution");
    }
    EcrireMessage(issue);
    // A panel opened during the search saved the dots as shown; closing it must not show them.
    Frame5->setProperty("Tag", QStringLiteral("False"));
    BOUTON[0]->setText(TexteChercher);
}

// The dots are drawn at most once per picture: in between, their colours change without being
// drawn, and the next drawing shows the colours of that moment.
void FMarbello::Ceder() {
    const bool dessiner =
        !RechercheEnCours || !depuisImage_.isValid() || depuisImage_.hasExpired(ImageMs);
    Frame5->setUpdatesEnabled(dessiner);
    if (dessiner) {
        depuisImage_.start();
    }
    QCoreApplication::processEvents();
    depuisCession_.restart();
}

void FMarbello::Attente() {
    const PointsAttente points = indicateur_.Avancer();
    SHwait[static_cast<size_t>(points.gris)]->DonnerCouleurFond(QColor(140, 140, 140));
    SHwait[static_cast<size_t>(points.clair)]->DonnerCouleurFond(QColor(200, 200, 200));
    SHwait[static_cast<size_t>(points.repos)]->DonnerCouleurFond(Marine);
    Ceder();
}

// After a replay the game goes on from the shown position: its record starts there afresh, so
// that undo never brings back a position of the game played before.
void FMarbello::Avancer(int valeur) {
    if (RechercheEnCours) {
        return; // the board stays the position being searched
    }
    Grille position = partie_.Plateau();
    if (!marbello::Avancer(recherche_, valeur, position)) {
        return; // no solution to replay: the slider is hidden then
    }
    partie_.RepartirDeLaPosition(position);
    AfficherPlateau();
}

// Beside the right edge of the window, between the two groups of button labels; computed in
// twips as the layout is. Drawn inside the window, it is placed from the window's own corner.
void FMarbello::PlacerVerticale() {
    CreerVerticale();
    const QPoint coin = Verticale->isWindow() ? pos() : QPoint(0, 0);
    const float gauche =
        static_cast<float>(coin.x()) * 15.0F + static_cast<float>(BOUTON[1]->x()) * 15.0F + 500.0F;
    const float haut =
        static_cast<float>(BOUTON[1]->y()) * 15.0F + 950.0F + static_cast<float>(coin.y()) * 15.0F;
    Verticale->move(Pixels(gauche), Pixels(haut));
}

} // namespace marbello
