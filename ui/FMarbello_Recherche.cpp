// The search front end and the slider window: started from BOUTON(0), animated through Attente,
// replayed through Avancer. Not built yet: these handlers do nothing so far.

#include "ui/FMarbello.h"

namespace marbello {

void FMarbello::ChercherSolution() {}

void FMarbello::Attente() {}

void FMarbello::Avancer(int /*valeur*/) {}

// Puts the slider window beside the main window.
void FMarbello::PlacerVerticale() {}

} // namespace marbello
