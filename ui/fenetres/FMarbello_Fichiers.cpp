// The open and save panel (FraOpenClose) over the board, and the build mode (Frame1) it leads to.
// The panel is in open mode exactly while File1 is visible. While a search runs, every button that
// would act is refused: the board stays the position being searched.

#include "ui/fenetres/DepotParties.h"
#include "ui/fenetres/FMarbello.h"

#include <QFileSystemModel>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace marbello {

void FMarbello::Image1_Click(int index) {
    if (rechercheEnCours_) {
        return;
    }
    // A panel already over the board keeps the message of before it: masking again would store
    // the empty line instead.
    if (FraOpenClose->isVisibleTo(this) || FraAIDE->isVisibleTo(this)) {
        FraAIDE->hide();
    } else {
        MasquerJeu();
    }
    FraOpenClose->show();
    if (index != 0) {
        Verticale->hide();
        Label1->setText(QString::fromUtf8("Sélectionnez le fichier puis cliquez sur ''Ouvrir''"));
        Command2->setText(QStringLiteral("Ouvrir"));
        BOUTON[3]->setText(QString::fromUtf8(TexteNouvellePartie));
        Text1->hide();
        File1->show();
        Command3->setVisible(File1->isVisibleTo(this));
        Command4->setVisible(File1->isVisibleTo(this));
        File1->setFocus(Qt::OtherFocusReason);
        // The model follows the folder by itself; the player chooses afresh.
        File1->clearSelection();
        File1->setCurrentIndex({});
    } else {
        Text1->show();
        File1->hide();
        Command3->setVisible(File1->isVisibleTo(this));
        Command4->setVisible(File1->isVisibleTo(this));
        Command2->setText(QStringLiteral("Enregistrer"));
        Label1->setText(
            QString::fromUtf8("Donnez un nom au fichier puis cliquez sur ''Enregistrer''"));
        Text1->setText(DepotParties::NomPropose(Aujourdhui()));
        Text1->setFocus(Qt::OtherFocusReason);
        Text1->setSelection(0, static_cast<int>(Text1->text().size()));
    }
}

void FMarbello::Command2_Click() {
    if (rechercheEnCours_) {
        return;
    }
    if (File1->isVisibleTo(this)) {
        if (const QString nom = FichierChoisi(); !nom.isEmpty()) {
            OuvrirPartie(nom);
        }
    } else if (!Text1->text().isEmpty()) {
        EnregistrerPartie(Text1->text());
    }
    FraOpenClose->hide();
    RetablirJeu();
}

void FMarbello::File1_DblClick() {
    Command2_Click();
}

void FMarbello::Command3_Click() {
    if (rechercheEnCours_) {
        return;
    }
    Frame1->show();
    FraOpenClose->hide();
    RetablirJeu();
}

// No confirmation; a deletion that fails is passed over, and the panel stays open.
void FMarbello::Command4_Click() {
    if (rechercheEnCours_) {
        return;
    }
    if (const QString nom = FichierChoisi(); !nom.isEmpty()) {
        DepotParties(dossierParties_).Supprimer(nom);
        emit Dit(QStringLiteral("Partie supprimée : %1").arg(nom));
    }
    // File1's model follows the folder: the deleted name leaves the list on its own.
}

// The built position starts a fresh record, as an opened game does.
// The panels lie over it: a screen reader's press there is refused, as the mouse cannot reach it.
void FMarbello::Command5_Click() {
    if (rechercheEnCours_ || PanneauOuvert()) {
        return;
    }
    Frame1->hide();
    RepartirDe(partie_.Plateau());
}

void FMarbello::Command6_Click() {
    FraOpenClose->hide();
    RetablirJeu();
}

// Saving keeps the game record as it is. A full board writes nothing and says nothing.
void FMarbello::EnregistrerPartie(const QString& nom) {
    if (const auto refus =
            DepotParties(dossierParties_).EnregistrerPartie(nom, partie_.Plateau())) {
        EcrireMessage(*refus);
    } else {
        emit Dit(QStringLiteral("Partie enregistrée : %1").arg(nom));
    }
}

// An opened game is under way and starts a fresh record: snapshot 0 is its position, both
// counters 0. A file that cannot be read leaves the board, the record and the state of the game as
// they were: a start screen must still let the player choose the first hole.
void FMarbello::OuvrirPartie(const QString& nomFichier) {
    const DepotParties::Ouverture ouverture =
        DepotParties(dossierParties_).OuvrirPartie(nomFichier);
    if (!ouverture.ok) {
        EcrireMessage(ouverture.message);
        return;
    }
    RepartirDe(GrilleDepuisBilles(ouverture.billes));
}

void FMarbello::RepartirDe(const Grille& position) {
    if (rechercheEnCours_) {
        return;
    }
    Verticale->hide();
    solutionAffichee_ = false;
    partie_.RepartirDeLaPosition(position);
    AfficherPlateau();
    const QString nouvelle = QString::fromUtf8(TexteNouvellePartie);
    if (partie_.PartieEnCours()) {
        BOUTON[3]->setText(nouvelle);
    } else {
        if (BOUTON[3]->text() == nouvelle) {
            BOUTON[3]->setText(QString::fromUtf8(TexteGoRelance));
        }
        EcrireMessage(QString::fromUtf8(TexteChoisir));
    }
}

// The name as listed (with its extension), or empty when nothing is selected.
QString FMarbello::FichierChoisi() const {
    const QModelIndexList choisis = File1->selectionModel()->selectedIndexes();
    if (choisis.isEmpty()) {
        return {};
    }
    return File1Dossier->fileName(choisis.front());
}

} // namespace marbello
