// marbello-table FILE
//
// Builds the table that the game carries (solver/Resolubles.bin), in about four minutes of
// processor time and 290 MB. Every position that the 33 single-hole openings reach is enumerated,
// level by level from 32 marbles down, each kept once with its symmetric images (by its smallest
// image, CleCanonique) in a bitmap by rank. A position has a solution exactly when its complement
// is reached: the table lists the positions of at least BillesMin marbles without solution that the
// classes and pagoda weightings let through. After a rebuild, the table's checksum in
// solver/CMakeLists.txt is updated by hand.

#include "solver/Pagodes.h"
#include "solver/PositionBinaire.h"
#include "solver/TableResolubles.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace marbello;

namespace {

using Niveau = std::vector<uint64_t>; // one bit per set of holes of the level's size, by rank

constexpr Trous TousLesTrous = (Trous{1} << NbTrous) - 1;

uint64_t Binome(int n, int k) {
    return Binomes[static_cast<size_t>(n)][static_cast<size_t>(k)];
}

Niveau NiveauVide(int taille) {
    return Niveau((Binome(NbTrous, taille) + 63) / 64, 0);
}

void Marquer(Niveau& niveau, Trous trous) {
    const uint64_t rang = RangColex(trous);
    niveau[rang / 64] |= uint64_t{1} << (rang % 64);
}

// The set of `taille` holes of that rank.
Trous DepuisRang(uint64_t rang, int taille) {
    Trous trous = 0;
    int n = NbTrous;
    for (int t = taille; t >= 1; --t) {
        while (Binome(n - 1, t) > rang) {
            --n;
        }
        --n;
        rang -= Binome(n, t);
        trous |= Trous{1} << n;
    }
    return trous;
}

Bits Etendre(Trous trous) {
    Bits billes = 0;
    int k = 0;
    for (Bits b = Tables.trous; b != 0; b &= b - 1, ++k) {
        if ((trous >> k) & 1) {
            billes |= b & -b;
        }
    }
    return billes;
}

template <typename F> void PourChaque(const Niveau& niveau, int taille, F&& f) {
    for (size_t m = 0; m < niveau.size(); ++m) {
        for (uint64_t bits = niveau[m]; bits != 0; bits &= bits - 1) {
            f(DepuisRang(m * 64 + static_cast<uint64_t>(std::countr_zero(bits)), taille));
        }
    }
}

// The positions one jump further, each by its smallest image.
Niveau Suivant(const Niveau& niveau, int billes, uint64_t& nombre) {
    Niveau suivant = NiveauVide(billes - 1);
    nombre = 0;
    PourChaque(niveau, billes, [&](Trous cle) {
        ++nombre;
        const Bits position = Etendre(cle);
        std::array<Trous, NbSymetries> images{};
        for (int s = 0; s < NbSymetries; ++s) {
            images[static_cast<size_t>(s)] = Compacter(ImageBits(position, s));
        }
        for (int d = 0; d < 4; ++d) {
            for (Bits b = DepartsSaut(position, d); b != 0; b &= b - 1) {
                const auto& saut =
                    Tables.imagesSaut[static_cast<size_t>(Tables.indice[static_cast<size_t>(
                        std::countr_zero(b))][static_cast<size_t>(d)])];
                Trous enfant = ~Trous{0};
                for (size_t s = 0; s < NbSymetries; ++s) {
                    enfant = std::min(enfant, images[s] ^ saut[s]);
                }
                Marquer(suivant, enfant);
            }
        }
    });
    return suivant;
}

constexpr int VidesMax = NbTrous - TableResolubles::BillesMin;

// Image of a set of holes under symmetry s, read byte by byte: the test below runs on every set
// of up to VidesMax holes.
class Symetries {
public:
    Symetries() {
        for (size_t s = 0; s < NbSymetries; ++s) {
            for (size_t o = 0; o < NbOctets; ++o) {
                for (size_t v = 0; v < 256; ++v) {
                    const Trous trous = (Trous{v} << (8 * o)) & TousLesTrous;
                    images_[s][o][v] = Compacter(ImageBits(Etendre(trous), static_cast<int>(s)));
                }
            }
        }
    }

    bool PlusPetiteImage(Trous trous) const {
        for (size_t s = 1; s < NbSymetries; ++s) {
            Trous image = 0;
            for (size_t o = 0; o < NbOctets; ++o) {
                image |= images_[s][o][(trous >> (8 * o)) & 0xFF];
            }
            if (image < trous) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr size_t NbOctets = (NbTrous + 7) / 8;
    std::array<std::array<std::array<Trous, 256>, NbOctets>, NbSymetries> images_{};
};

// The next larger set of as many holes, trous not empty (Gosper's step).
Trous Suivante(Trous trous) {
    const Trous bas = trous & -trous;
    const Trous haut = trous + bas;
    return (((haut ^ trous) >> 2) / bas) | haut;
}

// The ranks of the sets of j holes, smallest of their images, that are not reached and whose
// complement ExclueParPagodes lets through.
std::vector<uint64_t> SansSolution(const Niveau& atteint, int j) {
    const Symetries symetries;
    std::vector<uint64_t> rangs;
    Trous trous = (Trous{1} << j) - 1;
    for (uint64_t rang = 0; rang<Binome(NbTrous, j); ++rang, trous = j> 0 ? Suivante(trous) : 0) {
        const bool vu = !atteint.empty() && ((atteint[rang / 64] >> (rang % 64)) & 1) != 0;
        if (!vu && symetries.PlusPetiteImage(trous) &&
            !ExclueParPagodes(Etendre(TousLesTrous ^ trous))) {
            rangs.push_back(rang);
        }
    }
    return rangs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: marbello-table FILE\n", stderr);
        return 2;
    }
    const auto debut = std::chrono::steady_clock::now();
    TableResolubles::Rangs rangs;
    std::vector<Niveau> petits(VidesMax + 1); // levels of at most VidesMax marbles
    Niveau niveau = NiveauVide(NbTrous - 1);
    for (int h = 0; h < NbTrous; ++h) {
        Marquer(niveau, CleCanonique(Etendre(TousLesTrous & ~(Trous{1} << h))));
    }
    uint64_t total = 0;
    for (int billes = NbTrous - 1; billes >= 1; --billes) {
        uint64_t nombre = 0;
        Niveau suivant = billes > 1 ? Suivant(niveau, billes, nombre) : Niveau{};
        if (billes == 1) {
            PourChaque(niveau, billes, [&](Trous) { ++nombre; });
        }
        total += nombre;
        std::printf(
            "%2d marbles: %10llu positions up to symmetry (%.0f s)\n", billes,
            static_cast<unsigned long long>(nombre),
            std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
        std::fflush(stdout);
        if (billes <= VidesMax) {
            petits[static_cast<size_t>(billes)] = std::move(niveau);
        }
        niveau = std::move(suivant);
    }
    std::printf("in all: %llu positions up to symmetry\n", static_cast<unsigned long long>(total));
    for (int j = 0; j <= VidesMax; ++j) {
        auto& liste = rangs[static_cast<size_t>(NbTrous - j)];
        liste = SansSolution(petits[static_cast<size_t>(j)], j);
        std::printf("%2d marbles: %9zu positions without solution listed\n", NbTrous - j,
                    liste.size());
    }

    const std::vector<unsigned char> fichier =
        TableResolubles::EcrireFichier(TableResolubles::Ecrire(rangs));
    FILE* f = std::fopen(argv[1], "wb");
    if (f == nullptr || std::fwrite(fichier.data(), 1, fichier.size(), f) != fichier.size() ||
        std::fclose(f) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("%zu bytes\n", fichier.size());
    return 0;
}
