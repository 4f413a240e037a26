// Moving the frameless window by a press on its bare body: the system's own move where the
// platform offers one, otherwise the window follows the pointer until the button is released.

#include "ui/dessin/Forme.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/fenetres/FiltreGlobal.h"

#include <QMouseEvent>
#include <QWindow>

namespace marbello {

// The skin and the navy disc over the holes; not the waiting dots, which belong to their frame.
bool FMarbello::EstLeCorps(QPoint position) const {
    const QWidget* dessous = childAt(position);
    return dessous == nullptr || dessous == Shape1;
}

// A right press on the body opens the context menu instead.
void FMarbello::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton || !EstLeCorps(event->position().toPoint())) {
        event->ignore();
        return;
    }
    Form_MouseDown(event->globalPosition().toPoint());
}

void FMarbello::mouseMoveEvent(QMouseEvent* event) {
    if (deplacementManuel_) {
        move(event->globalPosition().toPoint() - ecartSouris_);
        return;
    }
    if (EstLeCorps(event->position().toPoint())) {
        Form_MouseMove();
    }
}

void FMarbello::mouseReleaseEvent(QMouseEvent* event) {
    if (!deplacementManuel_ || event->buttons() != Qt::NoButton) {
        return;
    }
    deplacementManuel_ = false;
    FinDeplacement();
}

void FMarbello::Form_MouseDown(QPoint global) {
    DeplacerFenetre(global);
}

void FMarbello::DeplacerFenetre(QPoint global) {
    if (deplacementManuel_ || deplacementSysteme_) {
        return;
    }
    QWindow* fenetre = windowHandle();
    if (fenetre != nullptr && fenetre->startSystemMove()) {
        // The system keeps the mouse until the button is released; the next mouse event that
        // reaches the program tells the move is over.
        deplacementSysteme_ = true;
        filtreGlobal_->Ecouter(true);
        return;
    }
    deplacementManuel_ = true;
    ecartSouris_ = global - pos();
}

// Where the slider window is placed again beside the window.
void FMarbello::FinDeplacement() {
    if (solutionAffichee_) {
        PlacerVerticale();
    }
}

bool FMarbello::FiltrerDeplacement(QEvent* event) {
    const auto type = event->type();
    const bool boutonsLaches =
        type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonPress ||
        (type == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton);
    if (boutonsLaches) {
        deplacementSysteme_ = false;
        filtreGlobal_->Ecouter(glisser_.source >= 0);
        FinDeplacement();
    }
    return false;
}

} // namespace marbello
