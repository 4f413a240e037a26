#include "model/Grille.h"

namespace marbello {

std::string CleCase(Cellule c) {
    return {static_cast<char>('0' + c.x), static_cast<char>('0' + c.y)};
}

std::optional<Cellule> CaseDeCle(std::string_view cle) {
    if (cle.empty()) {
        return std::nullopt;
    }
    // Any other character than a hole's digit falls outside the cross.
    const Cellule c{cle.front() - '0', cle.back() - '0'};
    if (!EstTrou(c.x, c.y)) {
        return std::nullopt;
    }
    return c;
}

Couleur CouleurCase(int numero) {
    return numero % 2 == 0 ? Couleur::Noire : Couleur::Blanche;
}

void InitialiserPlateau(Grille& plateau) {
    plateau.cases.fill(CaseHors);
    for (const Cellule c : detail::Numerotation.cellules) {
        plateau[c] = CaseBille;
    }
}

int CompterBilles(const Grille& plateau) {
    int n = 0;
    for (int y = 2; y <= 8; ++y) {
        for (int x = 2; x <= 8; ++x) {
            n += plateau(x, y) == CaseBille ? 1 : 0;
        }
    }
    return n;
}

std::optional<Grille> GrilleDepuisTexte(std::string_view texte) {
    Grille g;
    int k = 0;
    for (const char ch : texte) {
        if (ch == '/' || ch == ' ') {
            continue;
        }
        if ((ch != 'o' && ch != '.') || k >= NbTrous) {
            return std::nullopt;
        }
        g[CelluleBille(k)] = ch == 'o' ? CaseBille : CaseVide;
        ++k;
    }
    if (k != NbTrous) {
        return std::nullopt;
    }
    return g;
}

std::string TexteDepuisGrille(const Grille& plateau) {
    std::string texte;
    int rangee = CelluleBille(0).y;
    for (int k = 0; k < NbTrous; ++k) {
        const Cellule c = CelluleBille(k);
        if (c.y != rangee) {
            texte += '/';
            rangee = c.y;
        }
        texte += plateau[c] == CaseBille ? 'o' : '.';
    }
    return texte;
}

} // namespace marbello
