// The button bar drawn on the skin's pills, the hover highlight, the help panel and its links,
// and the pair that puts the board aside while a panel covers it.

#include "ui/dessin/Forme.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/Liens.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>

namespace marbello {

// The dispatch checks no state: the operations called do their own checks.
void FMarbello::BOUTON_Click(int index) {
    switch (index) {
    case 0:
        ChercherSolution();
        break;
    case 1:
        BasculerDamier();
        break;
    case 2:
        if (FraOpenClose->isVisibleTo(this)) {
            break;
        }
        if (FraAIDE->isVisibleTo(this)) {
            FraAIDE->hide();
            RetablirJeu();
        } else {
            MasquerJeu();
            FraAIDE->show();
        }
        break;
    case 3:
        CommencerPartie();
        break;
    case 4:
        Quitter();
        break;
    case 5:
        ParcourirHistorique(Sens::Arriere);
        break;
    case 6:
        ParcourirHistorique(Sens::Avant);
        break;
    default:
        break;
    }
}

void FMarbello::Agir(Action action) {
    switch (action) {
    case Action::Chercher:
    case Action::Damier:
    case Action::Aide:
    case Action::Nouvelle:
    case Action::Quitter:
    case Action::Reculer:
    case Action::Avancer:
        BOUTON_Click(static_cast<int>(action));
        break;
    case Action::Enregistrer:
    case Action::Ouvrir:
        Image1_Click(action == Action::Ouvrir ? 1 : 0);
        break;
    case Action::Valider:
        if (Permis(Action::Valider)) {
            Command5_Click();
        }
        break;
    case Action::Echapper:
        if (rechercheEnCours_) {
            BOUTON_Click(0);
        } else if (FraOpenClose->isVisibleTo(this)) {
            Command6_Click();
        } else if (FraAIDE->isVisibleTo(this)) {
            Command1_Click();
        }
        break;
    case Action::Courriel:
        Label2_Click();
        break;
    case Action::Site:
        Label4_Click();
        break;
    case Action::Article:
        Label6_Click();
        break;
    }
}

// As the handlers decide; the others always act, or say why they do not.
bool FMarbello::Permis(Action action) const {
    switch (action) {
    case Action::Nouvelle:
    case Action::Enregistrer:
    case Action::Ouvrir:
        return !rechercheEnCours_;
    case Action::Reculer:
        return !rechercheEnCours_ && partie_.CoupCourant() > 0;
    case Action::Avancer:
        return !rechercheEnCours_ && partie_.CoupCourant() < partie_.CoupMax();
    case Action::Aide:
        return !FraOpenClose->isVisibleTo(this);
    case Action::Valider: // the panels lie over the build panel's "OK"
        return ModeConstruction() && !rechercheEnCours_ && !PanneauOuvert();
    case Action::Courriel:
    case Action::Site:
    case Action::Article:
        return FraAIDE->isVisibleTo(this);
    default:
        return true;
    }
}

void FMarbello::BOUTON_MouseMove(int index) {
    MettreEnGras(index);
}

void FMarbello::Form_MouseMove() {
    MettreEnGras(100);
}

// The label of that index in bold, every other in normal weight; 50 or more: none in bold.
void FMarbello::MettreEnGras(int index) {
    for (size_t i = 0; i < BOUTON.size(); ++i) {
        QFont police = BOUTON[i]->font();
        police.setBold(static_cast<int>(i) == index && index < 50);
        if (police != BOUTON[i]->font()) {
            BOUTON[i]->setFont(police);
        }
    }
}

// The one way to write the message line. Its saved copy (the "Tag" property), which a closing
// panel puts back, follows: what was written while a panel covered the board is what the player
// sees once it closes.
void FMarbello::EcrireMessage(const QString& message) {
    Label3->setText(message);
    emit Dit(message);
    Label3->setProperty("Tag", message);
}

// Stores unconditionally, whatever is already stored.
void FMarbello::MasquerJeu() {
    FraAIDE->hide();
    Shape1->show();
    Frame5->setProperty("Tag", Frame5->isVisibleTo(this) ? QStringLiteral("True")
                                                         : QStringLiteral("False"));
    Frame5->hide();
    Label3->setProperty("Tag", Label3->text());
    Label3->setText(QString());
    emit PanneauChange(true);
}

// Leaves the panels alone: each caller hides its own first.
void FMarbello::RetablirJeu() {
    Label3->setText(Label3->property("Tag").toString());
    Shape1->hide();
    Frame5->setVisible(Frame5->property("Tag").toString() == QStringLiteral("True"));
    emit PanneauChange(false);
}

bool FMarbello::PanneauOuvert() const {
    return Shape1->isVisibleTo(this);
}

void FMarbello::Command1_Click() {
    FraAIDE->hide();
    RetablirJeu();
}

// A link the desktop cannot open is passed over; the panel stays open.
void FMarbello::Label2_Click() {
    QDesktopServices::openUrl(
        AdresseCourrielAuteur(MARBELLO_VERSION_MAJEURE, MARBELLO_VERSION_MINEURE));
}

void FMarbello::Label4_Click() {
    QDesktopServices::openUrl(AdresseSiteAuteur());
}

void FMarbello::Label6_Click() {
    QDesktopServices::openUrl(AdresseArticle());
}

// The event loop ends and the program with it, its objects destroyed in order: the search under
// way stops when the worker is.
void FMarbello::Quitter() {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace marbello
