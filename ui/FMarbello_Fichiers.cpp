// The open and save panel (FraOpenClose) with the build mode (Frame1). Not built yet: these
// handlers do nothing so far.

#include "ui/FMarbello.h"

namespace marbello {

void FMarbello::Image1_Click(int /*index*/) {}

void FMarbello::Command2_Click() {}

void FMarbello::File1_DblClick() {}

void FMarbello::Command3_Click() {}

void FMarbello::Command4_Click() {}

void FMarbello::Command5_Click() {}

void FMarbello::Command6_Click() {}

void FMarbello::EnregistrerPartie(const QString& /*nom*/) {}

void FMarbello::OuvrirPartie(const QString& /*nomFichier*/) {}

} // namespace marbello
