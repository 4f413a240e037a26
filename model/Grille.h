#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace marbello {

// Cell codes of the grid.
enum CodeCase : int32_t {
    CaseHors = 0,  // not a hole: outside the cross or in the margin
    CaseBille = 1, // a hole holding a marble
    CaseVide = 2,  // an empty hole
};

inline constexpr int TailleGrille = 11; // indices 0..10 in both directions
inline constexpr int NbTrous = 33;
inline constexpr int NumeroCentre = 16;

struct Cellule {
    int x = 0; // column, grows to the right
    int y = 0; // row, grows downwards
    friend bool operator==(const Cellule&, const Cellule&) = default;
};

// The 11 x 11 board: playable square 2..8 in both directions, inside a two-cell margin that
// always reads CaseHors, so a look two cells away from any playable cell stays in the grid.
// Element x + 11 * y, x varying fastest.
struct Grille {
    std::array<int32_t, TailleGrille * TailleGrille> cases{};

    static constexpr size_t Indice(int x, int y) {
        const int indice = x + TailleGrille * y;
        return static_cast<size_t>(indice);
    }
    int32_t& operator()(int x, int y) { return cases[Indice(x, y)]; }
    int32_t operator()(int x, int y) const { return cases[Indice(x, y)]; }
    int32_t& operator[](Cellule c) { return (*this)(c.x, c.y); }
    int32_t operator[](Cellule c) const { return (*this)(c.x, c.y); }

    friend bool operator==(const Grille&, const Grille&) = default;
};

// True for the 33 holes of the cross (2 <= x, y <= 8 and 4 <= x <= 6 or 4 <= y <= 6).
constexpr bool EstTrou(int x, int y) {
    return x >= 2 && x <= 8 && y >= 2 && y <= 8 && ((x >= 4 && x <= 6) || (y >= 4 && y <= 6));
}

namespace detail {

// The numbering of the holes both ways, computed at compile time.
struct TableTrous {
    std::array<Cellule, NbTrous> cellules{};
    std::array<int, TailleGrille * TailleGrille> numeros{};

    constexpr TableTrous() {
        numeros.fill(-1);
        int k = 0;
        for (int y = 2; y <= 8; ++y) {
            for (int x = 2; x <= 8; ++x) {
                if (EstTrou(x, y)) {
                    cellules[static_cast<size_t>(k)] = {x, y};
                    numeros[Grille::Indice(x, y)] = k;
                    ++k;
                }
            }
        }
    }
};

inline constexpr TableTrous Numerotation;

} // namespace detail

// Hole number 0..32 in reading order, or -1 when (x, y) is not a hole.
constexpr int NumeroBille(int x, int y) {
    if (x < 0 || x >= TailleGrille || y < 0 || y >= TailleGrille) {
        return -1;
    }
    return detail::Numerotation.numeros[Grille::Indice(x, y)];
}
// The cell of hole number k; k must lie in 0..32.
constexpr Cellule CelluleBille(int k) {
    return detail::Numerotation.cellules.at(static_cast<size_t>(k));
}

// Two characters: the digit of x then the digit of y ("55" for the centre).
std::string CleCase(Cellule c);
// The cell named by a key: x from its first character, y from its last; nullopt when the key
// does not name a hole of the cross.
std::optional<Cellule> CaseDeCle(std::string_view cle);

enum class Couleur { Noire, Blanche };
// The checkerboard colour of a hole: black for even hole numbers (x + y even), white for odd ones.
Couleur CouleurCase(int numero);

// Every cell 0, then every hole a marble.
void InitialiserPlateau(Grille& plateau);
// Marbles on the playable square.
int CompterBilles(const Grille& plateau);
inline void RetirerBille(Grille& plateau, Cellule c) {
    plateau[c] = CaseVide;
}
inline void AjouterBille(Grille& plateau, Cellule c) {
    plateau[c] = CaseBille;
}

// Boards written as text, rows 2..8 separated by '/', holes left to right: 'o' a marble, '.' an
// empty hole ("ooo/ooo/ooooooo/ooo.ooo/ooooooo/ooo/ooo" is the centre opening). Returns nullopt
// when the text does not describe the 33 holes.
std::optional<Grille> GrilleDepuisTexte(std::string_view texte);
std::string TexteDepuisGrille(const Grille& plateau);

} // namespace marbello
