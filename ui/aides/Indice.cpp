#include "ui/aides/Indice.h"

#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/TravailleurRecherche.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace marbello {

namespace {

Cellule Arrivee(const Coup& coup) {
    const Cellule pas = PasDirection(coup.Direction).value_or(Cellule{});
    return {coup.X + 2 * pas.x, coup.Y + 2 * pas.y};
}

// Yellow on a dark edge: seen on the white and the black marbles and on the navy holes alike.
void Tracer(QPainter& peintre, const QPainterPath& forme, qreal epaisseur) {
    peintre.strokePath(forme, QPen(QColor(20, 20, 20), epaisseur + 2.0));
    peintre.strokePath(forme, QPen(QColor(255, 215, 0), epaisseur));
}

} // namespace

Indice::Indice(FMarbello& fenetre, TravailleurRecherche& travailleur)
    : QWidget(&fenetre), fenetre_(fenetre), travailleur_(travailleur) {
    setObjectName(QStringLiteral("Indice"));
    setAccessibleName(QStringLiteral("Indice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    connect(&travailleur_, &TravailleurRecherche::Reponse, this, &Indice::Recevoir);
    connect(&fenetre_, &FMarbello::PlateauChange, this, &Indice::Effacer);
    // Shortcuts never reach the filter below: a panel's key is no key press.
    connect(&fenetre_, &FMarbello::PanneauChange, this, [this](bool ouvert) {
        if (ouvert) {
            Effacer();
        }
    });
}

bool Indice::Permis() const {
    const Partie& jeu = fenetre_.Jeu();
    return jeu.PartieEnCours() && CompterBilles(jeu.Plateau()) > 1 && !fenetre_.PanneauOuvert();
}

void Indice::Demander() {
    Effacer();
    if (fenetre_.Jeu().PartieEnCours() && !fenetre_.PanneauOuvert()) {
        question_ = travailleur_.Chercher(fenetre_.Jeu().Plateau());
    }
}

void Indice::Effacer() {
    question_.reset();
    if (coup_) {
        coup_.reset();
        qApp->removeEventFilter(this);
        hide();
    }
}

QString Indice::Texte() const {
    if (!coup_) {
        return {};
    }
    const Cellule arrivee = Arrivee(*coup_);
    return QStringLiteral("Indice : ligne %1, colonne %2 vers ligne %3, colonne %4")
        .arg(coup_->Y - 1)
        .arg(coup_->X - 1)
        .arg(arrivee.y - 1)
        .arg(arrivee.x - 1);
}

// Only the answer to the latest question: the board has not changed since, nor has a panel opened.
// A stopped search leaves no hint.
void Indice::Recevoir(const ReponseRecherche& reponse) {
    if (!question_ || !question_->Repond(reponse)) {
        return;
    }
    question_.reset();
    if (reponse.arretee || (reponse.solution && reponse.solution->Coups.size() < 2)) {
        return;
    }
    if (!reponse.solution) {
        fenetre_.EcrireMessage(QStringLiteral("Pas de solution"));
        return;
    }
    coup_ = reponse.solution->Coups[1];
    setGeometry(parentWidget()->rect());
    raise();
    show();
    qApp->installEventFilter(this);
    emit Annonce(Texte());
}

// The next press of a key or a mouse button, anywhere in the program, ends the hint.
bool Indice::eventFilter(QObject* objet, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress ||
        type == QEvent::MouseButtonDblClick) {
        Effacer();
    }
    return QWidget::eventFilter(objet, event);
}

void Indice::paintEvent(QPaintEvent* /*event*/) {
    if (!coup_) {
        return;
    }
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    // A square frame, so that it is never taken for the keyboard's round cursor.
    const QRectF bille = QRectF(fenetre_.ControlesDuJeu().Place({coup_->X, coup_->Y}))
                             .adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath cadre;
    cadre.addRoundedRect(bille, 4.0, 4.0);
    Tracer(peintre, cadre, 3.0);
    const QPointF centre = QRectF(fenetre_.ControlesDuJeu().Place(Arrivee(*coup_))).center();
    const qreal r = 7.0;
    QPainterPath losange;
    losange.moveTo(centre + QPointF(0, -r));
    losange.lineTo(centre + QPointF(r, 0));
    losange.lineTo(centre + QPointF(0, r));
    losange.lineTo(centre + QPointF(-r, 0));
    losange.closeSubpath();
    peintre.fillPath(losange, QColor(255, 215, 0));
    Tracer(peintre, losange, 1.5);
}

} // namespace marbello
