#include "ui/fenetres/FiltreGlobal.h"

#include <QCoreApplication>
#include <utility>

namespace marbello {

FiltreGlobal::FiltreGlobal(std::function<bool(QEvent*)> gestionnaire, QObject* parent)
    : QObject(parent), gestionnaire_(std::move(gestionnaire)) {}

FiltreGlobal::~FiltreGlobal() {
    Ecouter(false);
}

void FiltreGlobal::Ecouter(bool oui) {
    if (oui == ecoute_ || QCoreApplication::instance() == nullptr) {
        return;
    }
    ecoute_ = oui;
    if (oui) {
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

// Only widgets: the same mouse event also passes through the window object first, and the
// window's own bookkeeping of the pressed widget must see it.
bool FiltreGlobal::eventFilter(QObject* objet, QEvent* event) {
    if (!ecoute_ || !objet->isWidgetType()) {
        return false;
    }
    return gestionnaire_(event);
}

} // namespace marbello
