#include "ui/dessin/Forme.h"

#include <QPainter>
#include <algorithm>

namespace marbello {

Forme::Forme(QWidget* parent) : QWidget(parent) {}

void Forme::DonnerCouleurs(const QColor& fond, const QColor& bord) {
    fond_ = fond;
    bord_ = bord;
    update();
}

void Forme::DonnerCouleurFond(const QColor& fond) {
    fond_ = fond;
    update();
}

void Forme::paintEvent(QPaintEvent* /*event*/) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(bord_, 1.0));
    peintre.setBrush(fond_);
    const qreal diametre = std::min(width(), height()) - 1.0;
    const QRectF cercle((width() - diametre) / 2.0, (height() - diametre) / 2.0, diametre,
                        diametre);
    peintre.drawEllipse(cercle);
}

} // namespace marbello
