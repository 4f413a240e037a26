#include "ui/fenetres/Liens.h"

#include <QString>

namespace marbello {

QUrl AdresseArticle() {
    return QUrl(QStringLiteral("https://ludopolis.example.org/articles/marbello"));
}

QUrl AdresseSiteAuteur() {
    return QUrl(QStringLiteral("https://auteur.example.org/"));
}

QUrl AdresseCourrielAuteur(int majeure, int mineure) {
    return QUrl(QStringLiteral("mailto:auteur@example.org?subject=Marbello V%1.%2")
                    .arg(majeure)
                    .arg(mineure));
}

} // namespace marbello
