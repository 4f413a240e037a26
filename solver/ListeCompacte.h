#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace marbello {

// A sorted list of distinct integers below `univers`, read in place from 64-bit words, in the
// compact form of Elias and Fano: about 2 + log2(univers / nombre) bits per value.
//
// Each value is split into its low `bitsBas` bits, packed side by side, and its high part h,
// written in unary: value i of the list sets bit h + i of a bit string in which the high part h
// thus ends at its (h + 1)-th zero. Where every Pas-th high part starts in that string is kept,
// in 32 bits, so that a lookup reads a few words of it.
class ListeCompacte {
public:
    static constexpr uint64_t Pas = 512;

    // Where the parts lie in the words, from the list's universe and length alone.
    struct Disposition {
        int bitsBas = 0;
        uint64_t nbHauts = 0; // high parts 0 .. nbHauts - 1
        size_t motsBas = 0;
        size_t motsHauts = 0;
        size_t motsDebuts = 0;
        constexpr size_t Mots() const { return motsBas + motsHauts + motsDebuts; }
    };

    static constexpr Disposition Disposer(uint64_t univers, uint64_t nombre) {
        Disposition d;
        if (nombre == 0 || univers == 0) {
            return d;
        }
        while ((nombre << (d.bitsBas + 1)) <= univers) {
            ++d.bitsBas;
        }
        d.nbHauts = ((univers - 1) >> d.bitsBas) + 1;
        d.motsBas = (nombre * static_cast<uint64_t>(d.bitsBas) + 63) / 64;
        d.motsHauts = (nombre + d.nbHauts + 63) / 64;
        d.motsDebuts = ((d.nbHauts + Pas - 1) / Pas + 1) / 2;
        return d;
    }

    // The words of the list of valeurs, sorted, distinct and each below univers.
    static std::vector<uint64_t> Encoder(const std::vector<uint64_t>& valeurs, uint64_t univers);

    ListeCompacte() = default;
    // mots must hold Disposer(univers, nombre).Mots() words and outlive the list.
    ListeCompacte(uint64_t univers, uint64_t nombre, std::span<const uint64_t> mots);

    bool Contient(uint64_t valeur) const;
    uint64_t Nombre() const { return nombre_; }

private:
    uint64_t univers_ = 0;
    uint64_t nombre_ = 0;
    Disposition d_;
    std::span<const uint64_t> bas_;
    std::span<const uint64_t> hauts_;
    std::span<const uint64_t> debuts_;
};

} // namespace marbello
