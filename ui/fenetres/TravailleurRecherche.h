#pragma once

#include "solver/FilRecherche.h"

#include <QObject>

namespace marbello {

// The search thread as the window's thread sees it: every answer comes back as the Reponse
// signal, emitted on the thread this object lives on.
class TravailleurRecherche : public QObject {
    Q_OBJECT

public:
    explicit TravailleurRecherche(QObject* parent = nullptr);

    Question Chercher(const Grille& plateau) { return fil_.Chercher(BitsDepuisGrille(plateau)); }
    void Arreter() { fil_.Arreter(); }
    bool Inactif() const { return fil_.Inactif(); }
    uint64_t PasAttente() const { return fil_.PasAttente(); }
    void Avant(FilRecherche::AvantRecherche avant) { fil_.Avant(std::move(avant)); }

signals:
    void Reponse(const marbello::ReponseRecherche& reponse);

private:
    FilRecherche fil_; // its destructor joins the thread before this object's own parts go
};

} // namespace marbello
