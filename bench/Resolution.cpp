#include "bench/Resolution.h"

#include "bench/RechercheLitterale.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace marbello {

namespace {

using Horloge = std::chrono::steady_clock;

double Millisecondes(Horloge::time_point debut) {
    return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
}

template <typename R> Resultat Bilan(const R& recherche, bool arretee) {
    Resultat r;
    if (recherche.NbSolutions > 0) {
        r.issue = Issue::Trouvee;
        const auto& coups = recherche.Solution[1].Coups;
        r.coups.assign(coups.begin() + 1, coups.end());
    } else {
        r.issue = arretee ? Issue::Arretee : Issue::Aucune;
    }
    return r;
}

} // namespace

Resultat ResoudreAvecRecherche(Recherche& recherche, const Grille& plateau,
                               std::optional<double> plafond) {
    Grille g = plateau;
    recherche.Ceder = nullptr;
    recherche.Attente = nullptr;
    recherche.Preparer();
    recherche.Demarrer(g);
    const auto debut = Horloge::now();
    bool arretee = false;
    const auto echeance = plafond ? debut + std::chrono::duration_cast<Horloge::duration>(
                                                std::chrono::duration<double>(*plafond))
                                  : Horloge::time_point::max();
    // As the game does: the clock read every 64 positions, a yield due every 5 ms.
    uint32_t visites = 0;
    auto cession = debut;
    recherche.Ceder = [&] {
        if ((++visites & 63) != 0) {
            return;
        }
        const auto maintenant = Horloge::now();
        if (maintenant - cession >= std::chrono::milliseconds(5)) {
            cession = maintenant;
        }
        if (maintenant >= echeance) {
            arretee = true;
            recherche.FinRecherche = true;
        }
    };
    recherche.ExplorerPosition(g);
    const double ms = Millisecondes(debut);
    recherche.Ceder = nullptr;
    Resultat r = Bilan(recherche, arretee);
    r.essais = recherche.Mesure.Essais;
    r.positions = recherche.Mesure.Positions;
    r.ms = ms;
    return r;
}

Resultat ResoudreLitteralement(const Grille& plateau, std::optional<double> plafond) {
    Grille g = plateau;
    RechercheLitterale recherche;
    recherche.Preparer();
    recherche.Demarrer(g);
    const auto debut = Horloge::now();
    if (plafond) {
        recherche.Echeance = debut + std::chrono::duration_cast<Horloge::duration>(
                                         std::chrono::duration<double>(*plafond));
    }
    recherche.ExplorerPosition(g);
    const double ms = Millisecondes(debut);
    Resultat r = Bilan(recherche, recherche.EcheanceAtteinte);
    r.essais = recherche.Essais;
    r.ms = ms;
    return r;
}

const char* NomIssue(Issue issue) {
    switch (issue) {
    case Issue::Trouvee:
        return "found";
    case Issue::Arretee:
        return "stopped";
    default:
        return "none";
    }
}

std::string TexteCoups(const std::vector<Coup>& coups) {
    if (coups.empty()) {
        return "-";
    }
    std::string texte;
    for (const Coup& c : coups) {
        if (!texte.empty()) {
            texte += ' ';
        }
        texte +=
            std::to_string(c.X) + ',' + std::to_string(c.Y) + ',' + std::to_string(c.Direction);
    }
    return texte;
}

double Quantile(std::vector<double> v, double q) {
    if (v.empty()) {
        return 0;
    }
    std::sort(v.begin(), v.end());
    const auto i = static_cast<size_t>(std::lround(q * static_cast<double>(v.size() - 1)));
    return v[std::min(i, v.size() - 1)];
}

} // namespace marbello
