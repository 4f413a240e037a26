#include "solver/Recherche.h"

#include "solver/Pagodes.h"
#include "solver/Vecteurs.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace marbello {

namespace {

// enfant = parent + ecart, lane by lane, over 64 lanes, eight at a time; true when a lane of the
// result is negative.
template <bool Ecrire>
bool SommeNegative(const int16_t* parent, const int16_t* ecart, int16_t* enfant) {
    Int16x8 ou{};
    MARBELLO_DEROULER
    for (int k = 0; k < 64; k += 8) {
        const Int16x8 somme =
            ChargerVecteur<Int16x8>(parent + k) + ChargerVecteur<Int16x8>(ecart + k);
        if constexpr (Ecrire) {
            RangerVecteur(enfant + k, somme);
        }
        ou |= somme;
    }
    return UneVoieNegative(ou);
}

double ProchainMultiple(double essais) {
    return (std::floor(essais / Recherche::PasAttente) + 1) * Recherche::PasAttente;
}

} // namespace

Recherche::Recherche(int log2SeauxTable, const TableResolubles* resolubles)
    : positionsMortes_(log2SeauxTable), resolubles_(resolubles) {
    Preparer();
}

void ResultatRecherche::Preparer() {
    Solution.assign(1, Sequence{});
    PlateauDepart = Grille{};
}

void ResultatRecherche::Demarrer(const Grille& plateau) {
    PlateauDepart = Grille{};
    for (int x = 2; x <= 8; ++x) {
        for (int y = 2; y <= 8; ++y) {
            PlateauDepart(x, y) = plateau(x, y);
        }
    }
    NbSolutions = 0;
}

void EtatRecherche::Preparer() {
    ResultatRecherche::Preparer();
    CoupsEnCours.assign(1, Coup{});
}

void EtatRecherche::Demarrer(const Grille& plateau) {
    ResultatRecherche::Demarrer(plateau);
    NbEssais = 0;
    FinRecherche = false;
}

void Recherche::Demarrer(const Grille& plateau) {
    EtatRecherche::Demarrer(plateau);
    Mesure = {};
}

void Recherche::ExplorerPosition(Grille& plateau) {
    if (Solution.empty()) {
        Solution.emplace_back();
    }
    if (CoupsEnCours.empty()) {
        CoupsEnCours.emplace_back();
    }
    if (FinRecherche) {
        return;
    }
    // A table more than half full is started afresh, so that every search has room for at least
    // half of it: a dead position found long ago is worth less than room for the present search.
    if (positionsMortes_.Entrees() > positionsMortes_.Capacite() / 2) {
        positionsMortes_.Oublier();
    }
    const Bits billes = BitsDepuisGrille(plateau);
    billesDepart_ = std::popcount(billes);
    prochaineAttente_ = ProchainMultiple(NbEssais);
    if (!Preparee(billes)) {
        return;
    }
    CoupsEnCours.reserve(CoupsEnCours.size() + NbTrous);
    Visiter(0);
}

// Fills level 0 from the start position; false when that position is already known to be dead.
bool Recherche::Preparee(Bits billes) {
    const Bits finales = CasesFinalesPossibles(billes);
    if (finales == 0) {
        return false;
    }
    Niveau& racine = niveaux_[0];
    racine.marges = MargesPagodes(billes, finales);
    racine.position = billes;
    for (int s = 0; s < NbSymetries; ++s) {
        racine.images[static_cast<size_t>(s)] = Compacter(ImageBits(billes, s));
    }
    if (std::any_of(racine.marges.begin(), racine.marges.end(), [](int16_t m) { return m < 0; })) {
        ++Mesure.CoupesPagode;
        return false;
    }
    if (resolubles_ != nullptr && std::popcount(billes) >= TableResolubles::BillesMin &&
        !resolubles_->Resoluble(racine.images)) {
        ++Mesure.CoupesResolubles;
        return false;
    }
    racine.adresse =
        positionsMortes_.Adresser(*std::min_element(racine.images.begin(), racine.images.end()));
    if (positionsMortes_.Contient(racine.adresse)) {
        ++Mesure.CoupesTable;
        return false;
    }
    return true;
}

void Recherche::Visiter(int profondeur) {
    if (Ceder) {
        Ceder();
    }
    ++Mesure.Positions;
    // The trials of the position are all counted on entry: the totals, and the number of steps of
    // Attente, are those of counting them marble by marble.
    const int billes = billesDepart_ - profondeur;
    CompterEssais(billes);
    if (billes == 1) {
        EnregistrerSolution();
        return;
    }
    const Niveau& niveau = niveaux_[static_cast<size_t>(profondeur)];
    const Bits position = niveau.position;
    const std::array<Bits, 4> departs = {DepartsSaut(position, 0), DepartsSaut(position, 1),
                                         DepartsSaut(position, 2), DepartsSaut(position, 3)};

    // First the jumps whose result no pagoda weighting rules out, in the order they are tried.
    // Their table buckets are requested together, so that the memory waits overlap.
    struct Candidat {
        int saut;
        TablePositionsMortes::Adresse adresse;
    };
    std::array<Candidat, NbSauts> candidats;
    int nbCandidats = 0;
    for (Bits mobiles = departs[0] | departs[1] | departs[2] | departs[3]; mobiles != 0;
         mobiles &= mobiles - 1) {
        const int bit = std::countr_zero(mobiles);
        unsigned directions = static_cast<unsigned>(
            ((departs[0] >> bit) & 1) | (((departs[1] >> bit) & 1) << 1) |
            (((departs[2] >> bit) & 1) << 2) | (((departs[3] >> bit) & 1) << 3));
        for (; directions != 0; directions &= directions - 1) {
            const auto d = static_cast<size_t>(std::countr_zero(directions));
            const int saut = Tables.indice[static_cast<size_t>(bit)][d];
            if (Morte(niveau, billes - 1, saut)) {
                continue;
            }
            const auto& images = Tables.imagesSaut[static_cast<size_t>(saut)];
            Trous cle = ~Trous{0};
            MARBELLO_DEROULER
            for (size_t s = 0; s < NbSymetries; ++s) {
                cle = std::min(cle, niveau.images[s] ^ images[s]);
            }
            const auto adresse = positionsMortes_.Adresser(cle);
            if (const void* seau = positionsMortes_.PremierSeau(adresse)) {
                Anticiper(seau);
            }
            candidats[static_cast<size_t>(nbCandidats++)] = {saut, adresse};
        }
    }

    for (int k = 0; k < nbCandidats && !FinRecherche; ++k) {
        const Candidat& c = candidats[static_cast<size_t>(k)];
        if (positionsMortes_.Contient(c.adresse)) {
            ++Mesure.CoupesTable;
            continue;
        }
        Descendre(profondeur, c.saut, c.adresse);
    }
    // A search stopped half-way has proven nothing.
    if (!FinRecherche) {
        positionsMortes_.Ajouter(niveau.adresse);
    }
}

bool Recherche::Morte(const Niveau& niveau, int billes, int saut) {
    if (SommeNegative<false>(niveau.marges.data(), Pagodes.ecarts[static_cast<size_t>(saut)].data(),
                             nullptr)) {
        ++Mesure.CoupesPagode;
        return true;
    }
    if (resolubles_ == nullptr || billes < TableResolubles::BillesMin) {
        return false;
    }
    std::array<Trous, NbSymetries> images{};
    for (size_t s = 0; s < NbSymetries; ++s) {
        images[s] = niveau.images[s] ^ Tables.imagesSaut[static_cast<size_t>(saut)][s];
    }
    const bool morte = !resolubles_->Resoluble(images);
    Mesure.CoupesResolubles += morte ? 1 : 0;
    return morte;
}

void Recherche::Descendre(int profondeur, int saut, const TablePositionsMortes::Adresse& adresse) {
    const Niveau& parent = niveaux_[static_cast<size_t>(profondeur)];
    Niveau& enfant = niveaux_[static_cast<size_t>(profondeur) + 1];
    SommeNegative<true>(parent.marges.data(), Pagodes.ecarts[static_cast<size_t>(saut)].data(),
                        enfant.marges.data());
    const auto& images = Tables.imagesSaut[static_cast<size_t>(saut)];
    MARBELLO_DEROULER
    for (size_t s = 0; s < NbSymetries; ++s) {
        enfant.images[s] = parent.images[s] ^ images[s];
    }
    const Saut& s = Tables.sauts[static_cast<size_t>(saut)];
    enfant.position = parent.position ^ s.masque;
    enfant.adresse = adresse;
    const Cellule depart = CaseDuBit(s.depart);
    CoupsEnCours.push_back({depart.x, depart.y, s.direction});
    Visiter(profondeur + 1);
    CoupsEnCours.pop_back();
}

void Recherche::CompterEssais(int n) {
    Mesure.Essais += static_cast<uint64_t>(n);
    if (NbEssais + n < prochaineAttente_) {
        NbEssais += n;
        return;
    }
    for (int k = 0; k < n; ++k) {
        NbEssais += 1;
        if (static_cast<int64_t>(NbEssais) % PasAttente == 0) {
            if (NbEssais > RemiseAZero) {
                NbEssais = 0;
            }
            if (Attente) {
                Attente();
            }
        }
    }
    prochaineAttente_ = ProchainMultiple(NbEssais);
}

void Recherche::EnregistrerSolution() {
    Sequence trouvee{CoupsEnCours};
    trouvee.Coups[0] = Coup{};
    Solution.push_back(std::move(trouvee));
    NbSolutions = static_cast<int16_t>(Solution.size() - 1);
    FinRecherche = true;
}

} // namespace marbello
