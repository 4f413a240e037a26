#include "ui/ControleAffichage.h"
#include "ui/FMarbello.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbello"));
    QApplication::setApplicationDisplayName(QStringLiteral("Marbello"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(MARBELLO_VERSION_MAJEURE).arg(MARBELLO_VERSION_MINEURE));
    QApplication::setDesktopFileName(QStringLiteral("marbello"));

    if (!marbello::VerifierAffichage()) {
        return 0;
    }
    marbello::FMarbello fenetre;
    fenetre.show();
    return QApplication::exec();
}
