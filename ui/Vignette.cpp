#include "ui/Vignette.h"

#include "ui/Accessibilite.h"

#include <QPainter>

namespace marbello {

Vignette::Vignette(QWidget* parent) : QWidget(parent) {}

// A picture given anew is told even when it is the same: the checkerboard recolours a white marble
// white, and its hole's description changes.
void Vignette::DonnerImage(const QPixmap& image) {
    const bool visible = AUneImage() || !image.isNull();
    picture_ = image;
    if (!image.isNull() && AjusterTaille) {
        resize((image.deviceIndependentSize()).toSize());
    }
    update();
    if (visible) {
        AnnoncerImage(*this);
    }
}

void Vignette::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter peintre(this);
    peintre.drawPixmap(0, 0, picture_);
}

} // namespace marbello
