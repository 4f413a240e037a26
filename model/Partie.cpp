#include "model/Partie.h"

#include <cassert>
#include <cstdlib>

namespace marbello {

std::optional<Cellule> PasDirection(int32_t direction) {
    switch (direction) {
    case 0:
        return Cellule{0, -1};
    case 1:
        return Cellule{0, 1};
    case 2:
        return Cellule{-1, 0};
    case 3:
        return Cellule{1, 0};
    default:
        return std::nullopt;
    }
}

std::string MessageApresCoup(int billes) {
    return billes == 1 ? TexteBravo : "Il reste " + std::to_string(billes) + " billes.";
}

std::string MessageCompte(int billes) {
    return billes == 1 ? TexteTermine : "Il reste " + std::to_string(billes) + " billes.";
}

Partie::Partie() : historique_(TailleHistoriqueInitiale) {
    InitialiserPlateau(plateau_);
}

Annonce Partie::CommencerPartie() {
    coupCourant_ = 0;
    coupMax_ = 0;
    if (partieEnCours_) {
        InitialiserPlateau(plateau_);
        partieEnCours_ = false;
        return {TexteGoRelance, TexteChoisir};
    }
    bool trouVide = false;
    for (int y = 2; y <= 8; ++y) {
        for (int x = 2; x <= 8; ++x) {
            trouVide = trouVide || plateau_(x, y) == CaseVide;
        }
    }
    if (!trouVide) {
        plateau_(5, 5) = CaseVide;
    }
    EnregistrerPosition(0);
    partieEnCours_ = true;
    return {TexteNouvellePartie, ""};
}

ResultatCoup Partie::JouerCoup(Cellule source, Cellule cible) {
    assert(EstTrou(source.x, source.y) && EstTrou(cible.x, cible.y));
    if (plateau_[source] != CaseBille || plateau_[cible] != CaseVide) {
        return {};
    }
    Cellule sautee;
    if (source.y == cible.y && std::abs(cible.x - source.x) == 2) {
        sautee = {(source.x + cible.x) / 2, source.y};
    } else if (source.x == cible.x && std::abs(cible.y - source.y) == 2) {
        sautee = {source.x, (source.y + cible.y) / 2};
    } else {
        return {};
    }
    if (plateau_[sautee] != CaseBille) {
        return {};
    }
    plateau_[source] = CaseVide;
    plateau_[sautee] = CaseVide;
    plateau_[cible] = CaseBille;
    ++coupCourant_;
    coupMax_ = coupCourant_;
    const int billes = EnregistrerPosition(coupCourant_);
    return {true, sautee, MessageApresCoup(billes)};
}

int Partie::EnregistrerPosition(int n) {
    if (static_cast<size_t>(n) >= historique_.size()) {
        historique_.resize(static_cast<size_t>(n) + 1);
    }
    Grille& cliche = historique_[static_cast<size_t>(n)];
    int billes = 0;
    for (int y = 2; y <= 8; ++y) {
        for (int x = 2; x <= 8; ++x) {
            cliche(x, y) = plateau_(x, y);
            billes += plateau_(x, y) == CaseBille ? 1 : 0;
        }
    }
    return billes;
}

void Partie::AjouterBille(Cellule c) {
    assert(EstTrou(c.x, c.y));
    marbello::AjouterBille(plateau_, c);
}

void Partie::RetirerBille(Cellule c) {
    assert(EstTrou(c.x, c.y));
    marbello::RetirerBille(plateau_, c);
}

std::optional<std::string> Partie::ParcourirHistorique(Sens sens) {
    if (sens == Sens::Arriere ? coupCourant_ < 1 : coupCourant_ >= coupMax_) {
        return std::nullopt;
    }
    coupCourant_ += static_cast<int32_t>(sens);
    const Grille& cliche = historique_[static_cast<size_t>(coupCourant_)];
    plateau_.cases.fill(CaseHors);
    int billes = 0;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        const int32_t s = cliche[c];
        if (s == CaseBille || s == CaseVide) {
            plateau_[c] = s;
            billes += s == CaseBille ? 1 : 0;
        }
    }
    return MessageCompte(billes);
}

void Partie::RepartirDeLaPosition(const Grille& position) {
    plateau_ = position;
    RepartirDeLaPosition();
}

void Partie::RepartirDeLaPosition() {
    coupCourant_ = 0;
    coupMax_ = 0;
    partieEnCours_ = EnregistrerPosition(0) < NbTrous;
}

} // namespace marbello
