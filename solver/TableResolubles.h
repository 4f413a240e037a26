#pragma once

#include "solver/ListeCompacte.h"
#include "solver/PositionBinaire.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace marbello {

// Binomial coefficients C(n, k) for n, k in 0..33.
inline constexpr std::array<std::array<uint64_t, NbTrous + 1>, NbTrous + 1> Binomes = [] {
    std::array<std::array<uint64_t, NbTrous + 1>, NbTrous + 1> c{};
    for (size_t n = 0; n <= NbTrous; ++n) {
        c[n][0] = 1;
        for (size_t k = 1; k <= n; ++k) {
            c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    return c;
}();

// Rank of a set of holes among the sets of the same size ordered as numbers (colex order):
// 0 .. C(33, size) - 1.
constexpr uint64_t RangColex(Trous trous) {
    uint64_t rang = 0;
    size_t t = 1;
    for (; trous != 0; trous &= trous - 1, ++t) {
        rang += Binomes[static_cast<size_t>(std::countr_zero(trous))][t];
    }
    return rang;
}

// Which positions with many marbles can be reduced to one marble, answered exactly.
//
// A position can be reduced to one marble on hole h exactly when the board full but for h can
// reach its complement: a jump of the position is, read on the complement, a jump backwards. So a
// position has a solution exactly when its complement is reached from a single-hole opening. Of
// the positions of at least BillesMin marbles that the classes and pagoda weightings let through
// (ExclueParPagodes), most have a solution; the table names the others. For each number k of
// marbles it holds a sorted list of ranks (RangColex among the sets of 33 - k holes): a position
// is named, with its symmetric images, by the smallest image of its complement. The table's
// words: the lengths of the 34 lists, then each list in the form of ListeCompacte.
//
// Its file: the 8 bytes of Magie, then VersionFichier and the number of the table's words, then
// the words, each 64-bit word little-endian whatever the host.
class TableResolubles {
public:
    static constexpr int BillesMin = 22;
    using Rangs = std::array<std::vector<uint64_t>, NbTrous + 1>;
    static constexpr std::string_view Magie = "Marbello";
    static constexpr uint64_t VersionFichier = 1;

    // The table's words held by a file; nothing when its header is not this version's or its
    // length is not the one its header gives.
    static std::optional<std::vector<uint64_t>> LireFichier(std::span<const unsigned char> octets);
    static std::vector<unsigned char> EcrireFichier(std::span<const uint64_t> mots);

    // Nothing when the words do not have the layout that their lengths give. mots must outlive
    // the table.
    static std::optional<TableResolubles> Lire(std::span<const uint64_t> mots);
    // The words of the table whose list for k marbles is rangs[k], sorted.
    static std::vector<uint64_t> Ecrire(const Rangs& rangs);

    // The position given by its 8 symmetric images, as the search keeps them. Preconditions: it
    // holds at least BillesMin marbles, and ExclueParPagodes does not rule it out.
    bool Resoluble(const std::array<Trous, NbSymetries>& images) const {
        // The complement of the largest image is the smallest image of the complement.
        const Trous vides =
            *std::max_element(images.begin(), images.end()) ^ ((Trous{1} << NbTrous) - 1);
        const auto billes = static_cast<size_t>(NbTrous - std::popcount(vides));
        return !niveaux_[billes].Contient(RangColex(vides));
    }
    // Any position of at least BillesMin marbles.
    bool Resoluble(Bits billes) const;

private:
    std::array<ListeCompacte, NbTrous + 1> niveaux_;
};

// The table built into the program; nullptr when its file or its words are not a table's, the
// search then going without it.
const TableResolubles* TableIntegree();

} // namespace marbello
