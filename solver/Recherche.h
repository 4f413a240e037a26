#pragma once

#include "model/Grille.h"
#include "model/Partie.h"
#include "solver/Pagodes.h"
#include "solver/PositionBinaire.h"
#include "solver/TablePositionsMortes.h"
#include "solver/TableResolubles.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace marbello {

// A solution: Coups[0] holds no move, so Coups.size() - 1 is the number of moves.
struct Sequence {
    std::vector<Coup> Coups;
};

// What a search leaves for the replay: its start and its result.
struct ResultatRecherche {
    Grille PlateauDepart;           // position the last search started from
    std::vector<Sequence> Solution; // element 0 empty; element 1 = the solution found
    int16_t NbSolutions = 0;

    // Discards the results: Solution = {empty}, PlateauDepart all 0.
    void Preparer();
    // PlateauDepart = playable square of plateau; NbSolutions 0.
    void Demarrer(const Grille& plateau);
};

// What a running search shows of itself besides: its path, its stop flag and its hooks.
struct EtatRecherche : ResultatRecherche {
    std::vector<Coup> CoupsEnCours; // element 0 only, outside a search
    bool FinRecherche = false;      // set to stop; read at each position
    double NbEssais = 0;            // one trial per marble of each visited position
    std::function<void()> Ceder;    // called at every position visited, when set
    std::function<void()> Attente;  // called each time NbEssais reaches a multiple of 50,000

    // As ResultatRecherche's, and CoupsEnCours = {zero}.
    void Preparer();
    // As ResultatRecherche's, and NbEssais 0, FinRecherche false.
    void Demarrer(const Grille& plateau);
};

// Depth-first search for a sequence of jumps that leaves one marble. Jumps are tried marble by
// marble, columns then rows, each in the direction order up, down, left, right, and the first
// solution in that order is the one kept. Positions that cannot lead to one marble are skipped
// without being visited: those whose marbles lie in no class a single marble can end in, those a
// pagoda weighting rules out, and those already proven dead. Skipping them never changes the
// solution. Positions with many marbles are answered by the table of positions with a solution
// (TableResolubles), so the search goes down those levels along the first solution alone. The
// dead positions met below (with their symmetric images) are remembered for the life of the
// object in a table of fixed size (16 MiB by default), emptied when a search starts with it more
// than half full.
class Recherche : public EtatRecherche {
public:
    static constexpr int PasAttente = 50'000;         // trials between two steps of Attente
    static constexpr double RemiseAZero = 50'000'000; // NbEssais above this restarts from 0

    // Without a table of positions with a solution (nullptr), every level is searched.
    explicit Recherche(int log2SeauxTable = TablePositionsMortes::Log2SeauxParDefaut,
                       const TableResolubles* resolubles = TableIntegree());

    // For measurements: what the last search did, whatever the hooks.
    struct Mesures {
        uint64_t Positions = 0;        // positions visited
        uint64_t Essais = 0;           // trials, without the restart of NbEssais
        uint64_t CoupesPagode = 0;     // positions skipped by a pagoda weighting
        uint64_t CoupesTable = 0;      // positions skipped as already proven dead
        uint64_t CoupesResolubles = 0; // positions skipped as without solution by TableResolubles
        friend bool operator==(const Mesures&, const Mesures&) = default;
    };
    Mesures Mesure;

    // As EtatRecherche::Demarrer, and Mesure to 0.
    void Demarrer(const Grille& plateau);
    // The search from plateau, which is only read. A solution is appended to Solution. Hooks may
    // set FinRecherche; the search then unwinds at once. Without hooks it runs at full speed.
    void ExplorerPosition(Grille& plateau);

    // Forgets the positions proven dead; the table's memory stays.
    void OublierPositionsMortes() { positionsMortes_.Oublier(); }
    const TablePositionsMortes& PositionsMortes() const { return positionsMortes_; }

private:
    struct Niveau {
        alignas(16) Marges marges; // weight minus threshold; < 0: dead (MargesPagodes)
        Bits position;
        std::array<Trous, NbSymetries> images; // the symmetric images, for the key
        TablePositionsMortes::Adresse adresse; // of the key in the table
    };

    bool Preparee(Bits billes);
    void Visiter(int profondeur);
    void Descendre(int profondeur, int saut, const TablePositionsMortes::Adresse& adresse);
    void CompterEssais(int n);
    void EnregistrerSolution();

    // Dead by a pagoda weighting or, with many marbles, by the table of positions with a solution.
    bool Morte(const Niveau& niveau, int billes, int saut);

    TablePositionsMortes positionsMortes_;
    const TableResolubles* resolubles_;
    std::array<Niveau, NbTrous + 1> niveaux_{};
    int billesDepart_ = 0;
    double prochaineAttente_ = PasAttente;
};

// Rebuilds in plateau the position after the first `valeur` moves of Solution[1] from
// PlateauDepart; records with an unknown direction code are skipped. Returns false (plateau
// untouched) when there is no Solution[1] or valeur is beyond its length.
bool Avancer(const ResultatRecherche& recherche, int valeur, Grille& plateau);

} // namespace marbello
