#include "ui/dessin/Vignette.h"

#include <QPainter>

namespace marbello {

Vignette::Vignette(QWidget* parent) : QWidget(parent) {}

void Vignette::DonnerImage(const QPixmap& image) {
    picture_ = image;
    if (!image.isNull() && AjusterTaille) {
        resize((image.deviceIndependentSize()).toSize());
    }
    update();
}

void Vignette::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter peintre(this);
    peintre.drawPixmap(0, 0, picture_);
}

} // namespace marbello
