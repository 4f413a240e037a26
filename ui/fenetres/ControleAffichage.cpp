#include "ui/fenetres/ControleAffichage.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace marbello {

float TwipsParPixel(double pointsParPouce) {
    return static_cast<float>(1440.0 / pointsParPouce);
}

bool VerifierAffichage(double pointsParPouce, QWidget* parent) {
    if (TwipsParPixel(pointsParPouce) == 15.0F) {
        return true;
    }
    QMessageBox::critical(
        parent, QStringLiteral("Marbello"),
        QStringLiteral("Ce programme ne sera pas compatible avec vos paramètres d'affichage. Pour "
                       "pouvoir utiliser ce programme il faut avoir une résolution d'écran de 15 "
                       "TwipsPerPixel"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return false;
}

bool VerifierAffichage() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    return VerifierAffichage(ecran != nullptr ? ecran->logicalDotsPerInchX() : 0.0);
}

} // namespace marbello
