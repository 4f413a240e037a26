#pragma once

#include <QUrl>

namespace marbello {

// The help panel's three addresses, kept together so that a move of the site is one edit.
QUrl AdresseArticle();
QUrl AdresseSiteAuteur();
// An e-mail to the author whose subject carries the program's version ("Marbello V1.0").
QUrl AdresseCourrielAuteur(int majeure, int mineure);

} // namespace marbello
