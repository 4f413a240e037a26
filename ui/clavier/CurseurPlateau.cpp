#include "ui/clavier/CurseurPlateau.h"

#include "ui/fenetres/FMarbello.h"

#include <QKeyEvent>
#include <QPainter>

namespace marbello {

namespace {

// Yellow edged in black reads on the navy skin, on a white or a black marble and on a dark hole.
const QColor Jaune(255, 210, 0);
constexpr double RayonAnneau = 19.5; // just outside a 32-pixel marble, inside half the pitch
constexpr double Leve = 3.0;         // how far a picked marble rises up and to the left

} // namespace

CurseurPlateau::CurseurPlateau(FMarbello& fenetre) : QWidget(&fenetre), fenetre_(fenetre) {
    setObjectName(QStringLiteral("CurseurPlateau"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    QRect plateau;
    for (QWidget* bille : fenetre_.ControlesDuJeu().trous) {
        plateau |= bille->geometry();
        bille->installEventFilter(this);
    }
    setGeometry(plateau.adjusted(-8, -8, 8, 8));
    stackUnder(fenetre_.ControlesDuJeu().disque); // a panel's disc covers the ring with the holes
    fenetre_.installEventFilter(this);
    // A picked marble whose hole another road emptied or filled is put down.
    connect(&fenetre_, &FMarbello::PlateauChange, this, &CurseurPlateau::Poser);
    show();
    setFocus(Qt::OtherFocusReason);
}

void CurseurPlateau::PlacerCurseur(Cellule c) {
    if (c == curseur_ || !EstTrou(c.x, c.y)) {
        return;
    }
    curseur_ = c;
    update();
    emit curseurDeplace(c);
}

// While a marble is picked up, Escape puts it down before the window's shortcut sees it.
bool CurseurPlateau::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && levee_ &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

// A mouse press on the board hides the ring and puts a picked marble down; the press goes on.
bool CurseurPlateau::eventFilter(QObject* objet, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (objet != &fenetre_ || geometry().contains(static_cast<QMouseEvent*>(event)->pos()))) {
        Poser();
        MontrerAnneau(false);
    }
    return false;
}

void CurseurPlateau::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers touches = event->modifiers() & ~Qt::KeypadModifier;
    const bool plus = event->key() == Qt::Key_Plus && (touches & ~Qt::ShiftModifier) == 0;
    if (fenetre_.PanneauOuvert() || (touches != Qt::NoModifier && !plus)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        PlacerCurseur({curseur_.x - 1, curseur_.y});
        break;
    case Qt::Key_Right:
        PlacerCurseur({curseur_.x + 1, curseur_.y});
        break;
    case Qt::Key_Up:
        PlacerCurseur({curseur_.x, curseur_.y - 1});
        break;
    case Qt::Key_Down:
        PlacerCurseur({curseur_.x, curseur_.y + 1});
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Appuyer();
        break;
    case Qt::Key_Escape:
        Poser();
        break;
    case Qt::Key_Insert:
    case Qt::Key_Plus:
        fenetre_.AjouterBilleTrou(NumeroBille(curseur_.x, curseur_.y));
        break;
    default:
        event->ignore();
        return;
    }
    MontrerAnneau(true);
}

// As a left press: the window removes the marble when the press chooses the first hole or the
// build mode is on; where the press would start a drag, the marble is picked up instead.
void CurseurPlateau::Appuyer() {
    const int k = NumeroBille(curseur_.x, curseur_.y);
    if (levee_) {
        const Cellule depart = *levee_;
        Poser();
        if (depart != curseur_) {
            const int coups = fenetre_.Jeu().CoupCourant();
            fenetre_.DeposerBille(NumeroBille(depart.x, depart.y), k);
            if (fenetre_.Jeu().CoupCourant() == coups) {
                emit sautRefuse();
            }
        }
        return;
    }
    if (fenetre_.AppuyerTrou(k)) {
        Lever(curseur_);
    }
}

void CurseurPlateau::Lever(std::optional<Cellule> c) {
    if (c == levee_) {
        return;
    }
    levee_ = c;
    update();
    emit billeLeveeChangee();
}

void CurseurPlateau::MontrerAnneau(bool oui) {
    if (oui != anneau_) {
        anneau_ = oui;
        update();
    }
}

void CurseurPlateau::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        anneau_ = true;
    }
    update();
}

void CurseurPlateau::focusOutEvent(QFocusEvent* /*event*/) {
    update();
}

const QPixmap& CurseurPlateau::Image(Cellule c) const {
    return fenetre_.ImageTrou(NumeroBille(c.x, c.y));
}

QPointF CurseurPlateau::Centre(Cellule c) const {
    const QWidget* trou =
        fenetre_.ControlesDuJeu().trous[static_cast<size_t>(NumeroBille(c.x, c.y))];
    return QRectF(trou->geometry()).center() - QPointF(pos());
}

// A picked marble rises over its own shadow, edged in white: told apart by its shape, whatever
// its colour. The ring shows while the board has the focus.
void CurseurPlateau::paintEvent(QPaintEvent* /*event*/) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    if (levee_ && !Image(*levee_).isNull()) {
        const QPixmap& bille = Image(*levee_);
        const QPointF centre = Centre(*levee_);
        const double rayon = bille.deviceIndependentSize().width() / 2.0;
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(0, 0, 0, 160));
        peintre.drawEllipse(centre + QPointF(Leve, Leve), rayon, rayon);
        const QPointF haut = centre - QPointF(Leve, Leve);
        peintre.drawPixmap(haut - QPointF(rayon, rayon), bille);
        peintre.setPen(QPen(Qt::white, 1.5));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawEllipse(haut, rayon - 0.5, rayon - 0.5);
    }
    if (anneau_ && hasFocus()) {
        peintre.setBrush(Qt::NoBrush);
        peintre.setPen(QPen(Qt::black, 5.0));
        peintre.drawEllipse(Centre(curseur_), RayonAnneau, RayonAnneau);
        peintre.setPen(QPen(Jaune, 2.5));
        peintre.drawEllipse(Centre(curseur_), RayonAnneau, RayonAnneau);
    }
}

} // namespace marbello
