#include "bench/RechercheLitterale.h"

#include <cstdint>

namespace marbello {

void RechercheLitterale::Demarrer(const Grille& plateau) {
    EtatRecherche::Demarrer(plateau);
    EcheanceAtteinte = false;
    Essais = 0;
}

void RechercheLitterale::ExplorerPosition(Grille& plateau) {
    if (FinRecherche) {
        return;
    }
    if (Ceder) {
        Ceder();
    }
    if (Echeance && ++avantHorloge_ % 4096 == 0 && Horloge::now() >= *Echeance) {
        EcheanceAtteinte = true;
        FinRecherche = true;
    }
    int n = 0;
    for (int x = 2; x <= 8; ++x) {
        for (int y = 2; y <= 8; ++y) {
            if (plateau(x, y) == CaseBille) {
                ++n;
                EssayerCoups(plateau, x, y);
            }
        }
    }
    if (n == 1) {
        Sequence trouvee{CoupsEnCours};
        trouvee.Coups[0] = Coup{};
        Solution.push_back(std::move(trouvee));
        NbSolutions = static_cast<int16_t>(Solution.size() - 1);
        FinRecherche = true;
    }
}

void RechercheLitterale::EssayerCoups(Grille& plateau, int x, int y) {
    constexpr int dx[4] = {0, 0, -1, 1};
    constexpr int dy[4] = {-1, 1, 0, 0};
    for (int d = 0; d < 4; ++d) {
        int32_t& saute = plateau(x + dx[d], y + dy[d]);
        int32_t& arrivee = plateau(x + 2 * dx[d], y + 2 * dy[d]);
        if (saute == CaseBille && arrivee == CaseVide) {
            plateau(x, y) = CaseVide;
            saute = CaseVide;
            arrivee = CaseBille;
            CoupsEnCours.push_back({x, y, d});
            ExplorerPosition(plateau);
            plateau(x, y) = CaseBille;
            saute = CaseBille;
            arrivee = CaseVide;
            CoupsEnCours.pop_back();
        }
    }
    NbEssais += 1;
    ++Essais;
    if (static_cast<int32_t>(NbEssais) % Recherche::PasAttente == 0) {
        if (NbEssais > Recherche::RemiseAZero) {
            NbEssais = 0;
        }
        if (Attente) {
            Attente();
        }
    }
}

} // namespace marbello
