#include "ui/fenetres/TravailleurRecherche.h"

namespace marbello {

// Posted, so that the answer reaches its receivers on this object's thread, after the caller of
// Chercher has its ticket.
TravailleurRecherche::TravailleurRecherche(QObject* parent)
    : QObject(parent), fil_([this](const ReponseRecherche& reponse) {
          QMetaObject::invokeMethod(
              this, [this, reponse] { emit Reponse(reponse); }, Qt::QueuedConnection);
      }) {}

} // namespace marbello
