#include "ui/fenetres/Verticale.h"

#include "ui/dessin/Apparence.h"
#include "ui/dessin/Habillage.h"
#include "ui/fenetres/FMarbello.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <cstdint>

namespace marbello {

Verticale::Verticale(FMarbello& principale)
    : QWidget(ContourParTransparence() ? &principale : nullptr,
              ContourParTransparence() ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint),
      principale_(principale), contourPrincipale_(principale.mask()) {
    setObjectName(QStringLiteral("Verticale"));
    // Closing the main window ends the program, slider window shown or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The keys stay with the main window, whose Page Up and Page Down move this slider.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Marine);
    setPalette(palette);
    setAutoFillBackground(true);

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(7, 8, 14, 107);
    VScroll1->setRange(0, 0);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    // A dragged thumb replays only once it is released.
    VScroll1->setTracking(false);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Verticale::VScroll1_Change);

    Form_Load();
}

void Verticale::Form_Load() {
    Picture1 = ImageRessource1x(QStringLiteral("fond_verticale"));
    peau_ = PeauAPeindre(QStringLiteral("fond_verticale"), devicePixelRatioF());
    HabillerFenetre(this, Picture1);
}

void Verticale::VScroll1_Change(int valeur) {
    principale_.Avancer(static_cast<int16_t>(valeur));
}

bool Verticale::event(QEvent* event) {
    const auto type = event->type();
    if (!isWindow() && (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move)) {
        principale_.setMask(isHidden() ? contourPrincipale_
                                       : contourPrincipale_ + mask().translated(pos()));
    }
    return QWidget::event(event);
}

void Verticale::paintEvent(QPaintEvent* /*event*/) {
    QPainter peintre(this);
    peintre.drawPixmap(0, 0, peau_);
}

} // namespace marbello
