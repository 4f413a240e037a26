// The board view: placing and painting the 33 marble images, the checkerboard colouring, and the
// mouse on the marbles (first marble, jumps by drag and drop, marbles added or removed by hand).

#include "ui/dessin/Apparence.h"
#include "ui/dessin/Vignette.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/FiltreGlobal.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace marbello {

namespace {

const QString TexteNormal = QStringLiteral("Normal");

// Marble images are centred on (590 x + 50, 590 y + 20) twips, placed on whole pixels.
QPoint PlaceBille(Cellule c, QSize taille) {
    const double gauche = 590.0 * c.x - taille.width() * 15.0 / 2.0 + 50.0;
    const double haut = 590.0 * c.y - taille.height() * 15.0 / 2.0 + 20.0;
    return {Pixels(gauche), Pixels(haut)};
}

} // namespace

// The view's share of the board reset: key, place and picture of every hole, all full.
void FMarbello::PreparerImagesBilles() {
    const QSize taille = Image2->size();
    for (int k = 0; k < NbTrous; ++k) {
        Vignette* bille = imgBille[static_cast<size_t>(k)];
        const Cellule c = CelluleBille(k);
        bille->Tag = QString::fromStdString(CleCase(c));
        bille->move(PlaceBille(c, taille));
        bille->DonnerImage(ImageDeLaRegle(k));
    }
}

// Plain white marbles, or in checkerboard mode black on even holes and white on odd ones.
QPixmap FMarbello::ImageDeLaRegle(int numero) const {
    if (!ModeDamier()) {
        return Image2->Picture();
    }
    return ImageDamier(numero);
}

// Image3(0) holds the black marble, Image3(1) the white one.
QPixmap FMarbello::ImageDamier(int numero) const {
    return Image3[CouleurCase(numero) == Couleur::Noire ? 0 : 1]->Picture();
}

bool FMarbello::ModeDamier() const {
    return BOUTON[1]->text() == TexteNormal;
}

bool FMarbello::ModeConstruction() const {
    return Command5->isVisibleTo(this);
}

void FMarbello::CommencerPartie() {
    Verticale->hide();
    solutionAffichee_ = false;
    if (rechercheEnCours_) {
        return;
    }
    Frame5->hide();
    const bool relance = partie_.PartieEnCours();
    const Annonce annonce = partie_.CommencerPartie();
    if (relance) {
        PreparerImagesBilles();
    } else {
        // The centre, when the game opened it.
        for (int k = 0; k < NbTrous; ++k) {
            if (partie_.Plateau()[CelluleBille(k)] == CaseVide) {
                imgBille[static_cast<size_t>(k)]->DonnerImage({});
            }
        }
    }
    BOUTON[3]->setText(QString::fromStdString(annonce.legendeDepart));
    EcrireMessage(QString::fromStdString(annonce.message));
    PlateauModifie();
}

// Repaints what is on screen; the grid is not read.
void FMarbello::BasculerDamier() {
    const bool versDamier = !ModeDamier();
    for (size_t i = 0; i < imgBille.size(); ++i) {
        if (!imgBille[i]->AUneImage()) {
            continue;
        }
        imgBille[i]->DonnerImage(versDamier ? ImageDamier(static_cast<int>(i)) : Image2->Picture());
    }
    BOUTON[1]->setText(versDamier ? TexteNormal : TexteDamier);
    emit ColorationChange();
}

void FMarbello::imgBille_MouseDown(int index, Qt::MouseButton bouton, QPoint global) {
    if (bouton == Qt::LeftButton) {
        CommencerGlisser(index, global);
        return;
    }
    if (bouton != Qt::RightButton || rechercheEnCours_) {
        return; // the board stays the position being searched
    }
    Vignette* bille = imgBille[static_cast<size_t>(index)];
    if (const auto c = CaseDeCle(bille->Tag.toStdString())) {
        partie_.AjouterBille(*c);
        bille->DonnerImage(ImageDeLaRegle(index));
        PlateauModifie();
    }
}

// The steps look at the dragged image, not at the one under the pointer.
void FMarbello::imgBille_DragOver(int /*index*/, int source) {
    Vignette* tiree = imgBille[static_cast<size_t>(source)];
    if (!tiree->AUneImage()) {
        TerminerGlisser();
        return;
    }
    const auto c = CaseDeCle(tiree->Tag.toStdString());
    if (!c) {
        return;
    }
    if (!partie_.PartieEnCours() && !rechercheEnCours_) {
        // The first press chooses the first hole.
        partie_.RetirerBille(*c);
        tiree->DonnerImage({});
        TerminerGlisser();
        CommencerPartie();
    }
    if (ModeConstruction()) {
        if (!rechercheEnCours_) {
            partie_.RetirerBille(*c);
            tiree->DonnerImage({});
            PlateauModifie();
        }
        TerminerGlisser();
    }
}

void FMarbello::imgBille_DragDrop(int index, int source) {
    if (rechercheEnCours_) {
        return;
    }
    const auto cible = CaseDeCle(imgBille[static_cast<size_t>(index)]->Tag.toStdString());
    const auto depart = CaseDeCle(imgBille[static_cast<size_t>(source)]->Tag.toStdString());
    if (!cible || !depart) {
        return;
    }
    const ResultatCoup coup = partie_.JouerCoup(*depart, *cible);
    if (!coup.fait) {
        return;
    }
    imgBille[static_cast<size_t>(source)]->DonnerImage({});
    const QString cleSautee = QString::fromStdString(CleCase(coup.sautee));
    for (Vignette* bille : imgBille) {
        if (bille->Tag == cleSautee) {
            bille->DonnerImage({});
            break;
        }
    }
    imgBille[static_cast<size_t>(index)]->DonnerImage(ImageDeLaRegle(index));
    EcrireMessage(QString::fromStdString(coup.message));
    PlateauModifie();
}

QRect Controles::Place(Cellule c) const {
    return trous[static_cast<size_t>(NumeroBille(c.x, c.y))]->geometry();
}

const QPixmap& FMarbello::ImageTrou(int k) const {
    return imgBille[static_cast<size_t>(k)]->Picture();
}

bool FMarbello::AppuyerTrou(int k) {
    if (!imgBille[static_cast<size_t>(k)]->AUneImage()) {
        return false;
    }
    imgBille_DragOver(k, k);
    return imgBille[static_cast<size_t>(k)]->AUneImage();
}

void FMarbello::DeposerBille(int source, int cible) {
    imgBille_DragDrop(cible, source);
}

void FMarbello::AjouterBilleTrou(int k) {
    imgBille_MouseDown(k, Qt::RightButton, {});
}

// A left press drags at once, with the white marble as the pointer. The drag is hand-made: until
// the button is released every mouse event of the application belongs to it.
void FMarbello::CommencerGlisser(int source, QPoint global) {
    if (glisser_.source >= 0) {
        return;
    }
    glisser_ = {source, global};
    QGuiApplication::setOverrideCursor(QCursor(Image2->Picture()));
    filtreGlobal_->Ecouter(true);
    imgBille_DragOver(source, source);
}

// Ends the drag as a drop where the pointer is; outside the marble images nothing happens.
void FMarbello::TerminerGlisser() {
    if (glisser_.source < 0) {
        return;
    }
    const Glisser fini = glisser_;
    glisser_ = {};
    QGuiApplication::restoreOverrideCursor();
    filtreGlobal_->Ecouter(deplacementSysteme_);
    const int cible = ImageBilleSous(fini.global);
    if (cible >= 0) {
        imgBille_DragDrop(cible, fini.source);
    }
}

int FMarbello::ImageBilleSous(QPoint global) const {
    const auto trouve = std::find(imgBille.begin(), imgBille.end(), childAt(mapFromGlobal(global)));
    return trouve == imgBille.end() ? -1 : static_cast<int>(trouve - imgBille.begin());
}

bool FMarbello::FiltrerGlisser(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        glisser_.global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const int dessous = ImageBilleSous(glisser_.global);
        if (dessous >= 0) {
            imgBille_DragOver(dessous, glisser_.source);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* souris = static_cast<QMouseEvent*>(event);
        glisser_.global = souris->globalPosition().toPoint();
        if (souris->button() == Qt::LeftButton) {
            TerminerGlisser();
        }
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

// Each image follows its cell: a marble by the picture rule, an empty hole bare; a cell that is no
// hole (a cleared snapshot) leaves its image as it was.
void FMarbello::PeindreBilles() {
    for (int k = 0; k < NbTrous; ++k) {
        const int32_t code = partie_.Plateau()[CelluleBille(k)];
        if (code == CaseBille) {
            imgBille[static_cast<size_t>(k)]->DonnerImage(ImageDeLaRegle(k));
        } else if (code == CaseVide) {
            imgBille[static_cast<size_t>(k)]->DonnerImage({});
        }
    }
}

void FMarbello::AfficherPlateau() {
    PeindreBilles();
    EcrireMessage(QString::fromStdString(MessageCompte(CompterBilles(partie_.Plateau()))));
    PlateauModifie();
}

void FMarbello::ParcourirHistorique(Sens sens) {
    if (rechercheEnCours_) {
        return;
    }
    const auto message = partie_.ParcourirHistorique(sens);
    if (!message) {
        return;
    }
    PeindreBilles();
    EcrireMessage(QString::fromStdString(*message));
    PlateauModifie();
}

} // namespace marbello
