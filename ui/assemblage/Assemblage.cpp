#include "ui/assemblage/Assemblage.h"

#include "ui/aides/Explication.h"
#include "ui/aides/Indice.h"
#include "ui/aides/MarqueGagnable.h"
#include "ui/clavier/Clavier.h"
#include "ui/clavier/CurseurPlateau.h"
#include "ui/fenetres/FMarbello.h"
#include "ui/lecteur/Accessibilite.h"

#include <memory>
#include <utility>

namespace marbello {

namespace {

template <class Invite, class... Arguments>
Invite& Asseoir(FMarbello& fenetre, Arguments&&... arguments) {
    auto invite = std::make_unique<Invite>(fenetre, std::forward<Arguments>(arguments)...);
    Invite& place = *invite;
    fenetre.Accueillir(std::move(invite));
    return place;
}

} // namespace

// In this order: the pieces laid over the board go above the marble images, the explanation
// reads the mark, the keys move the cursor, and the screen reader follows them all.
void Assembler(FMarbello& fenetre) {
    auto& indice = Asseoir<Indice>(fenetre, fenetre.Travailleur());
    auto& marque = Asseoir<MarqueGagnable>(fenetre, fenetre.Travailleur());
    auto& explication = Asseoir<Explication>(fenetre, fenetre.Travailleur(), marque);
    auto& curseur = Asseoir<CurseurPlateau>(fenetre);
    const Clavier::Aides aides{
        {[&indice] { indice.Demander(); }, [&indice] { return indice.Permis(); }, {}},
        {[&marque] { marque.Activer(!marque.Active()); },
         {},
         [&marque] { return marque.Active(); }},
        {[&explication] { explication.Montrer(); },
         [&explication] { return explication.Expliquable(); },
         {}},
    };
    const auto& clavier = Asseoir<Clavier>(fenetre, curseur, aides);
    PreparerAccessibilite(fenetre, {curseur, *clavier.Menu(), indice, marque, explication});
}

} // namespace marbello
