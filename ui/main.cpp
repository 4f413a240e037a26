#include "ui/assemblage/Assemblage.h"
#include "ui/fenetres/ControleAffichage.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/lecteur/Accessibilite.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    marbello::OuvrirAuxLecteursEcran();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbello"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(MARBELLO_VERSION_MAJEURE).arg(MARBELLO_VERSION_MINEURE));
    // Ties the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral(MARBELLO_ID_APPLICATION));

    if (!marbello::VerifierAffichage()) {
        return 0;
    }
    marbello::FMarbello fenetre;
    marbello::Assembler(fenetre);
    fenetre.show();
    return QApplication::exec();
}
